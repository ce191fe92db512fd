// The bar's placement between its margins, collapsed to one row of its menu bar or expanded to
// all of them.
#pragma once

namespace qelvo {

struct BarPlacement {
    int x, y, width, baseHeight;
};

// Base height: the menu bar plus 1 (and the caption on the old shell, whose caption lies above
// the screen); x is the left margin and the width what the margins leave of the screen.
BarPlacement ComputeBarPlacement(bool newShell, int leftMargin, int rightMargin, int screenWidth,
                                 int menuBarHeight, int captionHeight);

} // namespace qelvo
