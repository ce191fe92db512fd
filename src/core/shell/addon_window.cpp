#include "core/shell/addon_window.h"

#include "core/bar_geometry.h"

namespace qelvo {

static_assert(kStylePopup == WS_POPUP && kStyleBorder == WS_BORDER && kStyleCaption == WS_CAPTION,
              "the bar's styles are Win32's");
static_assert(kExStyleTopmost == WS_EX_TOPMOST && kExStyleToolWindow == WS_EX_TOOLWINDOW,
              "the bar's extended styles are Win32's");

namespace {

unsigned clockTicks = 0;

void OnTimer(UINT_PTR id) {
    if (id == kClockTimer)
        ++clockTicks;
}

LRESULT CALLBACK AddonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

unsigned ClockTicks() { return clockTicks; }

bool RegisterAddonClass(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = AddonWindowProc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kAddonClass;
    return RegisterClassA(&wc) != 0;
}

void UnregisterAddonClass(HINSTANCE instance) { UnregisterClassA(kAddonClass, instance); }

HWND CreateAddonWindow(HINSTANCE instance, bool newShell) {
    HMENU menu = CreateMenu();
    if (!menu)
        return nullptr;
    AppendMenuA(menu, MF_STRING, kStartupCommand, kStartupText);
    BarGeometry g = ComputeBarGeometry(newShell, GetSystemMetrics(SM_CXSCREEN),
                                       GetSystemMetrics(SM_CYMENU),
                                       GetSystemMetrics(SM_CYCAPTION));
    HWND window = CreateWindowExA(g.exStyle, kAddonClass, nullptr, g.style, g.x, g.y, g.width,
                                  g.height, nullptr, menu, instance, nullptr);
    if (!window) {
        DestroyMenu(menu); // not taken over by a window
        return nullptr;
    }
    clockTicks = 0;
    SetTimer(window, kClockTimer, 1000, nullptr);
    return window;
}

void DestroyAddonWindow(HWND window) {
    if (!window)
        return;
    KillTimer(window, kClockTimer);
    DestroyWindow(window); // destroys its menu with it
}

} // namespace qelvo
