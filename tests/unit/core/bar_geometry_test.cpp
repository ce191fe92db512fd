#include "core/bar_geometry.h"

#include <gtest/gtest.h>

using namespace qelvo;

TEST(BarGeometry, NewShellToolWindow) {
    BarGeometry g = ComputeBarGeometry(true, 1280, 19, 18);
    EXPECT_EQ(g.style, kStylePopup | kStyleBorder);
    EXPECT_EQ(g.exStyle, kExStyleTopmost | kExStyleToolWindow);
    EXPECT_EQ(g.x, -1);
    EXPECT_EQ(g.y, -2);
    EXPECT_EQ(g.width, 1282);
    EXPECT_EQ(g.height, 20);
}

TEST(BarGeometry, OldShellCaptionAboveTheScreen) {
    BarGeometry g = ComputeBarGeometry(false, 1024, 19, 18);
    EXPECT_EQ(g.style, kStylePopup | kStyleCaption);
    EXPECT_EQ(g.exStyle, kExStyleTopmost);
    EXPECT_EQ(g.x, -1);
    EXPECT_EQ(g.y, -21);
    EXPECT_EQ(g.width, 1026);
    EXPECT_EQ(g.height, 38);
}

TEST(OsText, ThePlatformsAndTheShells) {
    EXPECT_EQ(OsText(OsPlatform::Windows95, 4, 10), "Windows 95 (4.10)");
    EXPECT_EQ(OsText(OsPlatform::WindowsNT, 3, 51), "Windows NT 3.51");
    EXPECT_EQ(OsText(OsPlatform::Win32s, 3, 11), "Win32s on Windows 3.11");
    EXPECT_LE(OsText(OsPlatform::Win32s, -2147483647, -2147483647).size(), 39u);
    EXPECT_TRUE(IsNewShell(OsPlatform::Windows95, 4));
    EXPECT_TRUE(IsNewShell(OsPlatform::WindowsNT, 4));
    EXPECT_TRUE(IsNewShell(OsPlatform::WindowsNT, 10));
    EXPECT_FALSE(IsNewShell(OsPlatform::WindowsNT, 3));
    EXPECT_FALSE(IsNewShell(OsPlatform::Win32s, 3));
}
