#include "win32/dialog.h"

namespace qelvo {
namespace win32 {

Dialog::~Dialog() {
    if (!handle_) return;
    HWND dialog = handle_;
    SetWindowLongPtrA(dialog, DWLP_USER, 0);
    handle_ = nullptr;
    DestroyWindow(dialog);
}

INT_PTR CALLBACK Dialog::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!self && message == WM_INITDIALOG && lParam) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->handle_ = dialog;
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    }
    if (!self) return FALSE;
    if (message != WM_NCDESTROY) return self->OnMessage(message, wParam, lParam);
    SetWindowLongPtrA(dialog, DWLP_USER, 0);
    self->handle_ = nullptr;
    self->OnDestroyed();
    return FALSE;
}

INT_PTR Dialog::RunModal(HINSTANCE instance, const char* resource, HWND owner) {
    if (handle_) return -1;
    return DialogBoxParamA(instance, resource, owner, Procedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::RunModal(HINSTANCE instance, const DLGTEMPLATE* layout, HWND owner) {
    if (handle_) return -1;
    return DialogBoxIndirectParamA(instance, layout, owner, Procedure,
                                   reinterpret_cast<LPARAM>(this));
}

HWND Dialog::CreateModeless(HINSTANCE instance, const char* resource, HWND owner) {
    if (handle_) return nullptr;
    return CreateDialogParamA(instance, resource, owner, Procedure, reinterpret_cast<LPARAM>(this));
}

HWND Dialog::CreateModeless(HINSTANCE instance, const DLGTEMPLATE* layout, HWND owner) {
    if (handle_) return nullptr;
    return CreateDialogIndirectParamA(instance, layout, owner, Procedure,
                                      reinterpret_cast<LPARAM>(this));
}

} // namespace win32
} // namespace qelvo
