#include "core/bar_geometry.h"

#include <cstdio>

namespace qelvo {

BarGeometry ComputeBarGeometry(bool newShell, int screenWidth, int menuBarHeight,
                               int captionHeight) {
    BarGeometry g;
    g.x = -1;
    g.width = screenWidth + 2;
    if (newShell) {
        g.exStyle = kExStyleTopmost | kExStyleToolWindow;
        g.style = kStylePopup | kStyleBorder;
        g.y = -2;
        g.height = menuBarHeight + 1;
    } else {
        g.exStyle = kExStyleTopmost;
        g.style = kStylePopup | kStyleCaption;
        g.y = -2 - menuBarHeight;
        g.height = menuBarHeight + captionHeight + 1;
    }
    return g;
}

std::string OsText(OsPlatform platform, int major, int minor) {
    char text[40];
    switch (platform) {
    case OsPlatform::Win32s:
        std::snprintf(text, sizeof text, "Win32s on Windows %d.%d", major, minor);
        break;
    case OsPlatform::Windows95:
        std::snprintf(text, sizeof text, "Windows 95 (%d.%d)", major, minor);
        break;
    default:
        std::snprintf(text, sizeof text, "Windows NT %d.%d", major, minor);
        break;
    }
    return text;
}

bool IsNewShell(OsPlatform platform, int major) {
    if (platform == OsPlatform::Windows95)
        return true;
    return platform == OsPlatform::WindowsNT && major > 3;
}

} // namespace qelvo
