#include "screenshot.h"

#include "win32/gdi.h"
#include "win32/handles.h"

#include <cstdio>

namespace qelvo {
namespace host {

namespace {
uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        ready = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void PutBig32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void Chunk(std::vector<uint8_t>& png, const char* type, const std::vector<uint8_t>& data) {
    PutBig32(png, static_cast<uint32_t>(data.size()));
    size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    PutBig32(png, Crc32(&png[start], png.size() - start));
}

// The image's rows, each after its filter byte 0, as a zlib stream of stored blocks.
std::vector<uint8_t> ZlibStored(const Screenshot& shot) {
    std::vector<uint8_t> raw;
    size_t row = static_cast<size_t>(shot.width) * 3;
    raw.reserve((row + 1) * static_cast<size_t>(shot.height));
    for (int y = 0; y < shot.height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), shot.rgb.begin() + static_cast<long>(row * y),
                   shot.rgb.begin() + static_cast<long>(row * (y + 1)));
    }
    std::vector<uint8_t> z = {0x78, 0x01};
    size_t pos = 0;
    do {
        size_t n = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
        z.push_back(pos + n == raw.size() ? 1 : 0);
        z.push_back(static_cast<uint8_t>(n));
        z.push_back(static_cast<uint8_t>(n >> 8));
        z.push_back(static_cast<uint8_t>(~n));
        z.push_back(static_cast<uint8_t>(~n >> 8));
        z.insert(z.end(), raw.begin() + static_cast<long>(pos),
                 raw.begin() + static_cast<long>(pos + n));
        pos += n;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(z, (b << 16) | a);
    return z;
}
} // namespace

uint32_t Screenshot::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    size_t at = (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
    return (static_cast<uint32_t>(rgb[at]) << 16) | (static_cast<uint32_t>(rgb[at + 1]) << 8) |
           rgb[at + 2];
}

bool CaptureScreen(Screenshot& shot) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    if (width <= 0 || height <= 0) return false;
    win32::WindowDc screen(nullptr);
    if (!screen.get()) return false;
    win32::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    win32::UniqueBitmap bitmap(
        memory ? CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0)
               : nullptr);
    if (!bitmap || !bits) return false;
    {
        win32::SelectGuard selected(memory.get(), bitmap.get());
        if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY)) return false;
        GdiFlush();
    }
    shot.width = width;
    shot.height = height;
    size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
    shot.rgb.resize(pixels * 3);
    const uint8_t* bgra = static_cast<const uint8_t*>(bits);
    for (size_t i = 0; i < pixels; ++i) {
        shot.rgb[i * 3] = bgra[i * 4 + 2];
        shot.rgb[i * 3 + 1] = bgra[i * 4 + 1];
        shot.rgb[i * 3 + 2] = bgra[i * 4];
    }
    return true;
}

bool WritePng(const Screenshot& shot, const std::string& path) {
    if (shot.width <= 0 || shot.height <= 0 ||
        shot.rgb.size() != static_cast<size_t>(shot.width) * static_cast<size_t>(shot.height) * 3)
        return false;
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutBig32(header, static_cast<uint32_t>(shot.width));
    PutBig32(header, static_cast<uint32_t>(shot.height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter, no interlace
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", ZlibStored(shot));
    Chunk(png, "IEND", {});
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && ok;
}

} // namespace host
} // namespace qelvo
