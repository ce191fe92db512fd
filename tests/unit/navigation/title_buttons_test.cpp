#include "navigation/title_buttons.h"

#include <gtest/gtest.h>

using namespace qelvo;

namespace {
// An editor at (100, 50)-(700, 450) on the screen.
const ScreenRect kWindow = {100, 50, 700, 450};
const TitleButtonGeometry kNew = TitleButtonGeometry::ForShell(true);
const TitleButtonGeometry kOld = TitleButtonGeometry::ForShell(false);

int Hit(const TitleButtonGeometry& g, bool newShell, int16_t& x, int16_t& y,
        bool leftSide = false, int textWidth = 0) {
    return HitTestTitleButtons(g, kWindow, leftSide, newShell, textWidth, 18, x, y);
}
} // namespace

TEST(TitleButtons, GeometryOfBothShells) {
    EXPECT_EQ(kNew.rightOffset, 58);
    EXPECT_EQ(kOld.rightOffset, 41);
    EXPECT_EQ(kNew.popupDown, 2);
    EXPECT_EQ(kNew.popupRight, 1);
    EXPECT_EQ(kOld.popupDown, 0);
    EXPECT_EQ(kOld.popupRight, 0);
    // x0 = 700 - 58 - 72 = 570 on the new shell.
    EXPECT_EQ(FirstButtonX(kNew, kWindow, false, true, 0), 570);
    EXPECT_EQ(FirstButtonX(kOld, kWindow, false, false, 0), 587);
}

TEST(TitleButtons, EachButtonAndItsPopupPoint) {
    for (int k = 0; k < 3; ++k) {
        int16_t x = static_cast<int16_t>(570 + 24 * k + 5), y = 60;
        EXPECT_EQ(Hit(kNew, true, x, y), k);
        EXPECT_EQ(x, 570 + 24 * k + 1 - 2);
        EXPECT_EQ(y, 50 + 18 + 2 + 1);
    }
}

TEST(TitleButtons, TheEdgesOfTheRow) {
    int16_t x = 575, y = 53; // one pixel above the top row (50 + 4)
    EXPECT_EQ(Hit(kNew, true, x, y), kNoButton);
    x = 575, y = 54;
    EXPECT_EQ(Hit(kNew, true, x, y), 0);
    x = 575, y = 71; // last row: 54 + 18 - 1
    EXPECT_EQ(Hit(kNew, true, x, y), 0);
    x = 575, y = 72;
    EXPECT_EQ(Hit(kNew, true, x, y), kNoButton);
    x = 569, y = 60; // just left of the first button
    EXPECT_EQ(Hit(kNew, true, x, y), kNoButton);
    x = 641, y = 60; // the last pixel column of the third button
    EXPECT_EQ(Hit(kNew, true, x, y), 2);
    x = 642, y = 60;
    EXPECT_EQ(Hit(kNew, true, x, y), kNoButton);
}

TEST(TitleButtons, LeftSide) {
    int16_t x = 100 + 23 + 1, y = 60;
    EXPECT_EQ(Hit(kOld, false, x, y, true), 0) << "old shell: always at 23";
    // New shell: after the caption's text when that is further left...
    x = 100 + 200 + 23 + 30, y = 60;
    EXPECT_EQ(Hit(kNew, true, x, y, true, 200), 1);
    // ...but a caption wider than the right-side position keeps them on the right.
    x = 575, y = 60;
    EXPECT_EQ(Hit(kNew, true, x, y, true, 500), 0);
}

TEST(TitleButtons, NegativeScreenCoordinates) {
    // A window on a monitor left of the primary one.
    ScreenRect far = {-32000, 0, -31400, 400};
    int16_t x = static_cast<int16_t>(-31400 - 58 - 72 + 1), y = 5;
    EXPECT_EQ(HitTestTitleButtons(kNew, far, false, true, 0, 18, x, y), 0);
}
