// Rules the add-on applies to the IDE's windows, stated over their texts: which title a title
// part designates, how an editor's title is cleaned, how a key combination becomes one number.
#pragma once

namespace qelvo {

// Buffer sizes (terminator included) in which window class names and titles are read.
constexpr int kClassBuffer = 79;
constexpr int kTitleBuffer = 279;

// True when the title, upper-cased (ASCII letters only), holds part at position 0 or just
// after '\' or '/', followed by the end of the title or ':'. Only the first occurrence of part
// is examined; part must already be upper case.
bool TitleMatchesPart(const char* title, const char* part);

// Cleans an editor's title in place: scanning from the end down to index 2, each ':' and each
// '*' ends the text there, and so does a blank that has become the last character.
// "C:\SRC\MAIN.CPP:2 *" becomes "C:\SRC\MAIN.CPP".
void CleanEditorTitle(char* title);

// A key combination as one number: the virtual-key code, + 1000 with Shift, + 2000 with Alt,
// + 4000 with Ctrl.
int KeyCode(int virtualKey, bool shift, bool alt, bool ctrl);

} // namespace qelvo
