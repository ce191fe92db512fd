// The key-capture dialog "FenetreScanCode": the keyboard hook hands it every key while it is
// open, it shows the combination's name, and a left click in it validates. Used to choose the
// completion key and the quick-find keys.
#pragma once

#include <windows.h>

namespace qelvo {

// The longest key text, in characters.
constexpr int kMaxKeyText = 99;

// The modifiers' part of a key code for the key message's data, with the key's name:
// "Ctrl", "Alt", "Shift" joined by '+', then '+' and the system's name of the key (at most 39
// characters). The caller adds the virtual-key code.
int BuildKeyName(LPARAM keyData, char (&out)[kMaxKeyText + 1]);

// Modal over owner, starting from code and text; non-zero when the user validated with a left
// click, code and text then holding the last key pressed. The dialog resource comes from the
// add-on's module.
int ChooseKey(HWND owner, int& code, char (&text)[kMaxKeyText + 1]);

} // namespace qelvo
