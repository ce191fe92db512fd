// qelvo rcgen DIR: the dialog-class generation of one Make, whatever the project's switches say.
// qelvo version DIR: the build numbering of one Make, with the counter of a freshly loaded add-on.
#include "cli/commands.h"
#include "codegen/dialog_generator.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace qelvo {
namespace cli {

namespace {

const char kRcgenHelp[] =
    "usage: qelvo rcgen DIR\n"
    "\n"
    "Generates the dialog classes of DIR's resource scripts (*.rc) as one Make does: rc.h and\n"
    "rc.cpp in DIR from its own scripts, rc<Name>.h and rc<Name>.cpp in each immediate\n"
    "sub-directory <Name> from its scripts. A pair is rewritten only when a file of it is\n"
    "missing or one of the directory's scripts was changed after the older of the two (in whole\n"
    "seconds); both are written whole under work names (rc<Name>.h.$$$) and renamed into place.\n"
    "Links are not followed, hidden directories and files are left out.\n"
    "\n"
    "Exit status: 0 done (or up to date), 1 no resource script found (nothing is written),\n"
    "2 bad usage or an error.\n";

const char kVersionHelp[] =
    "usage: qelvo version DIR\n"
    "\n"
    "Raises the build number of every VERSION.RC in DIR and below, as one Make of a freshly\n"
    "loaded add-on does: FILEVERSION and the FileVersion value take the file's build number plus\n"
    "one, or the number the file before got when that is higher; the old file becomes\n"
    "VERSION.BAK. Each part stays within 0 and 65535: a file whose numbers leave that range is\n"
    "left as it was, as is one without a FILEVERSION statement. Every line keeps its own line\n"
    "end. A tree where another run is at work (a VERSION.$$$ written in the last two minutes)\n"
    "is left as it was. Links are not followed, hidden directories are left out.\n"
    "\n"
    "Exit status: 0 done, 1 no version file found or nothing to number, 2 bad usage or an\n"
    "error.\n";

// Prints what the engine did, and every notice with the path it concerns.
class Report : public codegen::CodegenListener {
public:
    explicit Report(const char* command) : command_(command) {}

    void DirectoryGenerated(const char* headerPath, const char* sourcePath) override {
        std::printf("generated %s\n", DisplayPath(headerPath));
        std::printf("generated %s\n", DisplayPath(sourcePath));
        ++generated;
    }
    void VersionNumbered(const char* path, int build) override {
        std::printf("numbered %s (build %d)\n", DisplayPath(path), build);
        ++numbered;
    }
    void Notice(const codegen::CodegenNotice& notice) override {
        std::string where = DisplayPath(notice.path);
        if (notice.line) where += ":" + std::to_string(notice.line);
        std::string text = notice.text;
        if (*notice.why) text += std::string(": ") + notice.why;
        switch (notice.kind) {
        case codegen::NoticeKind::kScript:
            std::fprintf(stderr, "qelvo: %s: %s: warning: %s\n", command_, where.c_str(),
                         text.c_str());
            return;
        case codegen::NoticeKind::kNothingToNumber:
            std::printf("%s: %s\n", where.c_str(), text.c_str());
            ++nothing;
            return;
        case codegen::NoticeKind::kRefused:
            text += "; left as it was";
            break;
        case codegen::NoticeKind::kBusy:
            text += "; nothing was changed";
            break;
        case codegen::NoticeKind::kFailed:
            break;
        }
        std::fprintf(stderr, "qelvo: %s: %s: %s\n", command_, where.c_str(), text.c_str());
        ++failed;
    }

    // ", 1 failure" or ", 2 failures"; empty without any.
    std::string Failures() const {
        if (!failed) return std::string();
        return ", " + Count(failed, "failure", "failures");
    }

    static std::string Count(int n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    }

    int generated = 0;
    int numbered = 0;
    int nothing = 0; // version files without a statement to number
    int failed = 0;

private:
    const char* command_;
};

// The directory argument without trailing separators (a root keeps its own); 0 when it names
// a directory, otherwise the exit status after the message: 0 after --help, 2 after a usage
// message or a path that is no directory (with the system's reason).
int DirectoryArgument(int argc, char** argv, const char* command, const char* help,
                      std::string& directory, bool& done) {
    done = true;
    for (int i = 0; i < argc; ++i)
        if (IsHelp(argv[i])) {
            std::fputs(help, stdout);
            return 0;
        }
    for (int i = 0; i < argc; ++i)
        if (argv[i][0] == '-' && argv[i][1] != 0) {
            std::string message = std::string(command) + ": unknown option '" + argv[i] +
                                  "' (qelvo " + command + " --help tells the usage)";
            return UsageError(message.c_str());
        }
    if (argc != 1 || argv[0][0] == 0) {
        std::string usage = std::string("usage: qelvo ") + command + " DIR";
        return UsageError(usage.c_str());
    }
    directory = argv[0];
    while (directory.size() > 1 && (directory.back() == '/' || directory.back() == '\\') &&
           !(directory.size() == 3 && directory[1] == ':'))
        directory.pop_back();
    std::string shown = DisplayPath(argv[0]);
    platform::FileStatus status = platform::GetFileStatus(directory.c_str());
    if (!status.exists) {
        std::string message =
            std::string(command) + ": " + shown + ": " + platform::LastErrorText();
        return UsageError(message.c_str());
    }
    if (!status.isDirectory) {
        std::string message = std::string(command) + ": " + shown + ": not a directory";
        return UsageError(message.c_str());
    }
    done = false;
    return 0;
}

} // namespace

int RunRcgen(int argc, char** argv) {
    std::string directory;
    bool done;
    int status = DirectoryArgument(argc, argv, "rcgen", kRcgenHelp, directory, done);
    if (done) return status;
    std::string where = DisplayPath(directory.c_str());
    Report report("rcgen");
    codegen::DialogGenerator generator;
    generator.enabled = 1;
    generator.listener = &report;
    // Pairs of empty classes all over a tree that has no script would help nobody.
    if (generator.ScriptCount(directory.c_str()) == 0) {
        std::printf("rcgen: no resource script in %s or its immediate sub-directories\n",
                    where.c_str());
        return 1;
    }
    generator.GenerateForProject(directory.c_str());
    if (report.generated == 0 && report.failed == 0)
        std::printf("rcgen: dialog classes of %s are up to date\n", where.c_str());
    else
        std::printf("rcgen: %s regenerated%s\n",
                    Report::Count(report.generated, "directory", "directories").c_str(),
                    report.Failures().c_str());
    return report.failed ? 2 : 0;
}

int RunVersion(int argc, char** argv) {
    std::string directory;
    bool done;
    int status = DirectoryArgument(argc, argv, "version", kVersionHelp, directory, done);
    if (done) return status;
    std::string where = DisplayPath(directory.c_str());
    Report report("version");
    codegen::DialogGenerator generator;
    generator.versionEnabled = 1;
    generator.listener = &report;
    generator.GenerateForProject(directory.c_str());
    if (report.numbered)
        std::printf("version: %s numbered, build number %d%s\n",
                    Report::Count(report.numbered, "file", "files").c_str(), generator.buildCounter,
                    report.Failures().c_str());
    else if (report.failed)
        std::printf("version: nothing numbered%s\n", report.Failures().c_str());
    else if (report.nothing)
        std::printf("version: nothing numbered\n");
    else
        std::printf("version: no VERSION.RC in %s or below\n", where.c_str());
    if (report.failed) return 2;
    return report.numbered ? 0 : 1;
}

} // namespace cli
} // namespace qelvo
