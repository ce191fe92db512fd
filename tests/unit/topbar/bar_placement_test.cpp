#include "topbar/bar_placement.h"

#include <gtest/gtest.h>

using namespace qelvo;

TEST(BarPlacement, BetweenTheMargins) {
    BarPlacement p = ComputeBarPlacement(true, -1, 58, 1280, 19, 18);
    EXPECT_EQ(p.x, -1);
    EXPECT_EQ(p.y, -2);
    EXPECT_EQ(p.width, 1280 + 1 - 58);
    EXPECT_EQ(p.baseHeight, 20);
    BarPlacement old = ComputeBarPlacement(false, 17, 37, 1024, 19, 18);
    EXPECT_EQ(old.x, 17);
    EXPECT_EQ(old.y, -21);
    EXPECT_EQ(old.width, 1024 - 17 - 37);
    EXPECT_EQ(old.baseHeight, 38);
}
