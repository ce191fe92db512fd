#include "topbar/bar_geometry.h"

namespace qelvo {

BarGeometry ComputeBarGeometry(bool newShell, int screenWidth, int menuBarHeight,
                               int captionHeight) {
    BarGeometry g;
    g.x = -1;
    g.width = screenWidth + 2;
    if (newShell) {
        g.exStyle = kExStyleTopmost | kExStyleToolWindow;
        g.style = kStylePopup | kStyleBorder;
        g.y = -2;
        g.height = menuBarHeight + 1;
    } else {
        g.exStyle = kExStyleTopmost;
        g.style = kStylePopup | kStyleCaption;
        g.y = -2 - menuBarHeight;
        g.height = menuBarHeight + captionHeight + 1;
    }
    return g;
}

} // namespace qelvo
