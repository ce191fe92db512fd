#include "automation/shell/ide_windows_win32.h"

#include "automation/general_automation.h"
#include "core/shell/find_window.h"
#include "ide/ide_commands.h"

#include <windows.h>

namespace qelvo {

namespace {

constexpr char kDialogClass[] = "#32770";

HWND AsWindow(void* window) {
    return static_cast<HWND>(window);
}

class Win32IdeWindows final : public IdeWindowsPort {
public:
    bool FrameEnabled() override {
        HWND frame = FindFrame();
        return frame && IsWindowEnabled(frame);
    }
    void SendFrameCommand(int command) override {
        if (HWND frame = FindFrame()) SendMessageA(frame, WM_COMMAND, command, 0);
    }
    void PostFrameCommand(int command) override {
        if (HWND frame = FindFrame()) PostMessageA(frame, WM_COMMAND, command, 0);
    }
    void ClearMessages() override {
        HWND messages = FindChildWindow(FindMdiClient(), "BCW5Message", nullptr);
        HWND pane = messages ? FindChildWindow(messages, "OWL_Window", nullptr) : nullptr;
        if (!pane) return;
        if (HWND tab = FindChildWindow(pane, "OWL_NoteTab", nullptr))
            SendMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 11));
        if (HWND viewer = FindChildWindow(pane, "MsgViewer", nullptr))
            SendMessageA(viewer, WM_COMMAND, ide::kCmdClearMessages, 0);
    }
    void* FindMdiChild(const char* windowClass) override {
        HWND client = FindMdiClient();
        return client ? FindChildWindow(client, windowClass, nullptr) : nullptr;
    }
    WindowPlace WindowRect(void* window) override {
        RECT r = {};
        GetWindowRect(AsWindow(window), &r);
        WindowPlace out;
        out.left = r.left;
        out.top = r.top;
        out.right = r.right;
        out.bottom = r.bottom;
        return out;
    }
    void CloseWindow(void* window) override {
        SendMessageA(AsWindow(window), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    void PlaceMdiChild(const char* windowClass, const WindowPlace& rect) override {
        HWND client = FindMdiClient();
        HWND window = client ? FindChildWindow(client, windowClass, nullptr) : nullptr;
        if (!window) return;
        POINT corner = {rect.left, rect.top};
        ScreenToClient(client, &corner);
        SetWindowPos(window, nullptr, corner.x, corner.y, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void* FindStatusWindow() override {
        HWND client = FindMdiClient();
        HWND status = client ? FindChildWindow(client, kDialogClass, nullptr) : nullptr;
        if (!status) status = FindWindowA(kDialogClass, nullptr);
        if (!status) status = GetActiveWindow();
        if (!status || !WindowHasClass(status, kDialogClass, 100)) return nullptr;
        return status;
    }
    void Minimise(void* window) override {
        SendMessageA(AsWindow(window), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    }
    void Restore(void* window) override {
        SendMessageA(AsWindow(window), WM_SYSCOMMAND, SC_RESTORE, 0);
    }
    bool ActivateOtherFrame() override {
        HWND frame = FindFrame();
        if (!frame) return false;
        if (IsIconic(frame)) ShowWindow(frame, SW_SHOWNORMAL);
        SetForegroundWindow(frame);
        return true;
    }
    void EndProcess() override { ExitProcess(0); }
};

Win32IdeWindows windows;

} // namespace

void InstallIdeWindows() {
    SetIdeWindowsPort(&windows);
}

void RemoveIdeWindows() {
    SetIdeWindowsPort(nullptr);
}

} // namespace qelvo
