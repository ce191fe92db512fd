#include "tasks/shell/flash_window.h"

#include "core/globals.h"
#include "tasks/shell/task_ids.h"
#include "tasks/task_manager.h"

namespace qelvo {

namespace {
FlashWindow* current = nullptr;
} // namespace

void FlashWindow::Show(const std::string& text, const platform::DateTime& today, HWND owner) {
    if (current) {
        SetDlgItemTextA(current->Handle(), IDC_FLASH_TEXT, text.c_str());
        return;
    }
    FlashWindow* window = new FlashWindow(text, today);
    current = window;
    HINSTANCE instance = static_cast<HINSTANCE>(Environment ? Environment->instance : nullptr);
    HWND handle = window->CreateModeless(instance, "FLASH", owner);
    if (!handle) {
        current = nullptr;
        delete window;
        return;
    }
    ShowWindow(handle, SW_SHOW);
}

void FlashWindow::Close() {
    if (current) DestroyWindow(current->Handle());
}

HWND FlashWindow::Current() {
    return current ? current->Handle() : nullptr;
}

INT_PTR FlashWindow::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInit();
        return FALSE; // the focus is placed there
    case WM_SIZE:
        FitText();
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(Handle());
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) DestroyWindow(Handle()); // the system menu's Close
        return TRUE;
    default:
        return FALSE;
    }
}

void FlashWindow::OnDestroyed() {
    if (current == this) current = nullptr;
    delete this;
}

void FlashWindow::OnInit() {
    SetWindowTextA(Handle(), TaskManager::FlashTitle(today_).c_str());
    HWND edit = GetDlgItem(Handle(), IDC_FLASH_TEXT);
    SetWindowTextA(edit, text_.c_str());
    FitText();
    // Read, not selected.
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, 0);
}

void FlashWindow::FitText() {
    RECT client;
    GetClientRect(Handle(), &client);
    MoveWindow(GetDlgItem(Handle(), IDC_FLASH_TEXT), 0, 0, client.right, client.bottom, TRUE);
}

} // namespace qelvo
