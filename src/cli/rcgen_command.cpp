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

class Report : public codegen::CodegenListener {
public:
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
        switch (notice.kind) {
        case codegen::NoticeKind::kScript:
            std::fprintf(stderr, "qelvo: %s: warning: %s\n", where.c_str(), notice.text);
            return;
        case codegen::NoticeKind::kNothingToNumber:
            std::printf("%s %s\n", where.c_str(), notice.text);
            return;
        case codegen::NoticeKind::kRefused:
            std::fprintf(stderr, "qelvo: %s: %s: left as it was\n", where.c_str(), notice.text);
            break;
        case codegen::NoticeKind::kBusy:
            std::fprintf(stderr, "qelvo: %s: %s: nothing was changed\n", where.c_str(),
                         notice.text);
            break;
        case codegen::NoticeKind::kFailed:
            std::fprintf(stderr, "qelvo: %s %s%s%s\n", where.c_str(), notice.text,
                         *notice.why ? ": " : "", notice.why);
            break;
        }
        ++failed;
    }

    int generated = 0;
    int numbered = 0;
    int failed = 0;
};

// The directory argument without trailing separators (a root keeps its own); 2 after a usage
// message when it is missing or not a directory, 0 otherwise.
int DirectoryArgument(int argc, char** argv, const char* command, std::string& directory) {
    if (argc != 1 || argv[0][0] == 0) {
        std::string usage = std::string("usage: qelvo ") + command + " DIR";
        return UsageError(usage.c_str());
    }
    directory = argv[0];
    while (directory.size() > 1 && (directory.back() == '/' || directory.back() == '\\') &&
           !(directory.size() == 3 && directory[1] == ':'))
        directory.pop_back();
    platform::FileStatus status = platform::GetFileStatus(directory.c_str());
    if (!status.exists || !status.isDirectory) {
        std::string message = std::string("no such directory: ") + DisplayPath(argv[0]);
        return UsageError(message.c_str());
    }
    return 0;
}

} // namespace

int RunRcgen(int argc, char** argv) {
    std::string directory;
    if (int status = DirectoryArgument(argc, argv, "rcgen", directory)) return status;
    Report report;
    codegen::DialogGenerator generator;
    generator.enabled = 1;
    generator.listener = &report;
    generator.GenerateForProject(directory.c_str());
    if (report.generated == 0 && report.failed == 0)
        std::printf("rcgen: dialog classes of %s are up to date\n", DisplayPath(directory.c_str()));
    else
        std::printf("rcgen: %d director%s regenerated\n", report.generated,
                    report.generated == 1 ? "y" : "ies");
    return report.failed ? 2 : 0;
}

int RunVersion(int argc, char** argv) {
    std::string directory;
    if (int status = DirectoryArgument(argc, argv, "version", directory)) return status;
    Report report;
    codegen::DialogGenerator generator;
    generator.versionEnabled = 1;
    generator.listener = &report;
    generator.GenerateForProject(directory.c_str());
    if (report.numbered == 0 && report.failed == 0)
        std::printf("version: no VERSION.RC in %s or below\n", DisplayPath(directory.c_str()));
    else
        std::printf("version: %d file%s numbered, build number %d\n", report.numbered,
                    report.numbered == 1 ? "" : "s", generator.buildCounter);
    return report.failed ? 2 : 0;
}

} // namespace cli
} // namespace qelvo
