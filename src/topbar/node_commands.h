// What the node items and the other features' file commands do: open a node in the IDE tool
// that fits its type (or bring forward the window that already shows it), open a file in the
// text editor, run the program an executable node builds.
#pragma once

#include "ide/ide_project.h"

namespace qelvo {

// The status texts of the tool results -1, 1, 2 and 3; null for any other result.
const char* ToolResultText(int result);

// No tool was run: the IDE offers no ToolService, or not the tool asked for.
constexpr int kNoToolRun = -100;
// Runs the IDE's tool on the node, or (node 0) on the file; gives the tool's result.
int RunIdeTool(const char* toolName, ide::IdeNode node, const char* fileName);
// Shows the status text of a tool's result, when it has one.
void ReportToolResult(int result);

// Opens node (or, when node is 0, the node of file item index) with the tool of its type, or
// with textFile set its companion text file (its upper-cased file name + ".txt"). 1 when done;
// 0 with "Internal error: not enough files" for a bad index, "Internal error: bad file" for a
// node the IDE does not know.
int OpenNode(int index, ide::IdeNode node, int textFile);
// Opens a file in the text editor, or brings forward the editor that shows it; 1.
int OpenFileByName(const char* path);
// Opens a source file in the text editor, or (unless another view is wanted) brings forward
// the editor that shows it. 1 when done; 0 when nothing could be opened or the tool reported a
// result.
int OpenEditorFile(const char* path);
// Runs the output file of executable node index; its exit is not awaited.
void RunExeNode(int index);

} // namespace qelvo
