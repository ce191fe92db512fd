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

} // namespace qelvo
