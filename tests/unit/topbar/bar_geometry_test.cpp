#include "topbar/bar_geometry.h"

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
