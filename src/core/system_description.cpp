#include "core/system_description.h"

#include <cstdio>

namespace qelvo {

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
