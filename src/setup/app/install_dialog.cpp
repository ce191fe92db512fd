#include "install_dialog.h"

#include "platform/platform.h"
#include "setup/setup_paths.h"
#include "setup/setup_texts.h"
#include "setup_ids.h"
#include "win32/gdi.h"

namespace qelvo {
namespace setup {

namespace {
const int kGrowth = 96;      // pixels the dialog grows to show the list
const int kEditBuffer = 254; // characters read from an edit, terminator included
} // namespace

InstallDialog::InstallDialog(Session& session)
    : session_(session), port_(session.instance), run_(*this, port_) {}

bool InstallDialog::Show() {
    RunModal(session_.instance, "MAIN", nullptr);
    return run_.restart;
}

INT_PTR InstallDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInit();
        return TRUE;
    case WM_PAINT:
        OnPaint();
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_SETUP_RUN:
        OnRun();
        return TRUE;
    default:
        return FALSE;
    }
}

void InstallDialog::OnInit() {
    port_.SetOwner(Handle());
    RECT box;
    ::GetWindowRect(Handle(), &box);
    int width = box.right - box.left, height = box.bottom - box.top;
    ::SetWindowPos(Handle(), nullptr, ::GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2,
                   ::GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER);
    INT tabs[2] = {20, 170};
    ::SendDlgItemMessageA(Handle(), IDC_STEP_LIST, LB_SETTABSTOPS, 2,
                          reinterpret_cast<LPARAM>(tabs));
    logo_.reset(::LoadBitmapA(session_.instance, "BMPLOGO"));
    // The IDE directory first: its change rewrites the add-on directory, which then gets the
    // one last used.
    ::SetDlgItemTextA(Handle(), IDC_IDE_DIRECTORY, session_.ideDirectory);
    ::SetDlgItemTextA(Handle(), IDC_ADDON_DIRECTORY, session_.addonDirectory);
}

void PaintLogo(HDC dc, HBITMAP logo) {
    if (!logo) return;
    win32::UniqueMemoryDc memory(::CreateCompatibleDC(dc));
    win32::SelectGuard select(memory.get(), logo);
    ::BitBlt(dc, 4, 4, 123, 46, memory.get(), 0, 0, SRCCOPY);
}

void InstallDialog::OnPaint() {
    win32::PaintScope paint(Handle());
    PaintLogo(paint.get(), logo_.get());
}

void InstallDialog::OnCommand(int id, int code) {
    switch (id) {
    case IDC_IDE_DIRECTORY:
        if (code == EN_CHANGE) OnIdeDirectoryChanged();
        break;
    case IDC_INSTALL:
        OnInstall();
        break;
    case IDCANCEL:
        OnCancel();
        break;
    default:
        break;
    }
}

void InstallDialog::OnIdeDirectoryChanged() {
    char ide[kEditBuffer] = "";
    char shown[kEditBuffer] = "";
    ::GetDlgItemTextA(Handle(), IDC_IDE_DIRECTORY, ide, kEditBuffer);
    ::GetDlgItemTextA(Handle(), IDC_ADDON_DIRECTORY, shown, kEditBuffer);
    std::string derived = DeriveAddonDirectory(ide);
    if (derived != shown) ::SetDlgItemTextA(Handle(), IDC_ADDON_DIRECTORY, derived.c_str());
}

void InstallDialog::OnInstall() {
    ::GetDlgItemTextA(Handle(), IDC_IDE_DIRECTORY, session_.ideDirectory, kEditBuffer);
    ::GetDlgItemTextA(Handle(), IDC_ADDON_DIRECTORY, session_.addonDirectory, kEditBuffer);
    directories_.ide = session_.ideDirectory;
    directories_.addon = session_.addonDirectory;

    RECT box;
    ::GetWindowRect(Handle(), &box);
    ::SetWindowPos(Handle(), nullptr, 0, 0, box.right - box.left, box.bottom - box.top + kGrowth,
                   SWP_NOMOVE | SWP_NOZORDER);
    ::ShowWindow(::GetDlgItem(Handle(), IDC_INSTALL_GROUP), SW_SHOW);
    const int locked[] = {IDC_IDE_DIRECTORY, IDC_ADDON_DIRECTORY, IDC_INSTALL, IDCANCEL};
    for (int id : locked)
        ::EnableWindow(::GetDlgItem(Handle(), id), FALSE);
    run_.Start();
    ::PostMessageA(Handle(), WM_SETUP_RUN, 0, 0);
}

void InstallDialog::OnRun() {
    if (run_.Advance(directories_)) {
        ::PostMessageA(Handle(), WM_SETUP_RUN, 0, 0);
        return;
    }
    ::SetDlgItemTextA(Handle(), IDCANCEL, run_.restart ? "Reset" : "Ok");
    ::EnableWindow(::GetDlgItem(Handle(), IDCANCEL), TRUE);
}

void InstallDialog::OnCancel() {
    if (run_.Ended()) {
        End(IDOK);
        return;
    }
    int answer = platform::ShowMessage("Confirm exit Qelvo AddOn installation ?", kTitle,
                                       platform::kMbYesNo | platform::kMbIconQuestion, Handle());
    if (answer == platform::kIdYes) End(IDCANCEL);
}

void InstallDialog::Append(const std::string& line) {
    ::SendDlgItemMessageA(Handle(), IDC_STEP_LIST, LB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(line.c_str()));
}

void InstallDialog::Delete(int index) {
    ::SendDlgItemMessageA(Handle(), IDC_STEP_LIST, LB_DELETESTRING, WPARAM(index), 0);
}

void InstallDialog::Select(int index) {
    ::SendDlgItemMessageA(Handle(), IDC_STEP_LIST, LB_SETCURSEL, WPARAM(index), 0);
}

} // namespace setup
} // namespace qelvo
