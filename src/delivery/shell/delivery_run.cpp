#include "delivery/shell/delivery_run.h"

#include "core/globals.h"
#include "core/mail.h"
#include "core/project_session.h"
#include "core/services.h"
#include "core/shell/delivery_progress.h"
#include "delivery/delivery.h"
#include "platform/platform.h"
#include "win32/dialog.h"
#include "win32/dialog_template.h"

#include <string>
#include <vector>

namespace qelvo {

namespace {

// The list of the last run (emptied at every run).
Tableau<Livrage> Files;

std::string FrameCaption() {
    char caption[256] = "";
    if (HWND frame = FindWindowA("CPPFRAME", nullptr))
        GetWindowTextA(frame, caption, sizeof caption);
    return caption;
}

// A new folder for count files; its text, with "Delivery : " before it, is the mail's subject.
void OpenDeliveryFolder(int count) {
    const platform::DateTime now = platform::NowLocal();
    const std::string text = DeliveryFolderText(FrameCaption().c_str(), count,
                                                platform::FormatTime(now),
                                                platform::FormatShortDate(now));
    Delivery->messages.OpenFolder(text);
    Delivery->mailSubject = "Delivery : " + text;
}

HWND FrameWindow() {
    ide::FrameService* frame = Status ? Status->Frame() : nullptr;
    return frame ? static_cast<HWND>(frame->FrameWindow()) : nullptr;
}

class RunObserver final : public DeliveryObserver {
public:
    explicit RunObserver(DeliveryProgress& progress) : progress_(progress) {}
    void Progress(uint64_t done, uint64_t total, const char* label) override {
        progress_.Paint(done, total, label);
    }
    void FileMessage(const char* text, int kind) override { Delivery->messages.Add(text, kind); }
    void CopyError(const char* text) override {
        platform::ShowMessage(text, "Qelvo Addon error", platform::kMbIconStop, nullptr);
    }
    void OpenFolder(int count) override { OpenDeliveryFolder(count); }

private:
    DeliveryProgress& progress_;
};

class ConfirmationDialog final : public win32::Dialog {
public:
    INT_PTR Run(HWND owner) {
        win32::DialogTemplate layout("Qelvo Delivery", DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                     260, 150);
        layout.Add(win32::kStaticControl, -1, "&Files to deliver", SS_LEFT, 7, 7, 200, 9);
        layout.Add(win32::kListBoxControl, kDeliveryListId, "",
                   WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, 7, 18,
                   246, 100);
        layout.Add(win32::kButtonControl, kDeliveryMailId, "&Send mail",
                   BS_AUTOCHECKBOX | WS_TABSTOP, 7, 128, 80, 12);
        layout.Add(win32::kButtonControl, kDeliveryProceedId, "Proceed",
                   BS_DEFPUSHBUTTON | WS_TABSTOP, 146, 126, 50, 15);
        layout.Add(win32::kButtonControl, IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 203,
                   126, 50, 15);
        return RunModal(static_cast<HINSTANCE>(Environment ? Environment->instance : nullptr),
                        layout.Get(), owner);
    }

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM) override {
        switch (message) {
        case WM_INITDIALOG:
            Fill();
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == kDeliveryProceedId) {
                Proceed();
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                End(IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
        }
    }

private:
    void Fill() {
        HWND list = GetDlgItem(Handle(), kDeliveryListId);
        for (int i = 0; i < Files.count; ++i)
            SendMessageA(list, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(ConfirmationLine(*Files.At(i)).c_str()));
        const bool members = Mail && Mail->recipients.count > 0;
        CheckDlgButton(Handle(), kDeliveryMailId, members ? BST_CHECKED : BST_UNCHECKED);
    }

    void Proceed() {
        HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
        String body;
        Delivery->mailSubject.clear();
        int succeeded;
        {
            DeliveryProgress progress(FrameWindow());
            RunObserver observer(progress);
            succeeded = RunDeliveryCopies(Files, observer, body);
        }
        ShowStatusText("Delivery terminated");
        SetCursor(previous ? previous : LoadCursor(nullptr, IDC_ARROW));
        if (succeeded && !Delivery->mailSubject.empty() && body.Length() > 0 &&
            IsDlgButtonChecked(Handle(), kDeliveryMailId) == BST_CHECKED && Mail) {
            // The task list's notes for the next delivery travel with it when it keeps them.
            const std::string notes = DeliveryTaskNotes ? DeliveryTaskNotes() : std::string();
            if (!Mail->SendMail(Handle(), Delivery->mailSubject.c_str(), body.c_str(),
                                notes.empty() ? nullptr : notes.c_str()))
                platform::ShowMessage("MAPI SendMail missed !", "Qelvo AddOn error",
                                      platform::kMbIconStop, Handle());
        }
        End(kDeliveryProceedId);
    }
};

} // namespace

void DeliveryRun() {
    if (!Delivery)
        return;
    Files.RemoveRange(0, 0);
    std::vector<DeliveryNode> pool;
    const bool found = ReadDeliveryNodes(ProjectServiceOrNull(), pool);
    SyncDeliveryTypes(Delivery->pairs, found ? &pool : nullptr);
    if (!CollectDeliveries(Delivery->pairs, found ? &pool : nullptr, Files))
        return;
    if (Files.count == 0) {
        OpenDeliveryFolder(0);
        Delivery->messages.Add("No files to deliver !", ide::kMessageWarning);
        platform::ShowMessage("No files to deliver !", "Warning", platform::kMbIconInformation,
                              nullptr);
        return;
    }
    ConfirmationDialog dialog;
    dialog.Run(GetActiveWindow());
}

void InstallDeliveryRunner() { DelivTool::runner = DeliveryRun; }

} // namespace qelvo
