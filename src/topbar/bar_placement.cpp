#include "topbar/bar_placement.h"

namespace qelvo {

BarPlacement ComputeBarPlacement(bool newShell, int leftMargin, int rightMargin, int screenWidth,
                                 int menuBarHeight, int captionHeight) {
    BarPlacement p;
    p.x = leftMargin;
    p.width = screenWidth - leftMargin - rightMargin;
    if (newShell) {
        p.y = -2;
        p.baseHeight = menuBarHeight + 1;
    } else {
        p.y = -2 - menuBarHeight;
        p.baseHeight = menuBarHeight + captionHeight + 1;
    }
    return p;
}

} // namespace qelvo
