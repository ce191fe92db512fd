#include "addon/shell/hooks.h"

#include "addon/shell/addon_window.h"
#include "automation/general_automation.h"
#include "completion/keyword_completion.h"
#include "core/command_ids.h"
#include "core/globals.h"
#include "core/shell/caption_text.h"
#include "core/shell/find_window.h"
#include "core/window_rules.h"
#include "ide/ide_commands.h"
#include "navigation/editor_menu.h"
#include "navigation/quick_find.h"
#include "navigation/title_buttons.h"
#include "tasks/shell/task_commands.h"
#include "topbar/top_bar.h"

#include <cstring>

namespace qelvo {

namespace {

enum { kMouse, kCallWndProc, kGetMessage, kKeyboard };
LRESULT Next(int which, int code, WPARAM wParam, LPARAM lParam) {
    (void)which; // the hook handle is ignored by CallNextHookEx since NT
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Post(UINT command, LPARAM lParam = 0) {
    if (Hooks) PostMessageA(Hooks->addonWindow, WM_COMMAND, command, lParam);
}

bool NavigationOn() {
    return EditorMenus && EditorMenus->settings.enabled;
}

// The caption button under a screen point of the window; the point becomes the popup's.
int HitTest(HWND window, POINT& point) {
    RECT r;
    if (!GetWindowRect(window, &r)) return kNoButton;
    bool newShell = Environment ? Environment->newShell != 0 : true;
    bool leftSide = QuickFinder && QuickFinder->settings.leftSide;
    ScreenRect rect = {static_cast<int16_t>(r.left), static_cast<int16_t>(r.top),
                       static_cast<int16_t>(r.right), static_cast<int16_t>(r.bottom)};
    int16_t x = static_cast<int16_t>(point.x), y = static_cast<int16_t>(point.y);
    int width = leftSide && newShell ? CaptionTextWidth(window) : 0;
    int k = HitTestTitleButtons(TitleButtonGeometry::ForShell(newShell), rect, leftSide, newShell,
                                width, GetSystemMetrics(SM_CYCAPTION), x, y);
    point.x = x;
    point.y = y;
    return k;
}

bool IsEnabledEditor(HWND window) {
    return WindowHasClass(window, "BCW5Editor", 99) && IsWindowEnabled(window);
}

// A caption click becomes a command: the editor is remembered and raised, the click consumed.
void TakeClick(HWND editor, POINT at, UINT command) {
    RememberEditor(editor, 179);
    SetWindowPos(editor, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Hooks->clickPoint.x = static_cast<SHORT>(at.x);
    Hooks->clickPoint.y = static_cast<SHORT>(at.y);
    Post(command);
}

LRESULT MouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0 || !Hooks || Hooks->popupActive || !NavigationOn())
        return Next(kMouse, code, wParam, lParam);
    const MOUSEHOOKSTRUCT* m = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
    if (wParam == WM_NCLBUTTONDOWN) {
        POINT at = m->pt;
        int k = HitTest(m->hwnd, at);
        if (k != kNoButton && IsEnabledEditor(m->hwnd)) {
            static const UINT commands[] = {kCmdFunctionsPopup, kCmdIncludesPopup,
                                            kCmdQuickFindPopup};
            TakeClick(m->hwnd, at, commands[k]);
            return 1;
        }
    } else if (wParam == WM_NCRBUTTONDOWN && IsEnabledEditor(m->hwnd)) {
        TakeClick(m->hwnd, m->pt, kCmdDocumentationPopup);
        return 1;
    }
    return Next(kMouse, code, wParam, lParam);
}

void OnFrameSized(WPARAM sizeType) {
    if (!Bar || !Bar->settings.enabled || !Bar->settings.hideWithBCW) return;
    HWND bar = Hooks->addonWindow;
    if ((sizeType & 1) && IsWindowVisible(bar)) {
        ShowWindow(bar, SW_HIDE);
        OnFrameMinimized(true); // the task list window goes with the bar
    } else if (!(sizeType & 1) && !IsWindowVisible(bar)) {
        ShowWindow(bar, SW_SHOWNOACTIVATE);
        OnFrameMinimized(false);
    }
}

void OnFrameActivated(WPARAM state) {
    if (!Bar || Bar->settings.alwaysOnTop) return;
    HWND bar = Hooks->addonWindow;
    if (LOWORD(state) == WA_INACTIVE)
        SetWindowPos(bar, HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    else {
        SetWindowPos(bar, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        // The frame is being shown or raised now; once it is, the bar goes over it again.
        RaiseBarSoon();
    }
}

LRESULT CallWndProcHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0 || !Hooks) return Next(kCallWndProc, code, wParam, lParam);
    const CWPSTRUCT* c = reinterpret_cast<const CWPSTRUCT*>(lParam);
    switch (c->message) {
    case WM_CREATE:
    case WM_DESTROY:
        if (c->message == WM_CREATE && WindowHasClass(c->hwnd, "BCW5Editor", kClassBuffer)) {
            Post(kCmdEditorCreated, reinterpret_cast<LPARAM>(c->hwnd));
        } else if (WindowHasClass(c->hwnd, "BCW5Project", kClassBuffer) && Bar &&
                   Bar->settings.enabled && Bar->settings.hideWithView &&
                   Bar->settings.hierarchical < 2) {
            Post(kCmdProjectWindow);
        }
        break;
    case WM_NCPAINT:
    case WM_NCACTIVATE:
        if (NavigationOn() && !IsIconic(c->hwnd) &&
            WindowHasClass(c->hwnd, "BCW5Editor", kClassBuffer)) {
            RECT r;
            GetWindowRect(c->hwnd, &r);
            if (r.bottom - r.top > 2 * GetSystemMetrics(SM_CYCAPTION))
                Post(kCmdPaintCaption, reinterpret_cast<LPARAM>(c->hwnd));
            else
                MessageBeep(0);
        }
        break;
    case WM_SIZE:
        if (WindowHasClass(c->hwnd, "CPPFRAME", kClassBuffer)) OnFrameSized(c->wParam);
        break;
    case WM_ACTIVATE:
        if (WindowHasClass(c->hwnd, "CPPFRAME", kClassBuffer)) OnFrameActivated(c->wParam);
        break;
    default:
        break;
    }
    return Next(kCallWndProc, code, wParam, lParam);
}

LRESULT GetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0 && wParam == PM_REMOVE && Hooks) {
        const MSG* m = reinterpret_cast<const MSG*>(lParam);
        // "Save all" in the IDE: the auto-save count starts again.
        if (m->message == WM_COMMAND && LOWORD(m->wParam) == ide::kCmdSaveAll && Automation &&
            WindowHasClass(m->hwnd, "CPPFRAME", kClassBuffer))
            Automation->RestartAutoSaveCount();
    }
    return Next(kGetMessage, code, wParam, lParam);
}

