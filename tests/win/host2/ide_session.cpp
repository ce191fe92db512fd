#include "ide_session.h"

#include <gtest/gtest.h>

namespace qelvo {
namespace host {

IdeSession::IdeSession() {
    EXPECT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), dir.path()));
    EXPECT_TRUE(frame.Create(SW_SHOWNORMAL));
    SetForegroundWindow(frame.Window());
    Pump();
}

IdeSession::~IdeSession() {
    ide.Projects().Close(false);
    Pump();
}

void Pump(int milliseconds) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (milliseconds > 0) Sleep(10);
    } while (static_cast<int>(GetTickCount() - start) < milliseconds);
}

std::vector<HWND> ChildrenOfClass(HWND parent, const char* windowClass) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == windowClass) found.push_back(child);
    return found;
}

HWND ChildOfClass(HWND parent, const char* windowClass) {
    std::vector<HWND> found = ChildrenOfClass(parent, windowClass);
    return found.empty() ? nullptr : found.front();
}

std::string TextOf(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = {0};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<std::string> ListLines(HWND list) {
    std::vector<std::string> lines;
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string line(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&line[0]));
        line.resize(line.size() - 1);
        lines.push_back(line);
    }
    return lines;
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* locked = static_cast<const char*>(GlobalLock(data))) {
            text = locked;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

std::string FileBytes(const std::string& path) {
    if (!platform::FileExists(path.c_str())) return "(missing)";
    return testing_support::ReadWholeFile(path);
}

namespace {
DialogAnswerer* current = nullptr;
}

DialogAnswerer::DialogAnswerer(const std::string& title, std::function<void(HWND)> action)
    : title_(title), action_(std::move(action)), hook_(WH_CBT, Hook) {
    current = this;
}

DialogAnswerer::~DialogAnswerer() {
    current = nullptr;
}

LRESULT CALLBACK DialogAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (ClassOf(window) == "#32770" && TextOf(window) == current->title_ &&
            current->pending_ != window) {
            current->pending_ = window;
            SetTimer(window, 1, 50, Act);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK DialogAnswerer::Act(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    if (!current) return;
    ++current->seen_;
    current->action_(window);
}

} // namespace host
} // namespace qelvo
