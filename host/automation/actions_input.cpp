// Real input: clicks on the add-on's caption buttons, key combinations, typed text.
#include "actions.h"

#include "frame_window.h"
#include "ui.h"
#include "win32/gdi.h"
#include "win32/handles.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace qelvo {
namespace automation {

namespace {

// The add-on's setting that puts the caption buttons after the caption's text (1, its default)
// or at the right end (0), as the add-on finds it in the registry.
bool ButtonsAfterCaptionText() {
    const char* key = "SOFTWARE\\Borland\\Borland C++\\5.0\\Ide\\AddOns\\Qelvoadd\\QuickFind";
    char value[32] = {0};
    DWORD size = sizeof value - 1, type = 0;
    win32::UniqueKey opened;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, opened.put()) != ERROR_SUCCESS)
        return true;
    LONG status = RegQueryValueExA(opened.get(), "LeftSide", nullptr, &type,
                                   reinterpret_cast<BYTE*>(value), &size);
    if (status != ERROR_SUCCESS || type != REG_SZ) return true;
    return std::atoi(value) != 0;
}

bool NewShellHere() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&info)) return true;
#pragma GCC diagnostic pop
    // The new shell: the Windows 95 family, and Windows NT 4 or later.
    return info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ||
           (info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion > 3);
}

// The caption's text measured as the add-on measures it (the system font).
int CaptionTextWidth(HWND window) {
    char title[200] = {0};
    GetWindowTextA(window, title, sizeof title);
    win32::WindowDc dc(window);
    if (!dc) return 0;
    win32::SelectGuard font(dc.get(), GetStockObject(SYSTEM_FONT));
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc.get(), title, static_cast<int>(std::strlen(title)), &size);
    return size.cx;
}

// The caption buttons as the add-on is meant to place them: three buttons of 24 x 18 pixels, 4
// below the window's top; their right end 58 pixels (41 on the old shell) left of the window's
// right edge, or, with the buttons after the caption's text, they start 23 pixels right of the
// text (at 23 on the old shell) when that is further left. Kept here, apart from the add-on's
// code, so that a fault in the add-on's geometry shows as a missed button.
constexpr int kButtonWidth = 24, kButtonHeight = 18, kButtonTop = 4, kAfterText = 23;

int FirstButtonLeft(const RECT& r, bool newShell, bool leftSide, int textWidth) {
    int x = r.right - (newShell ? 58 : 41) - 3 * kButtonWidth;
    if (leftSide) {
        if (!newShell)
            x = r.left + kAfterText;
        else if (r.left + textWidth + kAfterText < x)
            x = r.left + textWidth + kAfterText;
    }
    return x;
}

// Where to click: the middle of caption button 0-2, or (button -1) a point of the caption left
// of the buttons. Empty when the point is right.
std::string CaptionPoint(HWND editor, int button, POINT& at) {
    RECT r;
    GetWindowRect(editor, &r);
    bool newShell = NewShellHere(), leftSide = ButtonsAfterCaptionText();
    int textWidth = leftSide && newShell ? CaptionTextWidth(editor) : 0;
    int x0 = FirstButtonLeft(r, newShell, leftSide, textWidth);
    at.y = r.top + kButtonTop + kButtonHeight / 2;
    at.x = button >= 0 ? x0 + button * kButtonWidth + kButtonWidth / 2
                       : (r.left + kAfterText + x0) / 2;
    LRESULT area = SendMessageA(editor, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
    if (area != HTCAPTION)
        return "the point " + std::to_string(at.x) + "," + std::to_string(at.y) +
               " is not on the caption (hit test " + std::to_string(area) + ")";
    if (!PointReaches(at, editor)) return "the caption is covered there by " + WhatCovers(at);
    return std::string();
}

class CaptionAction final : public Action {
public:
    CaptionAction(const std::string& title, int button) : title_(title), button_(button) {}

    Progress Tick(ScriptEngine& e) override {
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        if (clicked_) return Progress::kDone;
        HWND editor = FindEditor(e.Frame().MdiClient(), title_);
        if (!editor) return e.Fail("no editor shows " + Quoted(title_));
        POINT at;
        std::string fault = CaptionPoint(editor, button_, at);
        if (!fault.empty()) return e.Fail(fault);
        Click(at, button_ < 0);
        e.Acted();
        clicked_ = true;
        e.Note(std::string(button_ < 0 ? "right click" : "click") + " at " + std::to_string(at.x) +
               "," + std::to_string(at.y));
        return e.WaitFor("the click to be handled");
    }

private:
    std::string title_;
    int button_;
    bool clicked_ = false;
};

// Key-downs, then (once they were handled, so that the hooks saw the keys down) the key-ups.
class KeyAction final : public Action {
public:
    explicit KeyAction(const KeyCombination& keys) : keys_(keys) {}

    Progress Tick(ScriptEngine& e) override {
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        if (phase_ == 2) return Progress::kDone;
        SendKeys(keys_, phase_ == 0);
        e.Acted();
        ++phase_;
        return e.WaitFor("the keys to be handled");
    }

private:
    KeyCombination keys_;
    int phase_ = 0;
};

// The thread's key state alone: the IDE's code sees the modifiers held while menus and
// dialogs are driven with the mouse (a real Alt released alone would enter the frame's menu).
class HoldAction final : public Action {
public:
    explicit HoldAction(const KeyCombination& keys) : keys_(keys) {}

    Progress Tick(ScriptEngine& e) override {
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        BYTE state[256];
        GetKeyboardState(state);
        const std::pair<int, bool> keys[] = {{VK_MENU, keys_.alt},    {VK_LMENU, keys_.alt},
                                             {VK_CONTROL, keys_.ctrl}, {VK_LCONTROL, keys_.ctrl},
                                             {VK_SHIFT, keys_.shift},  {VK_LSHIFT, keys_.shift}};
        for (const auto& key : keys)
            state[key.first] = key.second ? 0x80 : 0;
        SetKeyboardState(state);
        return Progress::kDone;
    }

private:
    KeyCombination keys_;
};

class TypeAction final : public Action {
public:
    explicit TypeAction(const std::string& text) : text_(text) {}

    Progress Tick(ScriptEngine& e) override {
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        if (typed_) return Progress::kDone;
        if (!TypeText(text_)) return e.Fail("a character of the text has no key");
        e.Acted();
        typed_ = true;
        return e.WaitFor("the keys to be handled");
    }

private:
    std::string text_;
    bool typed_ = false;
};

} // namespace

std::unique_ptr<Action> MakeHoldAction(const std::string& modifiers) {
    KeyCombination keys;
    ParseModifiers(modifiers, keys);
    return std::unique_ptr<Action>(new HoldAction(keys));
}

std::unique_ptr<Action> MakeCaptionAction(const std::string& title, const std::string& button) {
    int number = button == "0" ? 0 : button == "1" ? 1 : button == "2" ? 2 : -1;
    return std::unique_ptr<Action>(new CaptionAction(title, number));
}

std::unique_ptr<Action> MakeKeyAction(const std::string& combination) {
    KeyCombination keys;
    ParseKeyCombination(combination, keys);
    return std::unique_ptr<Action>(new KeyAction(keys));
}

std::unique_ptr<Action> MakeTypeAction(const std::string& text) {
    return std::unique_ptr<Action>(new TypeAction(text));
}

} // namespace automation
} // namespace qelvo
