// The open-file check, made whenever an editor opens: a file that another editor already shows
// brings that editor forward (unless another view is wanted), and a header file goes on top of
// the recent includes, whose popup on the bar is refreshed in place.
#pragma once

#include <windows.h>

namespace qelvo {

// 0 when an existing editor already shows the file (the caller closes the new one), else 1.
// newEditor: the editor just created, or null when the file was opened by the add-on.
int NoteEditorOpened(HWND bar, const char* name, HWND newEditor);

// Fills the bar's "Last Includes" popup again from the recent includes.
void RefreshLastIncludes(HWND bar);

} // namespace qelvo
