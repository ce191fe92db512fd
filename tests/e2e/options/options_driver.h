// Driving the stand-in's options dialog from a test: the dialog opened by the IDE's command as
// the bar's item opens it, pages chosen by their titles in the tree, controls set and clicked as
// a user's input reaches them, and the add-on's refusals (real message boxes) answered and kept.
#pragma once

#include "dialog_driver.h"
#include "options_dialog.h"
#include "session.h"
#include "win_support.h"

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace qelvo {
namespace automation {

constexpr int kCmdEnvironmentOptions = 13492;

// Answers the message boxes of the given titles (the add-on's refusals and questions are real
// message boxes) with the given button, and keeps their texts, "title: text" each.
class BoxAnswerer {
public:
    struct Answer {
        const char* title;
        int button;
    };
    explicit BoxAnswerer(std::vector<Answer> answers) : answers_(std::move(answers)) {
        current() = this;
        hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~BoxAnswerer() {
        UnhookWindowsHookEx(hook_);
        current() = nullptr;
    }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    std::vector<std::string> texts;

private:
    static BoxAnswerer*& current() {
        static BoxAnswerer* answerer = nullptr;
        return answerer;
    }
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        BoxAnswerer* self = current();
        if (code == HCBT_ACTIVATE && self) {
            HWND box = reinterpret_cast<HWND>(wParam);
            char title[100] = "", text[300] = "";
            GetWindowTextA(box, title, sizeof title);
            for (const Answer& a : self->answers_) {
                if (std::string(title) != a.title || !GetDlgItem(box, 0xFFFF)) continue;
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                self->texts.push_back(std::string(title) + ": " + text);
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(a.button, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(box, a.button)));
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    std::vector<Answer> answers_;
    HHOOK hook_;
};

inline HTREEITEM NextItem(HWND tree, HTREEITEM item, WPARAM how) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
}

// The tree's titles, depth first, each child indented by two blanks.
inline void TreeTitles(HWND tree, HTREEITEM item, const std::string& indent,
                       std::vector<std::string>& out) {
    for (; item; item = NextItem(tree, item, TVGN_NEXT)) {
        out.push_back(indent + host::TreeItemText(tree, item));
        TreeTitles(tree, NextItem(tree, item, TVGN_CHILD), indent + "  ", out);
    }
}

inline std::vector<std::string> TreeTitles(HWND dialog) {
    HWND tree = GetDlgItem(dialog, host::kOptionsTreeId);
    std::vector<std::string> out;
    TreeTitles(tree, NextItem(tree, nullptr, TVGN_ROOT), "", out);
    return out;
}

// Chooses the page in the tree, as a click on its title does; its dialog then.
inline HWND ShowPage(HWND dialog, const std::string& title) {
    HWND tree = GetDlgItem(dialog, host::kOptionsTreeId);
    HTREEITEM item = host::FindTreeItem(tree, NextItem(tree, nullptr, TVGN_ROOT), title);
    if (!item) return nullptr;
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    return GetDlgItem(dialog, host::kOptionsPageId);
}

inline std::string ItemText(HWND page, int id) {
    char text[400] = "";
    GetDlgItemTextA(page, id, text, sizeof text);
    return text;
}

inline std::string Description(HWND dialog) {
    return ItemText(dialog, host::kOptionsDescriptionId);
}

// Focus and click as the user's click gives them.
inline void Click(HWND page, int id) {
    HWND control = GetDlgItem(page, id);
    SetFocus(control);
    SendMessageA(control, BM_CLICK, 0, 0);
}

// Focus, then the new text, as typing over the old one.
inline void Type(HWND page, int id, const std::string& text) {
    SetFocus(GetDlgItem(page, id));
    SetDlgItemTextA(page, id, text.c_str());
}

inline bool Checked(HWND page, int id) {
    return IsDlgButtonChecked(page, id) == BST_CHECKED;
}
inline bool Enabled(HWND page, int id) {
    return IsWindowEnabled(GetDlgItem(page, id)) != 0;
}

inline std::vector<std::string> ListLines(HWND page, int id) {
    std::vector<std::string> lines;
    HWND list = GetDlgItem(page, id);
    int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[400] = "";
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        lines.push_back(text);
    }
    return lines;
}

inline int Selected(HWND page, int id) {
    return static_cast<int>(SendDlgItemMessageA(page, id, LB_GETCURSEL, 0, 0));
}

// Selects a list line as a click on it does (the selection change reaches the page).
inline void SelectLine(HWND page, int id, int line) {
    SendDlgItemMessageA(page, id, LB_SETCURSEL, line, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

// Presses the dialog's button; true when that ended the dialog (its owner, the frame, is
// enabled again).
inline bool Press(HWND dialog, int id) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    testing_support::DialogDriver::Press(dialog, id);
    return !IsWindow(dialog) || IsWindowEnabled(owner);
}

// Opens the options dialog from the IDE's command and runs the action in it; the action ends
// it (OK or Cancel). False when the dialog did not come or did not close.
inline bool InOptionsDialog(StandInSession& session, const std::function<void(HWND)>& action) {
    bool closed = false;
    HWND seen = nullptr;
    testing_support::DialogDriver driver(host::kOptionsDialogTitle, [&](HWND dialog) {
        seen = dialog;
        action(dialog);
    });
    PostMessageA(session.frame.Window(), WM_COMMAND, kCmdEnvironmentOptions, 0);
    closed = PumpUntil(
        session.frame.MdiClient(), [&] { return driver.seen == 1 && seen && !IsWindow(seen); },
        30000);
    return closed;
}

} // namespace automation
} // namespace qelvo
