#include "core/shell/caption_text.h"

#include "win32/gdi.h"

#include <cstring>

namespace qelvo {

int CaptionTextWidth(HWND window) {
    char title[200] = {0};
    GetWindowTextA(window, title, sizeof title);
    win32::WindowDc dc(window);
    if (!dc)
        return 0;
    win32::SelectGuard font(dc.get(), GetStockObject(SYSTEM_FONT));
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc.get(), title, static_cast<int>(std::strlen(title)), &size);
    return size.cx;
}

} // namespace qelvo