int CurrentKeyCode(WPARAM key, LPARAM data) {
    return KeyCode(static_cast<int>(key), GetKeyState(VK_SHIFT) < 0, (data & (1 << 29)) != 0,
                   GetKeyState(VK_CONTROL) < 0);
}

bool IsModifier(WPARAM key) {
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_LSHIFT ||
           key == VK_RSHIFT || key == VK_LCONTROL || key == VK_RCONTROL || key == VK_LMENU ||
           key == VK_RMENU;
}

LRESULT KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0 || !Hooks) return Next(kKeyboard, code, wParam, lParam);
    bool pressed = (lParam & (1u << 31)) == 0;
    if (Hooks->captureWindow) {
        if (pressed && !IsModifier(wParam))
            SendMessageA(Hooks->captureWindow, kCapturedKeyMessage,
                         static_cast<WPARAM>(CurrentKeyCode(wParam, lParam)), lParam);
        return 1;
    }
    bool repeat = (lParam & (1 << 30)) != 0;
    if (!pressed || repeat) return Next(kKeyboard, code, wParam, lParam);
    int keyCode = -1;
    if (Completion && Completion->settings.enabled &&
        static_cast<int>(wParam) == Completion->settings.keyCode % 1000) {
        keyCode = CurrentKeyCode(wParam, lParam);
        if (keyCode == Completion->settings.keyCode) {
            Post(kCmdCompleteWord);
            return 1;
        }
    }
    if (NavigationOn() && QuickFinder) {
        if (keyCode < 0) keyCode = CurrentKeyCode(wParam, lParam);
        for (int i = 0; i < kFindKinds; ++i) {
            if (QuickFinder->settings.keys[i] == 0 || QuickFinder->settings.keys[i] != keyCode)
                continue;
            HWND editor = FindActiveEditor();
            if (!editor) break;
            RememberEditor(editor, 299);
            if (Hooks->lastEditorTitle[0]) {
                Post(kCmdFindFunction + i);
                return 1;
            }
            break;
        }
    }
    return Next(kKeyboard, code, wParam, lParam);
}

// No exception leaves a hook into the IDE's thread: the event then passes on untouched.
template <LRESULT (*Handle)(int, WPARAM, LPARAM)>
LRESULT CALLBACK Guarded(int code, WPARAM wParam, LPARAM lParam) {
    try {
        return Handle(code, wParam, lParam);
    } catch (...) {
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
}

} // namespace

HookSet::HookSet(HWND window, HINSTANCE module) {
    addonWindow = window;
    DWORD thread = GetCurrentThreadId();
    Hooks = this;
    hooks_[kMouse].reset(SetWindowsHookExA(WH_MOUSE, Guarded<MouseHook>, module, thread));
    hooks_[kCallWndProc].reset(
        SetWindowsHookExA(WH_CALLWNDPROC, Guarded<CallWndProcHook>, module, thread));
    hooks_[kGetMessage].reset(
        SetWindowsHookExA(WH_GETMESSAGE, Guarded<GetMessageHook>, module, thread));
    hooks_[kKeyboard].reset(SetWindowsHookExA(WH_KEYBOARD, Guarded<KeyboardHook>, module, thread));
}

HookSet::~HookSet() {
    // Removed in the order they were installed.
    for (win32::UniqueHook& hook : hooks_)
        hook.reset();
    if (Hooks == this) Hooks = nullptr;
}

} // namespace qelvo
