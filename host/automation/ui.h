// What the actions share: finding the IDE's and the add-on's windows on this thread, reading
// menus, and real input (SetCursorPos with button events, key events through SendInput).
#pragma once

#include "script.h"

#include <windows.h>

#include <string>
#include <vector>

namespace qelvo {
namespace automation {

// Visible top-level windows of this thread with the class, topmost first.
std::vector<HWND> ThreadWindows(const char* windowClass);
// The add-on's bar (class "QADO") of this thread, or null.
HWND FindBar();
// Whether the title names the file: the upper-cased title holds the upper-cased part at its
// start or after '\' or '/', followed by the end, ':' or a blank (as the add-on finds
// editors).
bool TitleNames(const std::string& title, const std::string& part);
// The editor (class "BCW5Editor") in the MDI client whose title names the part, or null.
HWND FindEditor(HWND mdiClient, const std::string& part);

// A menu item as scripts write it: its text with a tab shown as "\t", "-" for a separator.
std::string MenuItemText(HMENU menu, int position);
std::vector<std::string> MenuItemTexts(HMENU menu);
// The position of the item a path names (MenuItemName, without regard to case), or -1.
int FindMenuItem(HMENU menu, const std::string& name);
// The open popup menus (class "#32768") of this thread, the last opened first, and the menu
// each shows.
std::vector<HWND> OpenPopups();
HMENU MenuOfPopup(HWND popup);
// The open popup that shows the menu, or null.
HWND PopupShowing(HMENU menu);
// The open popup opened last (none of the others' items opens it), or null.
HWND DeepestPopup();

// A click of the left (or right) button at the screen point.
void Click(POINT at, bool right = false);
// The keys of the combination pressed (modifiers first) or released (in reverse).
void SendKeys(const KeyCombination& keys, bool down);
// Types printable ASCII text with the keys that make each character; false when a character
// has no key in the keyboard layout.
bool TypeText(const std::string& text);

// The point's window, and whether a click there lands on it (the window itself under the
// point, or a child of it for non-client parts).
bool PointReaches(POINT at, HWND window);
POINT Center(const RECT& r);
// What lies at the point instead: "a window of class X" (for failures).
std::string WhatCovers(POINT at);
std::string Quoted(const std::string& text);
std::string Joined(const std::vector<std::string>& items);

} // namespace automation
} // namespace qelvo
