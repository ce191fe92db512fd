// The editor navigation's commands on the add-on window: the popups of the caption buttons.
#pragma once

#include <windows.h>

namespace qelvo {

// The texts of the quick-find popup's items (commands 190 to 193).
extern const char* const kQuickFindItems[4];

// 188: the quick-find popup at the click point, each item with its hot key's text when set.
void OnQuickFindPopup(UINT command, LPARAM lParam);
// 197: the documentation popup ("Edit Documentation", 177) at the click point.
void OnDocumentationPopup(UINT command, LPARAM lParam);

// 111: the caption buttons of the editor given in lParam.
void OnPaintCaption(UINT command, LPARAM lParam);
// 189: the popup of the clicked editor's functions, classes and methods at the click point.
void OnFunctionsPopup(UINT command, LPARAM lParam);
// 187: the popup of the files the clicked editor's file includes, at the click point.
void OnIncludesPopup(UINT command, LPARAM lParam);
// 1000 to 9999: the caret of the clicked editor's file to the chosen symbol's line.
void OnFunctionChosen(UINT command, LPARAM lParam);
// 700 to 799: the chosen include's full path, after the frame's activation; false (and
// "Cannot locate <name>" in the status line) when it cannot be found. Opening it is the
// caller's, which knows the editor's opening operation.
bool LocateChosenInclude(UINT command, char* path, size_t size);

} // namespace qelvo
