// qelvo html DIR [--filters PATTERNS] [--name NAME]: the HTML documentation of DIR's sources,
// written into DIR\qHTML on this thread (the command waits for the whole generation).
#include "cli/commands.h"
#include "html/html_generation.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace qelvo {
namespace cli {

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// The directory without trailing separators (a root keeps its own).
std::string TrimDirectory(std::string directory) {
    while (directory.size() > 1 && IsSeparator(directory.back()) &&
           !(directory.size() == 3 && directory[1] == ':'))
        directory.pop_back();
    return directory;
}

std::string LastComponent(const std::string& path) {
    size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// The default project name: the directory's last component ("." and ".." are resolved first).
std::string DefaultName(const std::string& directory) {
    std::string name = LastComponent(directory);
    if (name == "." || name == ".." || name.empty() || name.back() == ':') {
        std::string current = platform::CurrentDirectory();
        if (platform::ChangeDirectory(directory.c_str())) {
            name = LastComponent(TrimDirectory(platform::CurrentDirectory()));
            platform::ChangeDirectory(current.c_str());
        }
    }
    return name.empty() ? std::string("Project") : name;
}

} // namespace

int RunHtml(int argc, char** argv) {
    const char* directoryArgument = nullptr;
    std::string filters = "*.cpp;*.h";
    std::string name;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--filters") == 0 || std::strcmp(argv[i], "--name") == 0) {
            if (i + 1 >= argc)
                return UsageError((std::string(argv[i]) + " needs a value").c_str());
            (argv[i][2] == 'f' ? filters : name) = argv[i + 1];
            ++i;
        } else if (argv[i][0] == '-' && argv[i][1] == '-') {
            return UsageError((std::string("html: unknown option '") + argv[i] + "'").c_str());
        } else if (!directoryArgument) {
            directoryArgument = argv[i];
        } else {
            return UsageError("html takes one directory");
        }
    }
    if (!directoryArgument)
        return UsageError("usage: qelvo html DIR [--filters PATTERNS] [--name NAME]");
    std::string directory = TrimDirectory(directoryArgument);
    platform::FileStatus status = platform::GetFileStatus(directory.c_str());
    if (!status.exists || !status.isDirectory)
        return UsageError((std::string("no such directory: ") + directoryArgument).c_str());
    if (name.empty())
        name = DefaultName(directory);

    html::GenerationSummary summary;
    int ok = html::Generate(directory.c_str(), name.c_str(), filters.c_str(), &summary);
    std::string output = html::OutputDirectory(directory.c_str());
    std::printf("qelvo html: %d files, %d classes, %d functions, %d macros: %d pages in %s\n",
                summary.files, summary.classes, summary.functions, summary.macros,
                summary.output.pages, DisplayPath(output.c_str()));
    if (!ok) {
        std::fprintf(stderr, "qelvo: html: %d pages could not be written in %s\n",
                     summary.output.failed, DisplayPath(output.c_str()));
        return 1;
    }
    return 0;
}

} // namespace cli
} // namespace qelvo
