// A dialog whose messages go to an object. The object comes with WM_INITDIALOG's parameter,
// which the helpers below make `this`, is stored in the dialog there and cleared at
// WM_NCDESTROY; whatever comes before or after gets the dialog manager's default (FALSE). A
// derived class's OnMessage is a short switch forwarding to named handlers.
#pragma once

#include <windows.h>

namespace qelvo {
namespace win32 {

class Dialog {
public:
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Set from WM_INITDIALOG until WM_NCDESTROY.
    HWND Handle() const { return handle_; }

    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    Dialog() = default;
    // A modeless dialog still open is destroyed, without calling this object any more.
    virtual ~Dialog();

    // Modal over owner, from a resource (name or MAKEINTRESOURCEA) or a template in memory;
    // answers what End was given, -1 when the dialog could not be made or this object has
    // a dialog already.
    INT_PTR RunModal(HINSTANCE instance, const char* resource, HWND owner);
    INT_PTR RunModal(HINSTANCE instance, const DLGTEMPLATE* layout, HWND owner);
    // Modeless: the caller's loop must pass its messages through IsDialogMessageA for the
    // keyboard. Null when it could not be made or this object has a dialog already.
    HWND CreateModeless(HINSTANCE instance, const char* resource, HWND owner);
    HWND CreateModeless(HINSTANCE instance, const DLGTEMPLATE* layout, HWND owner);
    // Ends a modal dialog (EndDialog); a modeless one is ended with DestroyWindow.
    void End(INT_PTR result) { EndDialog(handle_, result); }

    // Every message from WM_INITDIALOG to the one before WM_NCDESTROY; FALSE leaves the
    // message to the dialog manager, as for any dialog procedure.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // The dialog is gone and Handle() is null. Called last, so an object may delete itself.
    virtual void OnDestroyed() {}

private:
    HWND handle_ = nullptr;
};

} // namespace win32
} // namespace qelvo
