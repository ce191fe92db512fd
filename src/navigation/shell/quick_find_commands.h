// The quick find's commands on the add-on window: the four searches, the popup of the method
// results and the opening of a chosen one; and the name the searches look for.
#pragma once

#include <windows.h>

#include <string>

namespace qelvo {

// The editor's selection, copied through the clipboard (whose text is put back), or, when
// nothing is selected, the name typed in the dialog "dlgGETDATA" over the history. Empty when
// the user cancelled or the editor has no edit window. A name found enters the history.
std::string GetSearchText(HWND editor, const char* title);

// 190 to 193: find as function, method, class; cross reference, for the last editor.
void OnQuickFindCommand(UINT command, LPARAM lParam);
// 184: the popup of the method results at the mouse cursor.
void OnMethodResultsPopup(UINT command, LPARAM lParam);
// 800 to 899: the chosen method result's file opened at its line.
void OnMethodResultChosen(UINT command, LPARAM lParam);

} // namespace qelvo
