#include "groupware/shell/groupware_dialog.h"

#include "core/globals.h"
#include "core/mail.h"
#include "core/project_session.h"
#include "core/services.h"
#include "core/shell/delivery_progress.h"
#include "platform/platform.h"
#include "win32/dialog_template.h"

namespace qelvo {

namespace {

HWND FrameWindow() {
    ide::FrameService* frame = Status ? Status->Frame() : nullptr;
    return frame ? static_cast<HWND>(frame->FrameWindow()) : nullptr;
}

// The progress in the IDE's frame; copy errors in a box of their own.
class RunObserver final : public CopyObserver {
public:
    explicit RunObserver(DeliveryProgress& progress) : progress_(progress) {}
    void Progress(uint64_t done, uint64_t total, const char* label) override {
        progress_.Paint(done, total, label);
    }
    void FileMessage(const char*, int) override {}
    void CopyError(const char* text) override {
        platform::ShowMessage(text, "Qelvo Addon error", platform::kMbIconStop, nullptr);
    }

private:
    DeliveryProgress& progress_;
};

constexpr short kWidth = 420, kHeight = 230, kButtonWidth = 58, kButtonHeight = 14;

} // namespace

INT_PTR GroupwareDialog::Run(HWND owner) {
    win32::DialogTemplate layout(layout_.title, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                 kWidth, kHeight);
    layout.Add(win32::kListBoxControl, kGwListId, "",
               WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_EXTENDEDSEL | LBS_USETABSTOPS |
                   LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
               7, 7, kWidth - 14, kHeight - 36);
    short x = 7;
    for (const GwButton& b : layout_.buttons) {
        layout.Add(win32::kButtonControl, b.command, b.text, BS_PUSHBUTTON | WS_TABSTOP, x,
                   kHeight - 22, kButtonWidth, kButtonHeight);
        x = static_cast<short>(x + kButtonWidth + 6);
    }
    layout.Add(win32::kButtonControl, kGwHelpId, "Help...", BS_PUSHBUTTON | WS_TABSTOP,
               kWidth - 7 - kButtonWidth, kHeight - 22, kButtonWidth, kButtonHeight);
    return RunModal(static_cast<HINSTANCE>(Environment ? Environment->instance : nullptr),
                    layout.Get(), owner);
}

INT_PTR GroupwareDialog::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInit();
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

void GroupwareDialog::OnInit() {
    std::vector<INT> stops(layout_.tabStops.begin(), layout_.tabStops.end());
    SendMessageA(List(), LB_SETTABSTOPS, stops.size(), reinterpret_cast<LPARAM>(stops.data()));
    model_.Scan();
    Refill();
}

void GroupwareDialog::OnCommand(int id) {
    switch (id) {
    case IDCANCEL: // the system menu's Close
        End(IDCANCEL);
        return;
    case kGwRunCommand:
        OnRun();
        return;
    case kGwClearCommand:
    case kGwUpdateCommand:
    case kGwUnlockCommand:
    case kGwAdvisedCommand:
        for (int row : model_.Apply(Selection(), id))
            Rewrite(row);
        return;
    default: // "Help..." has no command
        return;
    }
}

void GroupwareDialog::Refill() {
    HWND list = List();
    EnableWindow(list, FALSE);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < model_.Count(); ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(model_.Line(i).c_str()));
    EnableWindow(list, TRUE);
}

std::vector<int> GroupwareDialog::Selection() const {
    const int n = static_cast<int>(SendMessageA(List(), LB_GETSELCOUNT, 0, 0));
    std::vector<int> rows(n > 0 ? n : 0);
    if (n > 0) SendMessageA(List(), LB_GETSELITEMS, n, reinterpret_cast<LPARAM>(rows.data()));
    return rows;
}

void GroupwareDialog::Rewrite(int row) {
    HWND list = List();
    const bool selected = SendMessageA(list, LB_GETSEL, row, 0) > 0;
    SendMessageA(list, LB_DELETESTRING, row, 0);
    SendMessageA(list, LB_INSERTSTRING, row, reinterpret_cast<LPARAM>(model_.Line(row).c_str()));
    if (selected) SendMessageA(list, LB_SETSEL, TRUE, row);
}

void GroupwareDialog::OnRun() {
    uint64_t total = 0;
    const std::vector<int> rows = model_.RunRows(total);
    HWND list = List();
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    for (int row : rows)
        SendMessageA(list, LB_SETSEL, TRUE, row);
    if (rows.empty()) {
        platform::ShowMessage("Nothing to do !", "Qelvo AddOn error", platform::kMbIconStop,
                              Handle());
        return;
    }
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    String report;
    {
        DeliveryProgress progress(FrameWindow());
        RunObserver observer(progress);
        model_.Run(observer, report);
    }
    model_.Scan();
    Refill();
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    if (layout_.mail && report.Length() > 0 && Mail && Mail->recipients.count > 0) {
        const std::string subject = std::string(layout_.mailSubject) + ProjectName();
        if (!Mail->SendMail(Handle(), subject.c_str(), report.c_str(), nullptr))
            platform::ShowMessage("MAPI SendMail missed !", "Qelvo AddOn error",
                                  platform::kMbIconStop, Handle());
    }
}

} // namespace qelvo
