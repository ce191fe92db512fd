// The commands of the `qelvo` tool. Each takes the arguments after its name and gives the exit
// status: 0 done, 1 nothing found, 2 bad usage or an error (told on stderr with the path and the
// system's reason).
#pragma once

namespace qelvo {
namespace cli {

int RunRcgen(int argc, char** argv);    // qelvo rcgen DIR
int RunVersion(int argc, char** argv);  // qelvo version DIR
int RunHtml(int argc, char** argv);     // qelvo html DIR [--filters PATTERNS] [--name NAME]
int RunSymbols(int argc, char** argv);  // qelvo symbols FILE [--sorted]
int RunIncludes(int argc, char** argv); // qelvo includes FILE
// qelvo find function|class|method NAME DIR [--source MASK] [--include MASK] [--no-recurse]
int RunFind(int argc, char** argv);
int RunXref(int argc, char** argv); // qelvo xref NAME DIR [--source MASK] [--no-recurse]
// qelvo keywords extract SOURCE | complete PREFIX KWDFILE...
int RunKeywords(int argc, char** argv);
// qelvo tasks show TASKFILE [--today YYYY-MM-DD]
int RunTasks(int argc, char** argv);

// Prints "qelvo: <message>" on stderr and gives 2.
int UsageError(const char* message);
// The path as the platform writes it ('\' on Windows, '/' elsewhere).
const char* DisplayPath(const char* enginePath);
// --help or -h.
bool IsHelp(const char* argument);

} // namespace cli
} // namespace qelvo
