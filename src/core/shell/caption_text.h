// The width of a window's caption text as the caption buttons measure it.
#pragma once

#include <windows.h>

namespace qelvo {

// The window's title (at most 199 characters) measured in the system font, in pixels; 0 when
// the window has no device context.
int CaptionTextWidth(HWND window);

} // namespace qelvo
