#include "navigation/title_buttons.h"

namespace qelvo {

TitleButtonGeometry TitleButtonGeometry::ForShell(bool newShell) {
    if (newShell)
        return TitleButtonGeometry{58, 4, 24, 18, 2, 1};
    return TitleButtonGeometry{41, 4, 24, 18, 0, 0};
}

int16_t FirstButtonX(const TitleButtonGeometry& g, const ScreenRect& window, bool leftSide,
                     bool newShell, int captionTextWidth) {
    int16_t x = static_cast<int16_t>(window.right - g.rightOffset - 3 * g.width);
    if (leftSide) {
        if (!newShell) {
            x = static_cast<int16_t>(window.left + 23);
        } else {
            int16_t afterText = static_cast<int16_t>(window.left + captionTextWidth + 23);
            if (afterText < x)
                x = afterText;
        }
    }
    return x;
}

int HitTestTitleButtons(const TitleButtonGeometry& g, const ScreenRect& window, bool leftSide,
                        bool newShell, int captionTextWidth, int captionHeight, int16_t& x,
                        int16_t& y) {
    if (y < static_cast<int16_t>(window.top + g.top) ||
        y >= static_cast<int16_t>(window.top + g.top + g.height))
        return kNoButton;
    int16_t x0 = FirstButtonX(g, window, leftSide, newShell, captionTextWidth);
    if (x < x0)
        return kNoButton;
    int k = static_cast<int16_t>(x - x0) / g.width;
    if (k >= 3)
        return kNoButton;
    x = static_cast<int16_t>(x0 + k * g.width + g.popupRight - 2);
    y = static_cast<int16_t>(window.top + captionHeight + g.popupDown + 1);
    return k;
}

} // namespace qelvo
