// Where the add-on's bar stands and how it looks, on the new shell (a tool window without a
// caption) and on the old one (a captioned window whose caption lies above the screen).
#pragma once

#include <cstdint>

namespace qelvo {

// Window styles with Win32's values (the shell checks that they agree).
constexpr uint32_t kStylePopup = 0x80000000u;
constexpr uint32_t kStyleBorder = 0x00800000u;
constexpr uint32_t kStyleCaption = 0x00C00000u;
constexpr uint32_t kExStyleTopmost = 0x00000008u;
constexpr uint32_t kExStyleToolWindow = 0x00000080u;

struct BarGeometry {
    uint32_t style;
    uint32_t exStyle;
    int x, y, width, height;
};

BarGeometry ComputeBarGeometry(bool newShell, int screenWidth, int menuBarHeight,
                               int captionHeight);

} // namespace qelvo
