// The project menus' commands on the add-on window.
#pragma once

#include <windows.h>

namespace qelvo {

// 177: the documentation text of the last right-clicked editor's file (its cleaned title +
// ".txt"), opened in the IDE.
void OnEditDocumentation(UINT command, LPARAM lParam);
// 300-399: runs executable node (command - 300).
void OnRunItem(UINT command, LPARAM lParam);
// 10000-19999: opens project node (command - 10000); with Ctrl and Alt held, its documentation
// text.
void OnNodeItem(UINT command, LPARAM lParam);

} // namespace qelvo
