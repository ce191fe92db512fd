// The bar's commands on the add-on window.
#pragma once

#include <windows.h>

namespace qelvo {

// 103: the project window was created or destroyed; the bar is rebuilt.
void OnProjectWindow(UINT command, LPARAM lParam);
// 177: the documentation text of the last right-clicked editor's file (its cleaned title +
// ".txt"), opened in the IDE.
void OnEditDocumentation(UINT command, LPARAM lParam);
// 200-299: switches to recent project (command - 200).
void OnRecentProject(UINT command, LPARAM lParam);
// 300-399: runs executable node (command - 300).
void OnRunItem(UINT command, LPARAM lParam);
// 400-599: opens recent include (command - 400).
void OnRecentInclude(UINT command, LPARAM lParam);
// 10000-19999: project node (command - 10000): Alt adds a node beside it, Ctrl removes it,
// Ctrl and Alt open its documentation text, neither opens it.
void OnNodeItem(UINT command, LPARAM lParam);

} // namespace qelvo
