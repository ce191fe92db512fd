#include "topbar/shell/quick_add_dialog.h"

#include "core/shell/find_window.h"
#include "platform/platform.h"
#include "topbar/node_commands.h"
#include "topbar/quick_edits.h"
#include "win32/dialog.h"
#include "win32/dialog_template.h"

#include <string>

namespace qelvo {

namespace {

std::string ItemText(HWND dialog, int id, int limit) {
    char buffer[256] = {0};
    GetDlgItemTextA(dialog, id, buffer, limit + 1 < static_cast<int>(sizeof buffer)
                                            ? limit + 1
                                            : static_cast<int>(sizeof buffer));
    return buffer;
}

class QuickAddDialog final : public win32::Dialog {
public:
    explicit QuickAddDialog(ide::IdeNode remembered) : remembered_(remembered) {}

    ide::IdeNode Run(HWND owner) {
        win32::DialogTemplate layout("Quick add node...",
                                     DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 180, 122);
        const DWORD group = BS_GROUPBOX, edit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
        layout.Add(win32::kButtonControl, -1, "Na&me", group, 6, 4, 168, 28);
        layout.Add(win32::kEditControl, kQuickAddName, "", edit, 12, 14, 156, 12);
        layout.Add(win32::kButtonControl, -1, "Container", group, 6, 36, 168, 62);
        layout.Add(win32::kButtonControl, kQuickAddNewContainer, "&new :",
                   BS_AUTOCHECKBOX | WS_TABSTOP, 12, 48, 40, 12);
        layout.Add(win32::kEditControl, kQuickAddContainer, "", edit | WS_DISABLED, 56, 48, 112,
                   12);
        layout.Add(win32::kStaticControl, kQuickAddLevelLabel, "Level :", SS_LEFT | WS_DISABLED,
                   12, 66, 40, 10);
        layout.Add(win32::kButtonControl, kQuickAddSibling, "&Sibling",
                   BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP | WS_DISABLED, 12, 78, 50, 12);
        layout.Add(win32::kButtonControl, kQuickAddParent, "&Parent",
                   BS_AUTORADIOBUTTON | WS_DISABLED, 64, 78, 50, 12);
        layout.Add(win32::kButtonControl, kQuickAddRoot, "&Root", BS_AUTORADIOBUTTON | WS_DISABLED,
                   116, 78, 50, 12);
        layout.Add(win32::kButtonControl, IDOK, "Ok", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 40,
                   104, 44, 14);
        layout.Add(win32::kButtonControl, IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 96, 104,
                   44, 14);
        INT_PTR result = RunModal(GetModuleHandleA(nullptr), layout.Get(), owner);
        return result > 0 ? static_cast<ide::IdeNode>(result) : 0;
    }

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM) override {
        switch (message) {
        case WM_INITDIALOG:
            return OnInit();
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam));
        default:
            return FALSE;
        }
    }

    INT_PTR OnInit() {
        CheckRadioButton(Handle(), kQuickAddSibling, kQuickAddRoot, kQuickAddParent);
        return TRUE;
    }

    INT_PTR OnCommand(int id, int) {
        switch (id) {
        case kQuickAddNewContainer:
            OnNewToggled();
            return TRUE;
        case IDOK:
            OnOk();
            return TRUE;
        case IDCANCEL:
            End(0);
            return TRUE;
        default:
            return FALSE;
        }
    }

    void OnNewToggled() {
        BOOL on = IsDlgButtonChecked(Handle(), kQuickAddNewContainer) == BST_CHECKED;
        for (int id = kQuickAddContainer; id <= kQuickAddRoot; ++id)
            EnableWindow(GetDlgItem(Handle(), id), on);
    }

    void OnOk() {
        QuickAddInput input;
        input.name = ItemText(Handle(), kQuickAddName, 179);
        input.newContainer = IsDlgButtonChecked(Handle(), kQuickAddNewContainer) == BST_CHECKED;
        input.container = ItemText(Handle(), kQuickAddContainer, 254);
        input.level = IsDlgButtonChecked(Handle(), kQuickAddSibling) == BST_CHECKED
                          ? QuickAddInput::kSibling
                      : IsDlgButtonChecked(Handle(), kQuickAddRoot) == BST_CHECKED
                          ? QuickAddInput::kRoot
                          : QuickAddInput::kParent;
        QuickAddOutcome outcome = QuickAdd(remembered_, input);
        if (outcome.warning) {
            platform::ShowMessage(outcome.warning, "Warning", platform::kMbOk, Handle());
            return;
        }
        End(static_cast<INT_PTR>(outcome.node));
    }

    ide::IdeNode remembered_;
};

} // namespace

ide::IdeNode RunQuickAddDialog(HWND owner, ide::IdeNode remembered) {
    QuickAddDialog dialog(remembered);
    return dialog.Run(owner);
}

void QuickAddNode(ide::IdeNode node) {
    ide::IdeNode added = RunQuickAddDialog(FindFrame(), node);
    if (added)
        OpenNode(0, added, 0);
}

} // namespace qelvo
