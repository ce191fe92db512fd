// Build numbering of VERSION.RC: every Make raises each file's build number by at least one,
// and a file visited later in the same Make gets at least the number of the one before.
//
// A run first claims every directory it is to number by creating its VERSION.$$$, a name that
// must not exist yet; a recent VERSION.$$$ that is already there belongs to another run still
// numbering the tree, and the run then lets go of its claims and changes nothing. Within its
// claim a run writes the renumbered lines to VERSION.$$$ and the old ones to VERSION.BK$, then
// renames VERSION.$$$ over VERSION.RC and VERSION.BK$ over VERSION.BAK, each in one step.
// Whatever fails or interrupts it, VERSION.RC is either the complete new file or still the old
// one, and the old content is never lost: it is in VERSION.RC, VERSION.BK$ or VERSION.BAK.
#include "codegen/dialog_generator.h"
#include "codegen/rc_text.h"
#include "codegen/version_text.h"

#include "foundation/text_utils.h"
#include "foundation/tree_walk.h"
#include "platform/platform.h"

#include <climits>
#include <ctime>
#include <vector>

namespace qelvo {
namespace codegen {

namespace {

const char kWorkName[] = "VERSION.$$$";
const char kBackupWorkName[] = "VERSION.BK$";
const char kBackupName[] = "VERSION.BAK";

// A work file written within this many seconds belongs to a run that is still going: writing
// one file takes a moment, so only a run that ended without cleaning up leaves an older one.
constexpr long long kBusySeconds = 120;

enum Claim { kTaken, kBusy, kNotTaken };

// Every directory of the tree but hidden ones, each with its VERSION.RC in any case. Paths
// stay within the system's path buffers, which also bounds the depth.
WalkOptions VersionWalk() {
    WalkOptions options;
    options.patterns = "VERSION.RC";
    options.maxDepth = INT_MAX;
    options.maxPathLength = kPathBufferSize - 1;
    return options;
}

// The directory's version file as the directory spells its name: VERSION.RC itself, or else
// the name that matches it without regard to case (as Windows finds it). Empty when none.
std::string FindVersionFile(const std::vector<platform::DirEntry>& files) {
    for (const platform::DirEntry& file : files)
        if (file.name == "VERSION.RC") return file.name;
    for (const platform::DirEntry& file : files)
        if (platform::MatchPattern(file.name.c_str(), "VERSION.RC")) return file.name;
    return std::string();
}

std::string Seconds(long long n) {
    return std::to_string(n) + (n == 1 ? " second" : " seconds");
}

int WriteAll(FILE* file, const std::string& a, const std::string& b) {
    return std::fwrite(a.data(), 1, a.size(), file) == a.size() &&
           std::fwrite(b.data(), 1, b.size(), file) == b.size();
}

} // namespace

struct VersionTarget {
    VersionTarget(const std::string& directory, const std::string& name)
        : original(JoinPath(directory.c_str(), name.c_str()).c_str()),
          work(JoinPath(directory.c_str(), kWorkName).c_str()),
          backupWork(JoinPath(directory.c_str(), kBackupWorkName).c_str()),
          backup(JoinPath(directory.c_str(), kBackupName).c_str()) {}
    std::string original, work, backupWork, backup;
};

// Directories are left after everything below them: the deepest come first.
class DialogGenerator::VersionVisitor : public TreeVisitor {
public:
    explicit VersionVisitor(DialogGenerator& generator) : generator_(generator) {}
    void LeaveDirectory(const WalkDirectory& directory) override {
        // A directory that cannot be listed may hold a version file nobody numbers: say so.
        if (!directory.error.empty())
            generator_.Notify(NoticeKind::kFailed, directory.path.c_str(), 0, "cannot be listed",
                              directory.error);
        std::string name = FindVersionFile(directory.files);
        if (!name.empty()) targets.emplace_back(directory.path, name);
    }
    std::vector<VersionTarget> targets;

private:
    DialogGenerator& generator_;
};

int DialogGenerator::NumberVersionTree(const char* directory) {
    VersionVisitor visitor(*this);
    WalkTree(directory, VersionWalk(), visitor);
    // Every claim first: a tree another run is numbering is left alone as a whole.
    std::vector<const VersionTarget*> claimed;
    for (const VersionTarget& target : visitor.targets) {
        int claim = ClaimWorkFile(target);
        if (claim == kBusy) {
            for (const VersionTarget* mine : claimed)
                platform::RemoveFile(mine->work.c_str());
            return 0;
        }
        if (claim == kTaken) claimed.push_back(&target);
    }
    for (const VersionTarget* target : claimed)
        NumberClaimed(*target);
    return 1;
}

int DialogGenerator::NumberVersionFile(const char* directory) {
    std::vector<platform::DirEntry> files;
    ListMatchingFiles(directory, VersionWalk(), files);
    std::string name = FindVersionFile(files);
    if (name.empty()) return 0;
    VersionTarget target(directory, name);
    return ClaimWorkFile(target) == kTaken && NumberClaimed(target);
}

int DialogGenerator::ClaimWorkFile(const VersionTarget& target) {
    std::string why;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (FILE* file = platform::OpenNewFile(target.work.c_str(), false)) {
            std::fclose(file);
            return kTaken;
        }
        why = platform::LastErrorText();
        platform::FileStatus status = platform::GetFileStatus(target.work.c_str());
        long long age = static_cast<long long>(std::time(nullptr)) - status.lastWrite;
        if (status.isFile && age < kBusySeconds && age > -kBusySeconds) {
            Notify(NoticeKind::kBusy, target.original.c_str(), 0,
                   std::string("another run is numbering it (its ") + kWorkName + " was written " +
                       Seconds(age < 0 ? 0 : age) + " ago)");
            return kBusy;
        }
        // What an ended run left behind (or anything else of that name but a directory) holds
        // nothing anybody needs.
        if (status.isDirectory || attempt > 0) break;
        if (!platform::RemoveFile(target.work.c_str())) {
            why = platform::LastErrorText();
            break;
        }
    }
    Notify(NoticeKind::kFailed, target.work.c_str(), 0, "cannot be created", why);
    return kNotTaken;
}

namespace {

// How writing the work files went: the line that holds a number out of range, or the file that
// could not be read or written.
struct Written {
    int refusedLine = 0;
    std::string failedPath, failure, why;

