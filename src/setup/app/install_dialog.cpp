#include "install_dialog.h"

#include "platform/platform.h"
#include "setup/setup_paths.h"
#include "setup/setup_texts.h"
#include "setup_ids.h"

namespace qelvo {
namespace setup {

namespace {
const int kGrowth = 96;      // pixels the dialog grows to show the list
const int kEditBuffer = 254; // characters read from an edit, terminator included
} // namespace

InstallDialog::InstallDialog(Session& session)
    : session_(session), port_(session.instance), run_(*this, port_) {}

bool InstallDialog::Show() {
    ::DialogBoxParamA(session_.instance, "MAIN", nullptr, &InstallDialog::Proc,
                      reinterpret_cast<LPARAM>(this));
    return run_.restart;
}

INT_PTR CALLBACK InstallDialog::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<InstallDialog*>(lParam)->window_ = window;
    }
    auto* self = reinterpret_cast<InstallDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    if (!self) return FALSE;
    INT_PTR result = self->Handle(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, DWLP_USER, 0);
        self->window_ = nullptr;
    }
    return result;
}

INT_PTR InstallDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
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
    port_.SetOwner(window_);
    RECT box;
    ::GetWindowRect(window_, &box);
    int width = box.right - box.left, height = box.bottom - box.top;
    ::SetWindowPos(window_, nullptr, ::GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2,
                   ::GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER);
    INT tabs[2] = {20, 170};
    ::SendDlgItemMessageA(window_, IDC_STEP_LIST, LB_SETTABSTOPS, 2,
                          reinterpret_cast<LPARAM>(tabs));
    logo_.reset(::LoadBitmapA(session_.instance, "BMPLOGO"));
    // The IDE directory first: its change rewrites the add-on directory, which then gets the
    // one last used.
    ::SetDlgItemTextA(window_, IDC_IDE_DIRECTORY, session_.ideDirectory);
    ::SetDlgItemTextA(window_, IDC_ADDON_DIRECTORY, session_.addonDirectory);
}

void PaintLogo(HDC dc, HBITMAP logo) {
    if (!logo) return;
    UniqueMemoryDc memory(dc);
    ScopedSelect select(memory.get(), logo);
    ::BitBlt(dc, 4, 4, 123, 46, memory.get(), 0, 0, SRCCOPY);
}

void InstallDialog::OnPaint() {
    ScopedPaint paint(window_);
    PaintLogo(paint.dc(), static_cast<HBITMAP>(logo_.get()));
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
    ::GetDlgItemTextA(window_, IDC_IDE_DIRECTORY, ide, kEditBuffer);
    ::GetDlgItemTextA(window_, IDC_ADDON_DIRECTORY, shown, kEditBuffer);
    std::string derived = DeriveAddonDirectory(ide);
    if (derived != shown) ::SetDlgItemTextA(window_, IDC_ADDON_DIRECTORY, derived.c_str());
}

void InstallDialog::OnInstall() {
    ::GetDlgItemTextA(window_, IDC_IDE_DIRECTORY, session_.ideDirectory, kEditBuffer);
    ::GetDlgItemTextA(window_, IDC_ADDON_DIRECTORY, session_.addonDirectory, kEditBuffer);
    directories_.ide = session_.ideDirectory;
    directories_.addon = session_.addonDirectory;

    RECT box;
    ::GetWindowRect(window_, &box);
    ::SetWindowPos(window_, nullptr, 0, 0, box.right - box.left, box.bottom - box.top + kGrowth,
                   SWP_NOMOVE | SWP_NOZORDER);
    ::ShowWindow(::GetDlgItem(window_, IDC_INSTALL_GROUP), SW_SHOW);
    const int locked[] = {IDC_IDE_DIRECTORY, IDC_ADDON_DIRECTORY, IDC_INSTALL, IDCANCEL};
    for (int id : locked)
        ::EnableWindow(::GetDlgItem(window_, id), FALSE);
    run_.Start();
    ::PostMessageA(window_, WM_SETUP_RUN, 0, 0);
}

void InstallDialog::OnRun() {
    if (run_.Advance(directories_)) {
        ::PostMessageA(window_, WM_SETUP_RUN, 0, 0);
        return;
    }
    ::SetDlgItemTextA(window_, IDCANCEL, run_.restart ? "Reset" : "Ok");
    ::EnableWindow(::GetDlgItem(window_, IDCANCEL), TRUE);
}

void InstallDialog::OnCancel() {
    if (run_.Ended()) {
        ::EndDialog(window_, IDOK);
        return;
    }
    int answer = platform::ShowMessage("Confirm exit Qelvo AddOn installation ?", kTitle,
                                       platform::kMbYesNo | platform::kMbIconQuestion, window_);
    if (answer == platform::kIdYes) ::EndDialog(window_, IDCANCEL);
}

void InstallDialog::Append(const std::string& line) {
    ::SendDlgItemMessageA(window_, IDC_STEP_LIST, LB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(line.c_str()));
}

void InstallDialog::Delete(int index) {
    ::SendDlgItemMessageA(window_, IDC_STEP_LIST, LB_DELETESTRING, WPARAM(index), 0);
}

void InstallDialog::Select(int index) {
    ::SendDlgItemMessageA(window_, IDC_STEP_LIST, LB_SETCURSEL, WPARAM(index), 0);
}

} // namespace setup
} // namespace qelvo
