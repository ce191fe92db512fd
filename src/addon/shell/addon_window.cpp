#include "addon/shell/addon_window.h"

#include "addon/shell/command_routing.h"
#include "automation/general_automation.h"
#include "core/command_ids.h"
#include "core/editor_access.h"
#include "core/globals.h"
#include "core/services.h"
#include "core/shell/find_window.h"
#include "core/shell/hook_state.h"
#include "core/shell/open_file_check.h"
#include "topbar/bar_geometry.h"
#include "topbar/bar_menu.h"
#include "topbar/node_commands.h"
#include "topbar/node_menus.h"
#include "topbar/shell/place_bar.h"
#include "topbar/shell/topbar_shell_win32.h"
#include "topbar/top_bar.h"

#include "win32/handles.h"

#include <string>

namespace qelvo {

static_assert(kStylePopup == WS_POPUP && kStyleBorder == WS_BORDER && kStyleCaption == WS_CAPTION,
              "the bar's styles are Win32's");
static_assert(kExStyleTopmost == WS_EX_TOPMOST && kExStyleToolWindow == WS_EX_TOOLWINDOW,
              "the bar's extended styles are Win32's");

namespace {

unsigned clockTicks = 0;
bool raisePending = false;
bool topmostAtMenu = false; // the bar was in the topmost band when its menu loop began

bool PopupActive() { return Hooks && Hooks->popupActive; }

void OnRaiseBar(HWND bar);

void OnTimer(HWND window, UINT_PTR id) {
    if (id != kClockTimer)
        return;
    ++clockTicks;
    if (raisePending) {
        raisePending = false;
        OnRaiseBar(window);
    }
    if (Automation)
        Automation->Tick(); // the auto-save of the editors
}

// The bar never keeps the keyboard; losing the activation collapses it.
void OnActivate(WORD state, HWND other) {
    if (state == WA_CLICKACTIVE && other)
        SetActiveWindow(other);
    else if (state == WA_INACTIVE)
        PlaceBar(0);
}

// A window system may stack a window shown later over a topmost one until the topmost
// window's place changes (Wine does, without a window manager): leaving the band and joining it
// again puts the bar back on top.
void OnRaiseBar(HWND bar) {
    if (!(GetWindowLongPtrA(bar, GWL_EXSTYLE) & WS_EX_TOPMOST))
        return;
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(bar, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    SetWindowPos(bar, HWND_TOPMOST, 0, 0, 0, 0, flags);
}

bool IsTopmost(HWND bar) { return (GetWindowLongPtrA(bar, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// A raise still due is made at once too, before the menu's popup exists, so that the bar shows
// over the IDE's frame with its menu open (the one at the next tick stays due: the frame may be
// stacked only once its activation is through).
void OnEnterMenuLoop(HWND bar) {
    if (raisePending)
        OnRaiseBar(bar);
    topmostAtMenu = IsTopmost(bar);
}

// Restacking the bar while one of its menus is open (the raise at a clock tick) can leave it out
// of the topmost band, under the IDE's frame, once the popup goes (Wine does): it goes back,
// unless it was meant to leave the band meanwhile.
void OnExitMenuLoop(HWND bar) {
    if (!topmostAtMenu || IsTopmost(bar))
        return;
    HWND frame = FindFrame();
    bool frameActive = frame && GetActiveWindow() == frame;
    if (!(Bar && Bar->settings.alwaysOnTop) && !frameActive)
        return;
    SetWindowPos(bar, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    raisePending = true;
}

void OnInitMenu() {
    if (!PopupActive())
        PlaceBar(1);
}

void OnMenuSelect(UINT item, UINT flags, HMENU menu) {
    if (PopupActive() || (flags & (MF_POPUP | MF_DISABLED | MF_GRAYED)) ||
        (flags == 0xFFFF && !menu))
        return;
    ShowMenuStatus(item);
}

// Opens a file (second parameter) in the editor, then has the caret put on the line (first
// parameter) of that file.
void OnOpenFile(HWND window, WPARAM line, LPARAM file) {
    if (!OpenEditorFile(reinterpret_cast<const char*>(file)))
        return;
    NoteEditorOpened(window, reinterpret_cast<const char*>(file), nullptr);
    PostMessageA(window, kGoToLineMessage, line, file);
}

LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        RouteCommand(LOWORD(wParam), lParam);
        break;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_INITMENU:
        OnInitMenu();
        break;
    case WM_ENTERMENULOOP:
        OnEnterMenuLoop(window);
        break;
    case WM_EXITMENULOOP:
        OnExitMenuLoop(window);
        break;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        break;
    case WM_TIMER:
        OnTimer(window, wParam);
        return 0;
    case kGoToLineMessage:
        if (Editors)
            Editors->GotoLine(reinterpret_cast<const char*>(lParam), static_cast<int>(wParam));
        return 0;
    case kOpenFileMessage:
        OnOpenFile(window, wParam, lParam);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// No exception leaves the window procedure into the IDE's message loop: the message is then
// taken as handled.
LRESULT CALLBACK AddonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleMessage(window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

} // namespace

unsigned ClockTicks() { return clockTicks; }

void RaiseBarSoon() { raisePending = true; }

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
    win32::UniqueMenu menu(CreateMenu());
    if (!menu)
        return nullptr;
    AppendMenuA(menu.get(), MF_STRING, kCmdStartupItem, kStartupText);
    BarGeometry g = ComputeBarGeometry(newShell, GetSystemMetrics(SM_CXSCREEN),
                                       GetSystemMetrics(SM_CYMENU),
                                       GetSystemMetrics(SM_CYCAPTION));
    HWND window = CreateWindowExA(g.exStyle, kAddonClass, nullptr, g.style, g.x, g.y, g.width,
                                  g.height, nullptr, menu.get(), instance, nullptr);
    if (!window)
        return nullptr;
    menu.release(); // the window's now, destroyed with it
    clockTicks = 0;
    SetTimer(window, kClockTimer, 1000, nullptr);
    InstallTopBarShell(window);
    return window;
}

void DestroyAddonWindow(HWND window) {
    if (!window)
        return;
    KillTimer(window, kClockTimer);
    RemoveTopBarShell();
    DestroyWindow(window); // destroys its menu with it
}

} // namespace qelvo
