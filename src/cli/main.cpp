// qelvo COMMAND [ARGS]: the engines outside the IDE. Every command answers --help on stdout.
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
#ifdef _WIN32
    // A path given with '/' is joined with '\' below it: show it one way.
    for (char& c : shown)
        if (c == '/') c = '\\';
#endif
    return shown.c_str();
}

bool IsHelp(const char* argument) {
    return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}

namespace {

struct Command {
    const char* name;
    int (*run)(int, char**);
    const char* usage;     // after "qelvo "
    std::string (*what)(); // one line: what it does
    bool ownHelp;          // it answers --help itself, with more than its line
};

#ifdef QELVO_HAVE_RCGEN_COMMAND
std::string RcgenLine() {
    return "generate the dialog classes of DIR's resource scripts";
}
std::string VersionLine() {
    return "raise the build number of every VERSION.RC in DIR and below";
}
#endif
#ifdef QELVO_HAVE_HTML_COMMAND
std::string HtmlLine() {
    return "write the HTML documentation of DIR's sources into " +
           std::string(DisplayPath("DIR\\qHTML"));
}
#endif

#ifdef QELVO_HAVE_NAVIGATION_COMMAND
std::string SymbolsLine() {
    return "list FILE's functions and methods: LINE, CLASS, NAME";
}
std::string IncludesLine() {
    return "list the files FILE includes";
}
std::string FindLine() {
    return "the first defining line of NAME below DIR (PATH, LINE), or every method (and TEXT)";
}
std::string XrefLine() {
    return "every indented line below DIR using the word NAME: PATH, LINE, LINE-TEXT";
}
#endif

#ifdef QELVO_HAVE_KEYWORDS_COMMAND
std::string KeywordsLine() {
    return "extract a source's keyword file; complete PREFIX from keyword files";
}
#endif

#ifdef QELVO_HAVE_TASKS_COMMAND
std::string TasksLine() {
    return "a task file's visible list, its counters and the day's Quick Flash";
}
#endif

const Command kCommands[] = {
#ifdef QELVO_HAVE_RCGEN_COMMAND
    {"rcgen", RunRcgen, "rcgen DIR", RcgenLine, true},
    {"version", RunVersion, "version DIR", VersionLine, true},
#endif
#ifdef QELVO_HAVE_HTML_COMMAND
    {"html", RunHtml, "html DIR [--filters PATTERNS] [--name NAME]", HtmlLine, true},
#endif
#ifdef QELVO_HAVE_NAVIGATION_COMMAND
    {"symbols", RunSymbols, "symbols FILE [--sorted]", SymbolsLine, false},
    {"includes", RunIncludes, "includes FILE", IncludesLine, false},
    {"find", RunFind,
     "find function|class|method NAME DIR [--source MASK] [--include MASK] [--no-recurse]",
     FindLine, false},
    {"xref", RunXref, "xref NAME DIR [--source MASK] [--no-recurse]", XrefLine, false},
#endif
#ifdef QELVO_HAVE_KEYWORDS_COMMAND
    {"keywords", RunKeywords, "keywords extract SOURCE | complete PREFIX KWDFILE...",
     KeywordsLine, true},
#endif
#ifdef QELVO_HAVE_TASKS_COMMAND
    {"tasks", RunTasks, "tasks show TASKFILE [--today YYYY-MM-DD]", TasksLine, true},
#endif
    {nullptr, nullptr, nullptr, nullptr, false},
};

void PrintHelp(FILE* out) {
    std::fprintf(out, "usage: qelvo COMMAND [ARGS]\n\ncommands:\n");
    for (const Command* c = kCommands; c->name; ++c) {
        std::string usage = c->usage;
        if (usage.size() < 16)
            std::fprintf(out, "  %-16s %s\n", c->usage, c->what().c_str());
        else
            std::fprintf(out, "  %s\n  %-16s %s\n", c->usage, "", c->what().c_str());
    }
    std::fprintf(out, "  %-16s %s\n\n", "--help", "this text");
    std::fprintf(out, "qelvo COMMAND --help tells more of a command.\n"
                      "Exit status: 0 done, 1 nothing found, 2 bad usage or an error (told on "
                      "stderr).\n");
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
    if (IsHelp(argv[1])) {
        PrintHelp(stdout);
        return 0;
    }
    for (const Command* c = kCommands; c->name; ++c) {
        if (std::strcmp(argv[1], c->name) != 0) continue;
        if (!c->ownHelp && argc > 2 && IsHelp(argv[2])) {
            std::printf("usage: qelvo %s\n\n%s.\n", c->usage, c->what().c_str());
            return 0;
        }
        return c->run(argc - 2, argv + 2);
    }
    std::fprintf(stderr, "qelvo: unknown command '%s'\n", argv[1]);
    PrintHelp(stderr);
    return 2;
}
