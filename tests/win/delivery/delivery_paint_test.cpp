// The progress bar at 0, half and full, and with nothing to copy: blue over the done part with
// the label in white, light grey over the rest with the label in black, nothing beyond the bar.
#include "core/shell/delivery_progress.h"
#include "win32/gdi.h"
#include "win32/handles.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace qelvo {
namespace {

constexpr int kWidth = 490, kHeight = 20, kBar = 400; // the bar: client width less 90
constexpr COLORREF kBlue = RGB(0, 0, 255), kGrey = RGB(192, 192, 192), kGreen = RGB(0, 128, 0);

TEST(DeliveryPaint, BlueAndGreyPartsWithTheLabelClippedToEach) {
    struct Case {
        uint64_t done, total;
        int filled; // done x (399) / total, truncated; 0 with nothing to copy
    } cases[] = {{0, 1000, 0}, {500, 1000, 199}, {1000, 1000, 399}, {0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.done);
        win32::WindowDc screen(nullptr);
        win32::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        win32::UniqueBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        ASSERT_TRUE(bitmap.get());
        win32::SelectGuard selected(dc.get(), bitmap.get());
        win32::UniqueGdiObject green(CreateSolidBrush(kGreen));
        RECT all = {0, 0, kWidth, kHeight};
        FillRect(dc.get(), &all, static_cast<HBRUSH>(green.get()));
        win32::UniqueGdiObject blue(CreateSolidBrush(kBlue));
        ProgressBar bar;
        bar.width = kBar;
        bar.height = kHeight;
        PaintDeliveryProgress(dc.get(), bar, static_cast<HBRUSH>(blue.get()), c.done, c.total,
                              "APP.EXE");
        GdiFlush();
        int white = 0, black = 0, wrong = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const COLORREF p = GetPixel(dc.get(), x, y);
                const COLORREF ground = x >= kBar ? kGreen : x < c.filled ? kBlue : kGrey;
                if (p == ground) continue;
                if (x < c.filled && p == RGB(255, 255, 255)) ++white;
                else if (x >= c.filled && x < kBar && p == RGB(0, 0, 0)) ++black;
                else ++wrong; // a label's pixel in the wrong colour, or paint beyond the bar
            }
        EXPECT_EQ(0, wrong);
        EXPECT_EQ(c.filled > 190, white > 0); // the label, centred, shows on blue past half
        EXPECT_EQ(c.filled < 210, black > 0);
        for (int x : {0, c.filled - 1, c.filled, kBar - 1, kBar})
            if (x >= 0) {
                EXPECT_EQ(x >= kBar ? kGreen : x < c.filled ? kBlue : kGrey, GetPixel(dc.get(), x, 0)) << x;
            }
    }
}

} // namespace
} // namespace qelvo
