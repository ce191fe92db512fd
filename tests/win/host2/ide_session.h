// What the tests of the stand-in IDE's windows share: a stand-in IDE with its frame on a fresh
// copy of the sample project, message pumping, finding windows as add-ons do, dialogs answered
// from a CBT hook.
#pragma once

#include <windows.h>

#include "frame_window.h"
#include "host_test_support.h"
#include "stand_in_ide.h"
#include "temp_dir.h"

#include <functional>
#include <string>
#include <vector>

namespace qelvo {
namespace host {

// The IDE and its frame, shown; a copy of the sample project in a fresh directory.
struct IdeSession {
    IdeSession();
    ~IdeSession();

    std::string File(const std::string& name) const { return dir.File(name); }
    ide::HostString* Str(const std::string& text) {
        return ide::MakeHostString(ide.Services(), text.c_str());
    }

    testing_support::TempDir dir;
    StandInIde ide;
    FrameWindow frame{ide};
};

// Handles what is queued for the thread, for at least the given time.
void Pump(int milliseconds = 0);

// Direct children of the window with that class, in z-order.
std::vector<HWND> ChildrenOfClass(HWND parent, const char* windowClass);
// The first direct child of that class, or null.
HWND ChildOfClass(HWND parent, const char* windowClass);
std::string TextOf(HWND window);
std::string ClassOf(HWND window);
// The lines of a list box.
std::vector<std::string> ListLines(HWND list);
// Text of the clipboard, empty when there is none.
std::string ClipboardText();
// The bytes of a file ("(missing)" when it cannot be read).
std::string FileBytes(const std::string& path);

// A thread hook of the test thread, removed with the object.
class ScopedHook {
public:
    ScopedHook(int kind, HOOKPROC proc)
        : hook_(SetWindowsHookExA(kind, proc, nullptr, GetCurrentThreadId())) {}
    ~ScopedHook() {
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    ScopedHook(const ScopedHook&) = delete;
    ScopedHook& operator=(const ScopedHook&) = delete;
    explicit operator bool() const { return hook_ != nullptr; }

private:
    HHOOK hook_;
};

// While it lives, each dialog (class "#32770") activated on this thread with the title is
// handed to the action, from a timer inside the dialog's own modal loop.
class DialogAnswerer {
public:
    DialogAnswerer(const std::string& title, std::function<void(HWND)> action);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;
    int Seen() const { return seen_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK Act(HWND window, UINT, UINT_PTR id, DWORD);

    std::string title_;
    std::function<void(HWND)> action_;
    ScopedHook hook_;
    HWND pending_ = nullptr;
    int seen_ = 0;
};

} // namespace host
} // namespace qelvo
