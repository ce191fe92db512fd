// The task list window (dialog TACHES), modeless and owned by the add-on's window: the list of
// visible tasks, their order and filters, the "Current" fields and the buttons.
#pragma once

#include "tasks/task_manager.h"
#include "win32/dialog.h"

namespace qelvo {

class TaskWindow final : public win32::Dialog {
public:
    // Opens the window, or brings it to the top (not moved nor sized) when it is open.
    static void Open(HWND owner);
    // Destroys it (which saves the task file when the list changed).
    static void Close();
    // The IDE frame minimised or restored: hidden, or shown again without activation.
    static void Hide();
    static void ShowQuiet();
    static HWND Current();

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override;

private:
    TaskWindow() = default;
    void OnInit();
    void OnCommand(int id, int code);
    void OnViewChanged();
    void OnCreate();
    void OnRemove();
    void OnOk();

    void FillList();
    Task* Selected() const;
    void Select(Task* task);
    void ShowTask(Task* task);
    void ApplyEnabling(bool always);
    TaskFields ReadFields() const;

    int enabled_ = -1;
};

} // namespace qelvo
