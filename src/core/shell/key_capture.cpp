#include "core/shell/key_capture.h"

#include "core/globals.h"
#include "core/shell/hook_state.h"
#include "core/shell/key_capture_ids.h"
#include "win32/dialog.h"

#include <cstring>

namespace qelvo {

namespace {

void Append(char (&out)[kMaxKeyText + 1], const char* part) {
    size_t n = std::strlen(out);
    size_t k = std::strlen(part);
    if (k > kMaxKeyText - n) k = kMaxKeyText - n;
    std::memcpy(out + n, part, k);
    out[n + k] = 0;
}

// The combination's name and code follow each key the hook forwards while the dialog is open.
class KeyCaptureDialog : public win32::Dialog {
public:
    KeyCaptureDialog(int code, const char* text) : code_(code) {
        lstrcpynA(text_, text ? text : "", sizeof text_);
    }
    int Run(HWND owner, HINSTANCE instance) {
        INT_PTR result = RunModal(instance, "FenetreScanCode", owner);
        return result > 0 ? 1 : 0;
    }
    int code() const { return code_; }
    const char* text() const { return text_; }

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_INITDIALOG: return OnInit();
        case kCapturedKeyMessage: return OnKey(wParam, lParam);
        case WM_LBUTTONDOWN: return End(1), TRUE;
        case WM_COMMAND: return LOWORD(wParam) == IDCANCEL ? (End(0), TRUE) : FALSE;
        case WM_DESTROY: return ClearCaptureWindow(), FALSE;
        default: return FALSE;
        }
    }
    INT_PTR OnInit() {
        SetDlgItemTextA(Handle(), IDC_KEY_TEXT, text_);
        SetCaptureWindow(Handle());
        return TRUE;
    }
    // The hook sends the key code (the modifiers already added, or the bare virtual key): the
    // name is made again from the key data, and the virtual key is what stays below 1000.
    INT_PTR OnKey(WPARAM key, LPARAM data) {
        code_ = BuildKeyName(data, text_) + static_cast<int>(key % 1000);
        SetDlgItemTextA(Handle(), IDC_KEY_TEXT, text_);
        return TRUE;
    }

    int code_;
    char text_[kMaxKeyText + 1];
};

} // namespace

int BuildKeyName(LPARAM keyData, char (&out)[kMaxKeyText + 1]) {
    out[0] = 0;
    int sum = 0;
    if (GetKeyState(VK_CONTROL) < 0) {
        Append(out, "Ctrl");
        sum += 4000;
    }
    if (keyData & (1 << 29)) {
        Append(out, out[0] ? "+Alt" : "Alt");
        sum += 2000;
    }
    if (GetKeyState(VK_SHIFT) < 0) {
        Append(out, out[0] ? "+Shift" : "Shift");
        sum += 1000;
    }
    if (out[0]) Append(out, "+");
    char name[40] = "";
    GetKeyNameTextA(static_cast<LONG>(keyData), name, sizeof name);
    Append(out, name);
    return sum;
}

int ChooseKey(HWND owner, int& code, char (&text)[kMaxKeyText + 1]) {
    HINSTANCE module = Environment ? static_cast<HINSTANCE>(Environment->instance) : nullptr;
    KeyCaptureDialog dialog(code, text);
    if (!dialog.Run(owner, module ? module : GetModuleHandleA(nullptr))) return 0;
    code = dialog.code();
    lstrcpynA(text, dialog.text(), sizeof text);
    return 1;
}

} // namespace qelvo
