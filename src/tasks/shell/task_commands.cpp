#include "tasks/shell/task_commands.h"

#include "core/command_ids.h"
#include "core/globals.h"
#include "tasks/shell/flash_window.h"
#include "tasks/shell/task_window.h"
#include "tasks/task_manager.h"

namespace qelvo {

namespace {

class Win32TaskShell final : public TaskShell {
public:
    void CloseTaskWindows() override {
        TaskWindow::Close();
        FlashWindow::Close();
    }
    void PostAutoFlash() override {
        if (AddonWindow)
            PostMessageA(static_cast<HWND>(AddonWindow), WM_COMMAND, kCmdFlashIfTasks, 0);
    }
};

Win32TaskShell shell;

} // namespace

void OnTaskList(UINT, LPARAM) {
    TaskWindow::Open(static_cast<HWND>(AddonWindow));
}

void OnFlash(UINT command, LPARAM) {
    if (!Tasks) return;
    const platform::DateTime today = TaskToday();
    bool current = false;
    const std::string text = Tasks->FlashText(today, current);
    // The automatic flash of a day without tasks shows nothing and leaves the marker, so the
    // next opening that day tries again.
    if (command == kCmdFlashIfTasks && !current) return;
    Tasks->WriteFlashMarker(today);
    FlashWindow::Show(text, today, static_cast<HWND>(AddonWindow));
}

void OnFrameMinimized(bool minimized) {
    if (minimized)
        TaskWindow::Hide();
    else
        TaskWindow::ShowQuiet();
}

void InstallTaskShell() {
    SetTaskShell(&shell);
}

} // namespace qelvo