    void Fail(const std::string& path, const char* what) {
        if (!failure.empty()) return;
        why = platform::LastErrorText();
        failedPath = path;
        failure = what;
    }
};

int Close(FILE* file, int ok) {
    ok = ok && !std::ferror(file);
    return std::fclose(file) == 0 && ok;
}

// Lines are copied whole, however long, each with its own end: the renumbered ones to the work
// file, the old ones to the backup's.
void CopyLines(FILE* in, FILE* out, FILE* copy, const VersionTarget& target,
               VersionRenumbering& renumbering, Written& result) {
    LineReader reader(in);
    std::string text, end, renumbered;
    int written = 1;
    while (written && reader.Read(text, end, std::string::npos)) {
        if (!renumbering.Line(text, renumbered)) {
            result.refusedLine = reader.LineNumber();
            break;
        }
        written = WriteAll(out, renumbered, end) && WriteAll(copy, text, end);
    }
    if (reader.Failed()) result.Fail(target.original, "cannot be read");
    if (!Close(out, written)) result.Fail(target.work, "cannot be written");
    if (!Close(copy, written)) result.Fail(target.backupWork, "cannot be written");
}

Written WriteWorkFiles(const VersionTarget& target, VersionRenumbering& renumbering) {
    Written result;
    FILE* in = platform::OpenFile(target.original.c_str(), "rb");
    if (!in) {
        result.Fail(target.original, "cannot be read");
        return result;
    }
    FILE* out = platform::OpenFile(target.work.c_str(), "wb");
    if (!out) {
        result.Fail(target.work, "cannot be written");
        std::fclose(in);
        return result;
    }
    platform::RemoveFile(target.backupWork.c_str()); // an ended run's: the claim is ours now
    FILE* copy = platform::OpenNewFile(target.backupWork.c_str(), false);
    if (!copy) {
        result.Fail(target.backupWork, "cannot be created");
        std::fclose(out);
    } else {
        CopyLines(in, out, copy, target, renumbering, result);
    }
    std::fclose(in);
    return result;
}

} // namespace

// Within the claim: the renumbered file and the backup's copy are written in full, then each
// takes its name in one step. The work files are gone at the end, whatever happened.
int DialogGenerator::NumberClaimed(const VersionTarget& target) {
    VersionRenumbering renumbering(buildCounter);
    Written result = WriteWorkFiles(target, renumbering);
    bool numbering = result.failure.empty() && !result.refusedLine && renumbering.Found();
    if (numbering && platform::GetFileStatus(target.backup.c_str()).isDirectory) {
        result.failedPath = target.backup;
        result.failure = "a directory stands where the backup goes";
        numbering = false;
    }
    if (numbering && !platform::MoveReplacing(target.work.c_str(), target.original.c_str())) {
        result.Fail(target.original, "cannot be replaced");
        numbering = false;
    }
    if (!numbering) {
        platform::RemoveFile(target.work.c_str());
        platform::RemoveFile(target.backupWork.c_str());
        if (!result.failure.empty())
            Notify(NoticeKind::kFailed, result.failedPath.c_str(), 0, result.failure, result.why);
        else if (result.refusedLine)
            Notify(NoticeKind::kRefused, target.original.c_str(), result.refusedLine,
                   renumbering.Refusal());
        else
            Notify(NoticeKind::kNothingToNumber, target.original.c_str(), 0,
                   "no FILEVERSION statement, nothing to number");
        return 0;
    }

    buildCounter = renumbering.Counter();
    if (listener) listener->VersionNumbered(target.original.c_str(), buildCounter);
    if (!platform::MoveReplacing(target.backupWork.c_str(), target.backup.c_str()))
        Notify(NoticeKind::kFailed, target.backup.c_str(), 0,
               std::string("cannot be replaced (the old content is kept as ") + kBackupWorkName +
                   ")",
               platform::LastErrorText());
    return 1;
}

} // namespace codegen
} // namespace qelvo
