// Answering a dialog or a message box of the IDE's thread: its edits set, a button pressed.
#include "actions.h"

#include "frame_window.h"
#include "options_dialog.h"
#include "screenshot.h"
#include "ui.h"
#include "win_support.h"

#include <atomic>
#include <commctrl.h>
#include <cstdlib>
#include <thread>

namespace qelvo {
namespace automation {

namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

struct ButtonSearch {
    std::string name; // upper case, no '&'
    HWND found;
};

BOOL CALLBACK OnChild(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ButtonSearch*>(param);
    if (Upper(host::WindowClassName(child)) == "BUTTON" &&
        Upper(MenuItemName(host::WindowText(child))) == search->name) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

// The dialog's button by its text ("OK", "&Yes" as "Yes") or by its number ("2").
HWND FindButton(HWND dialog, const std::string& button) {
    if (button.find_first_not_of("0123456789") == std::string::npos)
        return GetDlgItem(dialog, std::atoi(button.c_str()));
    ButtonSearch search = {Upper(MenuItemName(button)), nullptr};
    EnumChildWindows(dialog, OnChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Sets a control as a user would: an edit's text; a drop-down list's or a list box's item (the
// first whose text starts with the value), told to the dialog as the user's choice; a check
// box "1" or "0", clicked when it differs.
bool SetControl(HWND dialog, HWND control, const std::string& value) {
    const std::string kind = Upper(host::WindowClassName(control));
    const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    const WPARAM id = static_cast<WPARAM>(GetDlgCtrlID(control));
    const LPARAM text = reinterpret_cast<LPARAM>(value.c_str());
    if (kind == "COMBOBOX" && (style & 0x3) == CBS_DROPDOWNLIST) {
        const LRESULT at = SendMessageA(control, CB_FINDSTRING, static_cast<WPARAM>(-1), text);
        if (at == CB_ERR) return false;
        SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(control));
    } else if (kind == "LISTBOX") {
        const LRESULT at = SendMessageA(control, LB_FINDSTRING, static_cast<WPARAM>(-1), text);
        if (at == LB_ERR) return false;
        SendMessageA(control, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(control));
    } else if (kind == "BUTTON" && ((style & 0xF) == BS_AUTOCHECKBOX ||
                                    (style & 0xF) == BS_CHECKBOX)) {
        const bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (checked != (value == "1")) SendMessageA(control, BM_CLICK, 0, 0);
    } else {
        SetWindowTextA(control, value.c_str());
    }
    return true;
}

class AnswerAction final : public Action {
public:
    explicit AnswerAction(const std::vector<std::string>& args)
        : title_(args[0]), button_(args[1]), edits_(args.begin() + 2, args.end()) {}

    Progress Tick(ScriptEngine& e) override {
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        if (dialog_) {
            e.Note(IsWindow(dialog_) && IsWindowVisible(dialog_) ? "the dialog stays open"
                                                                 : "the dialog closed");
            return Progress::kDone;
        }
        HWND dialog = nullptr;
        for (HWND candidate : ThreadWindows("#32770"))
            if (!dialog && (title_ == "*" || host::WindowText(candidate) == title_))
                dialog = candidate;
        if (!dialog) return e.WaitFor("a dialog titled " + Quoted(title_));
        HWND text = GetDlgItem(dialog, 0xFFFF);
        if (text) e.Note("text: " + Quoted(host::WindowText(text)));
        for (const std::string& edit : edits_) {
            size_t equals = edit.find('=');
            int id = std::atoi(edit.substr(0, equals).c_str());
            HWND control = GetDlgItem(dialog, id);
            if (!control) return e.Fail("the dialog has no control " + std::to_string(id));
            if (!SetControl(dialog, control, edit.substr(equals + 1)))
                return e.Fail("the control " + std::to_string(id) + " has no item " +
                              Quoted(edit.substr(equals + 1)));
        }
        HWND button = FindButton(dialog, button_);
        if (!button) return e.Fail("the dialog has no button " + Quoted(button_));
        if (!IsWindowEnabled(button))
            return e.Fail("the button " + Quoted(button_) + " is disabled");
        RECT r;
        GetWindowRect(button, &r);
        POINT at = Center(r);
        if (IsWindowVisible(button) && PointReaches(at, button)) {
            Click(at);
        } else {
            // A button out of sight is pressed as the dialog manager presses it.
            PostMessageA(dialog, WM_COMMAND,
                         MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(button)), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
            e.Note("pressed by message (the button is out of sight)");
        }
        e.Acted();
        dialog_ = dialog;
        return e.WaitFor("the dialog's answer to be handled");
    }

private:
    std::string title_, button_;
    std::vector<std::string> edits_;
    HWND dialog_ = nullptr;
};

// Answers a dialog with a button whose command copies files, painting the progress bar on
// the frame: from the top left of its client area, 90 pixels short of its width. The copy
// keeps the IDE's thread busy, so a thread of its own watches the screen and takes the shot
// once the bar is partly done: blue at its left end, light grey at its right end (both seen in
// the bar's bottom row).
class ProgressAction final : public Action {
public:
    explicit ProgressAction(const std::vector<std::string>& args)
        : shot_(args[0]), answer_(new AnswerAction({args[1], args[2]})) {}
    ~ProgressAction() override { StopWatching(); }

    Progress Tick(ScriptEngine& e) override {
        if (!watcher_.joinable()) {
            if (!e.Idle()) return e.WaitFor("the IDE to be idle");
            HWND frame = e.Frame().Window();
            RECT client = {};
            GetClientRect(frame, &client);
            POINT origin = {0, 0};
            ClientToScreen(frame, &origin);
            // Its bottom row: the dialog answered lies over the top left of the frame.
            const int y = origin.y + client.bottom - 2;
            const POINT left = {origin.x + 1, y};
            const POINT right = {origin.x + client.right - 90 - 2, y};
            watcher_ = std::thread(&ProgressAction::Watch, this, e.OutFile(shot_), left, right);
        }
        const Progress answered = answer_->Tick(e);
        if (answered != Progress::kDone) return answered;
        // The dialog's answer was handled: the copy is over.
        StopWatching();
        if (!taken_) return e.Fail("the progress bar was never seen partly done");
        e.Note("screenshot " + shot_ + " of the progress bar");
        return Progress::kDone;
    }

private:
    void Watch(std::string path, POINT left, POINT right) {
        while (!stop_) {
            host::Screenshot shot;
            if (host::CaptureScreen(shot) && shot.Pixel(left.x, left.y) == 0x0000FF &&
                shot.Pixel(right.x, right.y) == 0xC0C0C0) {
                taken_ = host::WritePng(shot, path);
                return;
            }
            Sleep(5);
        }
    }

    void StopWatching() {
        stop_ = true;
        if (watcher_.joinable()) watcher_.join();
    }

    std::string shot_;
    std::unique_ptr<Action> answer_;
    std::thread watcher_;
    std::atomic<bool> stop_{false}, taken_{false};
};

class PageAction final : public Action {
public:
    explicit PageAction(const std::vector<std::string>& args)
        : title_(args[0]), controls_(args.begin() + 1, args.end()) {}

    Progress Tick(ScriptEngine& e) override {
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        HWND dialog = nullptr;
        for (HWND candidate : ThreadWindows("#32770"))
            if (!dialog && host::WindowText(candidate) == host::kOptionsDialogTitle)
                dialog = candidate;
        if (!dialog) return e.WaitFor("the options dialog");
        HWND tree = GetDlgItem(dialog, host::kOptionsTreeId);
        HTREEITEM item = host::FindTreeItem(tree, TreeView_GetRoot(tree), title_);
        if (!item) return e.Fail("the options dialog has no page " + Quoted(title_));
        TreeView_SelectItem(tree, item);
        HWND page = GetDlgItem(dialog, host::kOptionsPageId);
        if (!page) return e.Fail("the page " + Quoted(title_) + " has no dialog");
        for (const std::string& control : controls_) {
            size_t equals = control.find('=');
            HWND item = GetDlgItem(page, std::atoi(control.substr(0, equals).c_str()));
            if (!item) return e.Fail("the page has no control " + control.substr(0, equals));
            SetFocus(item);
            if (control.substr(equals + 1) == "click")
                SendMessageA(item, BM_CLICK, 0, 0);
            else
                SetWindowTextA(item, control.substr(equals + 1).c_str());
        }
        e.Acted();
        return Progress::kDone;
    }

private:
    std::string title_;
    std::vector<std::string> controls_;
};

} // namespace

std::unique_ptr<Action> MakeAnswerAction(const std::vector<std::string>& args) {
    return std::unique_ptr<Action>(new AnswerAction(args));
}
std::unique_ptr<Action> MakeProgressAction(const std::vector<std::string>& args) {
    return std::unique_ptr<Action>(new ProgressAction(args));
}

std::unique_ptr<Action> MakePageAction(const std::vector<std::string>& args) {
    return std::unique_ptr<Action>(new PageAction(args));
}

} // namespace automation
} // namespace qelvo
