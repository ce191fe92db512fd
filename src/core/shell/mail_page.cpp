#include "core/shell/mail_page.h"

#include "core/globals.h"
#include "core/mail.h"
#include "core/project_session.h"
#include "core/project_values.h"
#include "core/shell/page_controls.h"

#include <string>
#include <vector>

namespace qelvo {

namespace {
const ControlHint kHints[] = {
    {1010, "Prompt mail dialog before sending mail"},
    {1011, "Select a recipient"},
    {1012, "Set recipient adress"},
    {1013, "Create a new entry"},
    {1014, "Delete a recipient"},
};
constexpr int kList = 1011, kEdit = 1012, kNew = 1013, kDelete = 1014, kCopy = 1015, kPaste = 1016;
constexpr int kMaxLine = 298;

std::string LineText(HWND list, int line) {
    std::vector<char> text(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, line, 0)) + 1);
    SendMessageA(list, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}
} // namespace

MailPage::MailPage()
    : AddonPageBase(108, 1, "Mail", 8, "set mail options", kHints,
                    sizeof kHints / sizeof kHints[0]) {}

void MailPage::LoadControls() {
    const bool open = ProjectOpen() != 0;
    HWND list = PageItem(*this, kList);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    if (Mail) SetPageCheck(*this, 1010, Mail->control);
    EnablePageItems(*this, kList, kCopy, open);
    EnablePageItems(*this, kPaste, kPaste, open && Mail && Mail->addresses.count > 0);
    if (open && Mail) {
        for (int i = 0; i < Mail->recipients.count; ++i)
            SendMessageA(list, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(Mail->recipients.At(i)->c_str()));
    }
    ShowLine(Mail && open && Mail->recipients.count > 0 ? 0 : -1);
}

void MailPage::SaveControls() {
    if (!Mail) return;
    Mail->control = PageChecked(*this, 1010);
    if (!ProjectOpen()) return;
    HWND list = PageItem(*this, kList);
    const int lines = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    Mail->recipients.RemoveRange(0, 0);
    for (int i = 0; i < lines; ++i)
        Mail->recipients.Append(new String(LineText(list, i).c_str()));
    WriteProjectOptions();
}

void MailPage::Notify(int32_t controlId, int32_t notification) {
    switch (controlId) {
    case kList:
        ShowHint(HintOf(kList));
        if (notification == kNotifySelChange) ShowLine(SelectedLine());
        break;
    case kEdit:
        if (notification == kNotifyEditChange) ReplaceSelectedLine();
        break;
    case kNew:
        if (notification == kNotifyClicked) NewEntry();
        break;
    case kDelete:
        ShowHint(HintOf(kDelete));
        DeleteEntry();
        break;
    case kCopy:
        CopyList();
        break;
    case kPaste:
        PasteList();
        break;
    }
}

int MailPage::SelectedLine() const {
    const LRESULT selected = SendMessageA(PageItem(*this, kList), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

void MailPage::ShowLine(int line) {
    HWND list = PageItem(*this, kList);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
    SetPageText(*this, kEdit, line < 0 ? "" : LineText(list, line).c_str());
}

void MailPage::ReplaceSelectedLine() {
    const int line = SelectedLine();
    if (line < 0) return;
    HWND list = PageItem(*this, kList);
    String text = ReadPageText(*this, kEdit, kMaxLine);
    SendMessageA(list, LB_DELETESTRING, line, 0);
    SendMessageA(list, LB_INSERTSTRING, line, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(list, LB_SETCURSEL, line, 0);
    modified = 1;
}

void MailPage::NewEntry() {
    const int at = SelectedLine() + 1; // after the selected line, at the top without one
    SendMessageA(PageItem(*this, kList), LB_INSERTSTRING, at,
                 reinterpret_cast<LPARAM>("new entry"));
    ShowLine(at);
    modified = 1;
}

void MailPage::DeleteEntry() {
    const int line = SelectedLine();
    if (line < 0) return;
    HWND list = PageItem(*this, kList);
    SendMessageA(list, LB_DELETESTRING, line, 0);
    const int left = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    ShowLine(left == 0 ? -1 : line < left ? line : left - 1);
    modified = 1;
}

void MailPage::CopyList() {
    HWND list = PageItem(*this, kList);
    const int lines = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    if (!Mail || lines <= 0) return;
    Mail->addresses.RemoveRange(0, 0);
    for (int i = 0; i < lines; ++i)
        Mail->addresses.Append(new String(LineText(list, i).c_str()));
    EnablePageItems(*this, kPaste, kPaste, true);
}

void MailPage::PasteList() {
    if (!Mail || Mail->addresses.count == 0) return;
    HWND list = PageItem(*this, kList);
    int at = SelectedLine() + 1;
    for (int i = 0; i < Mail->addresses.count; ++i, ++at)
        SendMessageA(list, LB_INSERTSTRING, at,
                     reinterpret_cast<LPARAM>(Mail->addresses.At(i)->c_str()));
    ShowLine(at - 1);
    modified = 1;
}

} // namespace qelvo
