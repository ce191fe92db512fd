// Build numbering of VERSION.RC: every Make raises each file's build number by at least one,
// and a file visited later in the same Make gets at least the number of the one before.
//
// The new content is written to VERSION.$$$ first and only swapped in once it is complete:
// VERSION.RC then becomes VERSION.BAK (replacing the previous backup) and VERSION.$$$ becomes
// VERSION.RC. Whatever fails, VERSION.RC is either the complete new file or still the old one;
// only a process killed between the two renames leaves the old content as VERSION.BAK alone.
#include "codegen/dialog_generator.h"
#include "codegen/rc_text.h"

#include "foundation/text_utils.h"
#include "foundation/tree_walk.h"
#include "platform/platform.h"

#include <cctype>
#include <climits>
#include <cstring>
#include <vector>

namespace qelvo {
namespace codegen {

namespace {

const char kValuePrefix[] = "   VALUE \"FileVersion\", \"";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads up to four numbers as "%d,%d,%d,%d" does (each may follow white space and carry a
// sign; the commas must follow the numbers directly). Numbers that cannot be read keep their
// values; numbers out of range stop at the ends of int.
void ReadVersion(const char* text, int version[4]) {
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (*text != ',') return;
            ++text;
        }
        while (std::isspace(static_cast<unsigned char>(*text)))
            ++text;
        bool negative = false;
        if (*text == '+' || *text == '-') negative = *text++ == '-';
        if (!IsDigit(*text)) return;
        long long n = 0;
        for (; IsDigit(*text); ++text)
            if (n <= INT_MAX) n = n * 10 + (*text - '0');
        if (negative)
            version[i] = -n < INT_MIN ? INT_MIN : static_cast<int>(-n);
        else
            version[i] = n > INT_MAX ? INT_MAX : static_cast<int>(n);
    }
}

bool StartsWith(const std::string& line, const char* prefix) {
    return line.compare(0, std::strlen(prefix), prefix) == 0;
}

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

} // namespace

// Directories are left after everything below them: the deepest are numbered first.
class DialogGenerator::VersionVisitor : public TreeVisitor {
public:
    explicit VersionVisitor(DialogGenerator& generator) : generator_(generator) {}
    void LeaveDirectory(const WalkDirectory& directory) override {
        generator_.NumberVersionFile(directory.path.c_str(), directory.files);
    }

private:
    DialogGenerator& generator_;
};

void DialogGenerator::NumberVersionTree(const char* directory) {
    VersionVisitor visitor(*this);
    WalkTree(directory, VersionWalk(), visitor);
}

int DialogGenerator::NumberVersionFile(const char* directory) {
    std::vector<platform::DirEntry> files;
    ListMatchingFiles(directory, VersionWalk(), files);
    return NumberVersionFile(directory, files);
}

int DialogGenerator::NumberVersionFile(const char* directory,
                                       const std::vector<platform::DirEntry>& files) {
    std::string name = FindVersionFile(files);
    if (name.empty()) return 0;
    String original = JoinPath(directory, name.c_str());
    String work = JoinPath(directory, "VERSION.$$$");
    String backup = JoinPath(directory, "VERSION.BAK");

    int counterBefore = buildCounter;
    int ok = RewriteVersionFile(original.c_str(), work.c_str());
    if (ok) {
        // The previous backup makes way; then the old file becomes the backup and the new one
        // takes its name. A failed step leaves VERSION.RC as it was.
        if (platform::FileExists(backup.c_str()) && !platform::RemoveFile(backup.c_str()))
            ok = 0;
        else if (!platform::RenameFile(original.c_str(), backup.c_str()))
            ok = 0;
        else if (!platform::RenameFile(work.c_str(), original.c_str())) {
            platform::RenameFile(backup.c_str(), original.c_str());
            ok = 0;
        }
    }
    if (!ok) {
        platform::RemoveFile(work.c_str());
        buildCounter = counterBefore;
    }
    if (listener) listener->VersionNumbered(original.c_str(), ok);
    return ok;
}

// Copies the version file to work with its FILEVERSION statement and FileVersion value
// renumbered. Lines are copied whole, however long. 0 when anything could not be read or
// written.
int DialogGenerator::RewriteVersionFile(const std::string& original, const std::string& work) {
    FILE* in = platform::OpenFile(original.c_str(), "rb");
    if (!in) return 0;
    FILE* out = platform::OpenFile(work.c_str(), "w");
    if (!out) {
        std::fclose(in);
        return 0;
    }
    LineReader reader(in);
    int version[4] = {1, 0, 0, buildCounter};
    std::string line;
    while (reader.Next(line, std::string::npos)) {
        DropTrailingControl(line);
        if (line.size() >= 12 && StartsWith(line, "FILEVERSION")) {
            ReadVersion(line.c_str() + 12, version);
            if (buildCounter <= version[3])
                buildCounter = version[3] == INT_MAX ? INT_MAX : version[3] + 1;
            version[3] = buildCounter;
            std::fprintf(out, "FILEVERSION %d, %d, %d, %d\n", version[0], version[1], version[2],
                         version[3]);
        } else if (line.size() >= 26 && StartsWith(line, kValuePrefix)) {
            std::fprintf(out, "%s%d.%d.%d.%d\\000\\000\"\n", kValuePrefix, version[0], version[1],
                         version[2], version[3]);
        } else {
            std::fwrite(line.data(), 1, line.size(), out);
            std::fputc('\n', out);
        }
    }
    int ok = !reader.Failed() && !std::ferror(out);
    std::fclose(in);
    ok = (std::fclose(out) == 0) && ok;
    return ok;
}

} // namespace codegen
} // namespace qelvo
