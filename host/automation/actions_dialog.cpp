// Answering a dialog or a message box of the IDE's thread: its edits set, a button pressed.
#include "actions.h"

#include "ui.h"
#include "win_support.h"

#include <cstdlib>

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

} // namespace

std::unique_ptr<Action> MakeAnswerAction(const std::vector<std::string>& args) {
    return std::unique_ptr<Action>(new AnswerAction(args));
}

} // namespace automation
} // namespace qelvo
