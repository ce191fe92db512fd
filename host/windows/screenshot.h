// Screenshots of the whole screen (BitBlt from the screen into a DIB section, which under Wine
// catches every window, menus and message boxes included), written as PNG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qelvo {
namespace host {

struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb; // rows from the top, 3 bytes a pixel

    // 0xRRGGBB; 0 outside the picture.
    uint32_t Pixel(int x, int y) const;
};

bool CaptureScreen(Screenshot& shot);
// An 8-bit RGB PNG (deflate's stored blocks: big, but plain); false when it cannot be written.
bool WritePng(const Screenshot& shot, const std::string& path);

} // namespace host
} // namespace qelvo
