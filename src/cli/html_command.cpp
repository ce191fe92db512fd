// qelvo html DIR [--filters PATTERNS] [--name NAME]: the HTML documentation of DIR's sources,
// written into DIR\qHTML on this thread (the command waits for the whole generation).
// Exit status: 0 done, 1 no file matched the filters, 2 bad usage or a file that could not be
// read or written (each named on stderr with the system's reason).
#include "cli/commands.h"
#include "html/html_generation.h"
#include "platform/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace qelvo {
namespace cli {

namespace {

const char kDefaultFilters[] = "*.cpp;*.h";

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// The directory in the engine's form ('\' between names), without trailing separators (a root
// keeps its own), so that every path shown is made of the platform's separators.
std::string EngineDirectory(std::string directory) {
    for (char& c : directory)
        if (c == '/') c = '\\';
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
            name = LastComponent(EngineDirectory(platform::CurrentDirectory()));
            platform::ChangeDirectory(current.c_str());
        }
    }
    return name.empty() ? std::string("Project") : name;
}

// "1 file", "2 files"; "1 class", "2 classes".
std::string Count(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string Shown(const std::string& enginePath) {
    return DisplayPath(enginePath.c_str());
}

void PrintHelp() {
    std::string output = Shown("DIR\\qHTML");
    std::printf("usage: qelvo html DIR [--filters PATTERNS] [--name NAME]\n"
                "\n"
                "Writes the HTML documentation of the sources in DIR and its folders into %s.\n"
                "  --filters PATTERNS  file patterns separated by ';' (default %s)\n"
                "  --name NAME         the project name the pages carry (default: DIR's name)\n"
                "\n"
                "Pages that would not change are not written again; pages of an earlier run\n"
                "that are no longer made are removed. Symbolic links in DIR are not followed.\n"
                "Exit status: 0 done, 1 no file matched, 2 bad usage or a read or write error.\n",
                output.c_str(), kDefaultFilters);
}

int Usage(const std::string& message) {
    return UsageError((message + " (qelvo html --help)").c_str());
}

// What went wrong, each page by its path; 2 when anything did.
int ReportFailures(const html::WriteSummary& s, const std::string& output) {
    if (!s.directoryError.empty()) {
        std::fprintf(stderr, "qelvo: html: cannot write into %s: %s\n", Shown(output).c_str(),
                     s.directoryError.c_str());
        return 2;
    }
    for (const html::PageFailure& f : s.failures)
        std::fprintf(stderr, "qelvo: html: cannot write %s: %s\n",
                     Shown(output + "\\" + f.page).c_str(), f.reason.c_str());
    if (s.failed > 0)
        std::fprintf(stderr, "qelvo: html: %s refused (no other page links to %s)\n",
                     Count(s.failed, "page", "pages").c_str(), s.failed == 1 ? "it" : "them");
    return s.failures.empty() ? 0 : 2;
}

} // namespace

int RunHtml(int argc, char** argv) {
    const char* directoryArgument = nullptr;
    std::string filters = kDefaultFilters;
    std::string name;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            PrintHelp();
            return 0;
        }
        if (std::strcmp(argv[i], "--filters") == 0 || std::strcmp(argv[i], "--name") == 0) {
            if (i + 1 >= argc) return Usage(std::string("html: ") + argv[i] + " needs a value");
            (argv[i][2] == 'f' ? filters : name) = argv[i + 1];
            ++i;
        } else if (argv[i][0] == '-' && argv[i][1] == '-') {
            return Usage(std::string("html: unknown option '") + argv[i] + "'");
        } else if (!directoryArgument) {
            directoryArgument = argv[i];
        } else {
            return Usage("html takes one directory");
        }
    }
    if (!directoryArgument)
        return Usage("usage: qelvo html DIR [--filters PATTERNS] [--name NAME]");
    std::string directory = EngineDirectory(directoryArgument);
    platform::FileStatus status = platform::GetFileStatus(directory.c_str());
    if (!status.isDirectory) {
        std::fprintf(stderr, "qelvo: html: %s: %s\n", Shown(directory).c_str(),
                     std::strerror(status.exists ? ENOTDIR : ENOENT));
        return 2;
    }
    if (name.empty()) name = DefaultName(directory);

    html::GenerationSummary summary;
    html::Generate(directory.c_str(), name.c_str(), filters.c_str(), &summary);
    const html::WriteSummary& s = summary.output;
    std::string output = html::OutputDirectory(directory.c_str());
    std::printf("qelvo html: %s, %s, %s, %s; %s in %s (%d written, %d unchanged, %d removed)\n",
                Count(summary.files, "file", "files").c_str(),
                Count(summary.classes, "class", "classes").c_str(),
                Count(summary.functions, "function", "functions").c_str(),
                Count(summary.macros, "macro", "macros").c_str(),
                Count(s.pages, "page", "pages").c_str(), Shown(output).c_str(), s.written,
                s.unchanged, s.removed);
    std::fflush(stdout);
    if (ReportFailures(s, output) != 0) return 2;
    if (summary.files == 0) {
        std::fprintf(stderr, "qelvo: html: no file in %s matches %s\n", Shown(directory).c_str(),
                     filters.c_str());
        return 1;
    }
    return 0;
}

} // namespace cli
} // namespace qelvo
