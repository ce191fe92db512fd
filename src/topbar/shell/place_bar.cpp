#include "topbar/shell/place_bar.h"

#include "core/globals.h"
#include "topbar/bar_placement.h"
#include "topbar/top_bar.h"

#include <windows.h>

namespace qelvo {

namespace {

BarPlacement Placement() {
    return ComputeBarPlacement(Bar->newShell, Bar->settings.leftMargin, Bar->settings.rightMargin,
                               GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYMENU),
                               GetSystemMetrics(SM_CYCAPTION));
}

void Place(HWND bar, const BarPlacement& p, int height) {
    SetWindowPos(bar, nullptr, p.x, p.y, p.width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int ClientHeight(HWND bar) {
    RECT r = {0, 0, 0, 0};
    GetClientRect(bar, &r);
    return r.bottom - r.top;
}

// Grows the bar a menu row at a time until a client area shows, then keeps exactly the
// menu bar's rows.
int MeasureFullHeight(HWND bar, const BarPlacement& p) {
    int menuRow = GetSystemMetrics(SM_CYMENU);
    int limit = GetSystemMetrics(SM_CYSCREEN) - 80;
    int height = p.baseHeight;
    Place(bar, p, height);
    while (ClientHeight(bar) < 1 && height < limit) {
        height += menuRow;
        Place(bar, p, height);
    }
    return height - (ClientHeight(bar) + 1);
}

} // namespace

void PlaceBarAtMargins() {
    if (!Bar || !AddonWindow)
        return;
    BarPlacement p = Placement();
    Place(static_cast<HWND>(AddonWindow), p, p.baseHeight);
    Bar->expanded = false;
}

void PlaceBar(int expand) {
    if (!Bar || !AddonWindow)
        return;
    HWND bar = static_cast<HWND>(AddonWindow);
    BarPlacement p = Placement();
    if (!expand) {
        if (Bar->expanded) {
            Place(bar, p, p.baseHeight);
            Bar->expanded = false;
        }
        return;
    }
    if (Bar->fullHeight == 0) {
        // Measuring leaves the bar at the height it was probed at: place it at what it measured.
        Bar->fullHeight = MeasureFullHeight(bar, p);
        Place(bar, p, Bar->fullHeight);
    } else if (Bar->fullHeight != p.baseHeight) {
        Place(bar, p, Bar->fullHeight);
    }
    Bar->expanded = true;
}

} // namespace qelvo
