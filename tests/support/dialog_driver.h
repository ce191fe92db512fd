// Drives the next dialog of a title that activates on the test's thread: a CBT hook sees its
// activation and a one-shot timer on the dialog runs the test's action once its modal loop runs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace qelvo {
namespace testing_support {

class DialogDriver {
public:
    DialogDriver(const char* title, std::function<void(HWND)> action)
        : title_(title), action_(std::move(action)) {
        current() = this;
        hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~DialogDriver() {
        UnhookWindowsHookEx(hook_);
        current() = nullptr;
    }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    int seen = 0; // dialogs of the title driven

    // Sends a button's click as the dialog manager would.
    static void Press(HWND dialog, int id) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }

private:
    static DialogDriver*& current() {
        static DialogDriver* driver = nullptr;
        return driver;
    }
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        DialogDriver* d = current();
        if (code == HCBT_ACTIVATE && d) {
            HWND window = reinterpret_cast<HWND>(wParam);
            char title[200] = {0};
            GetWindowTextA(window, title, sizeof title);
            if (d->title_ == title && !d->pending_) {
                d->pending_ = true;
                SetTimer(window, 0x51AD, 10, Act);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static void CALLBACK Act(HWND window, UINT, UINT_PTR id, DWORD) {
        KillTimer(window, id);
        DialogDriver* d = current();
        if (!d)
            return;
        ++d->seen;
        d->action_(window);
        d->pending_ = false;
    }

    std::string title_;
    std::function<void(HWND)> action_;
    HHOOK hook_ = nullptr;
    bool pending_ = false;
};

} // namespace testing_support
} // namespace qelvo
