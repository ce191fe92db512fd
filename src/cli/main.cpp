#include "cli/commands.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace qelvo {
namespace cli {

int UsageError(const char* message) {
    std::fprintf(stderr, "qelvo: %s\n", message);
    return 2;
}

const char* DisplayPath(const char* enginePath) {
    static std::string shown;
    shown = platform::NativePath(enginePath);
    return shown.c_str();
}

namespace {

struct Command {
    const char* name;
    int (*run)(int, char**);
    const char* help;
};

const Command kCommands[] = {
#ifdef QELVO_HAVE_RCGEN_COMMAND
    {"rcgen", RunRcgen, "rcgen DIR        generate the dialog classes of DIR's resource scripts"},
    {"version", RunVersion, "version DIR      advance the build number of every VERSION.RC below DIR"},
#endif
#ifdef QELVO_HAVE_HTML_COMMAND
    {"html", RunHtml,
     "html DIR [--filters PATTERNS] [--name NAME]\n"
     "                   write the HTML documentation of DIR's sources into DIR\\qHTML"},
#endif
#ifdef QELVO_HAVE_NAVIGATION_COMMAND
    {"symbols", RunSymbols,
     "symbols FILE [--sorted]\n"
     "                   list FILE's functions and methods: LINE, CLASS, NAME"},
    {"includes", RunIncludes, "includes FILE    list the files FILE includes"},
#endif
    {nullptr, nullptr, nullptr},
};

void PrintHelp(FILE* out) {
    std::fprintf(out, "usage: qelvo COMMAND [ARGS]\n\ncommands:\n");
    for (const Command* c = kCommands; c->name; ++c)
        std::fprintf(out, "  %s\n", c->help);
    std::fprintf(out, "  --help           this text\n");
}

} // namespace
} // namespace cli
} // namespace qelvo

int main(int argc, char** argv) {
    using namespace qelvo::cli;
    if (argc < 2) {
        PrintHelp(stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintHelp(stdout);
        return 0;
    }
    for (const Command* c = kCommands; c->name; ++c)
        if (std::strcmp(argv[1], c->name) == 0)
            return c->run(argc - 2, argv + 2);
    std::fprintf(stderr, "qelvo: unknown command '%s'\n", argv[1]);
    PrintHelp(stderr);
    return 2;
}
