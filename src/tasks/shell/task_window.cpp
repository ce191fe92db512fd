#include "tasks/shell/task_window.h"

#include "core/globals.h"
#include "tasks/shell/task_ids.h"

#include <string>

namespace qelvo {

namespace {

TaskWindow* current = nullptr;

const int kShowBoxes[kStateCount] = {IDC_TASK_SHOW_TODO, IDC_TASK_SHOW_CODED, IDC_TASK_SHOW_TESTED,
                                     IDC_TASK_SHOW_ENDED};
// The fields and buttons that go with a usable selection.
const int kCurrentControls[] = {IDC_TASK_NAME,   IDC_TASK_TYPE,  IDC_TASK_STATE, IDC_TASK_PRIORITY,
                                IDC_TASK_PUBLIC, IDC_TASK_START, IDC_TASK_END,   IDC_TASK_TEXT,
                                IDC_TASK_REMOVE, IDC_TASK_OK};

std::string ItemText(HWND dialog, int id, int most) {
    std::string text(static_cast<size_t>(most) + 1, '\0');
    const UINT n = GetDlgItemTextA(dialog, id, &text[0], most + 1);
    text.resize(n);
    return text;
}

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void Check(HWND dialog, int id, bool on) {
    CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

std::string ShortDate(const TaskTime& t) {
    return platform::FormatShortDate(DateOf(t));
}

} // namespace

void TaskWindow::Open(HWND owner) {
    if (!Tasks) return;
    if (current) {
        SetWindowPos(current->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        return;
    }
    TaskWindow* window = new TaskWindow();
    current = window;
    HINSTANCE instance = static_cast<HINSTANCE>(Environment ? Environment->instance : nullptr);
    HWND handle = window->CreateModeless(instance, "TACHES", owner);
    if (!handle) {
        current = nullptr;
        delete window;
        return;
    }
    ShowWindow(handle, SW_SHOW);
}

void TaskWindow::Close() {
    if (current) DestroyWindow(current->Handle());
}

void TaskWindow::Hide() {
    if (current) ShowWindow(current->Handle(), SW_HIDE);
}

void TaskWindow::ShowQuiet() {
    if (current) ShowWindow(current->Handle(), SW_SHOWNOACTIVATE);
}

HWND TaskWindow::Current() {
    return current ? current->Handle() : nullptr;
}

INT_PTR TaskWindow::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInit();
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(Handle());
        return TRUE; // destroyed, not hidden
    default:
        return FALSE;
    }
}

void TaskWindow::OnDestroyed() {
    // The task file is written only here, and only after a change.
    if (Tasks && Tasks->changed) Tasks->Save();
    if (current == this) current = nullptr;
    delete this;
}

void TaskWindow::OnInit() {
    HWND dialog = Handle();
    const TaskView& view = Tasks->view;
    for (int s = 0; s < kStateCount; ++s)
        Check(dialog, kShowBoxes[s], view.show[s] != 0);
    Check(dialog, IDC_TASK_INVERSE, view.inverse != 0);
    for (int key = 0; key < kSortKeyCount; ++key)
        SendDlgItemMessageA(dialog, IDC_TASK_SORT, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(SortKeyText(key)));
    SendDlgItemMessageA(dialog, IDC_TASK_SORT, CB_SETCURSEL, static_cast<WPARAM>(view.sortKey), 0);
    for (int i = 0; i < Tasks->types.count; ++i)
        SendDlgItemMessageA(dialog, IDC_TASK_TYPE, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(Tasks->types.At(i)->c_str()));
    for (int s = 0; s < kStateCount; ++s)
        SendDlgItemMessageA(dialog, IDC_TASK_STATE, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(StateWord(s)));
    int stops[] = {147, 249, 286, 309, 327};
    SendDlgItemMessageA(dialog, IDC_TASK_LIST, LB_SETTABSTOPS, 5, reinterpret_cast<LPARAM>(stops));
    FillList(); // in the order the list has: no new sort
    Select(Tasks->visible.count ? Tasks->visible.At(0) : nullptr);
    enabled_ = -1;
    ShowTask(Selected());
    Tasks->changed = false;
}

void TaskWindow::OnCommand(int id, int code) {
    switch (id) {
    case IDC_TASK_SORT:
        if (code == CBN_SELCHANGE) {
            Tasks->view.sortKey = static_cast<int32_t>(
                SendDlgItemMessageA(Handle(), IDC_TASK_SORT, CB_GETCURSEL, 0, 0));
            OnViewChanged();
        }
        return;
    case IDC_TASK_INVERSE:
        Tasks->view.inverse = Checked(Handle(), IDC_TASK_INVERSE) ? 1 : 0;
        OnViewChanged();
        return;
    case IDC_TASK_SHOW_TODO:
    case IDC_TASK_SHOW_CODED:
    case IDC_TASK_SHOW_TESTED:
    case IDC_TASK_SHOW_ENDED:
        Tasks->view.show[id - IDC_TASK_SHOW_TODO] = Checked(Handle(), id) ? 1 : 0;
        OnViewChanged();
        return;
    case IDC_TASK_LIST:
        if (code == LBN_SELCHANGE) ShowTask(Selected());
        return;
    case IDC_TASK_CREATE:
        OnCreate();
        return;
    case IDC_TASK_REMOVE:
        OnRemove();
        return;
    case IDC_TASK_OK:
        OnOk();
        return;
    case IDCANCEL:
        DestroyWindow(Handle());
        return; // the system menu's Close
    default:
        return; // "Help" has no command of its own
    }
}

void TaskWindow::OnViewChanged() {
    Task* previous = Selected();
    Tasks->Refresh();
    FillList();
    if (Tasks->VisibleIndex(previous) < 0)
        previous = Tasks->visible.count ? Tasks->visible.At(0) : nullptr;
    Select(previous);
    ShowTask(previous);
    Tasks->changed = true;
}

void TaskWindow::OnCreate() {
    Task* task = Tasks->CreateTask(TaskToday());
    Check(Handle(), IDC_TASK_SHOW_TODO, true);
    FillList();
    Select(task);
    ShowTask(task);
}

void TaskWindow::OnRemove() {
    Task* task = Selected();
    if (!task) return;
    Task* next = Tasks->RemoveTask(task, Handle());
    if (next == task) return; // not removed
    FillList();
    Select(next);
    ShowTask(next);
}

void TaskWindow::OnOk() {
    Task* task = Selected();
    if (!task) return;
    if (!Tasks->StoreTask(*task, ReadFields(), TaskToday(), Handle())) {
        ShowTask(task); // read-only: the fields come back from the task
        return;
    }
    FillList();
    Task* shown = Tasks->VisibleIndex(task) >= 0 ? task
                  : Tasks->visible.count         ? Tasks->visible.At(0)
                                                 : nullptr;
    Select(shown);
    ShowTask(shown);
}

void TaskWindow::FillList() {
    HWND dialog = Handle();
    SendDlgItemMessageA(dialog, IDC_TASK_LIST, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < Tasks->visible.count; ++i)
        SendDlgItemMessageA(dialog, IDC_TASK_LIST, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(TaskListLine(*Tasks->visible.At(i)).c_str()));
    for (int s = 0; s < kStateCount; ++s)
        SetDlgItemTextA(dialog, kShowBoxes[s], Tasks->CounterText(s).c_str());
}

Task* TaskWindow::Selected() const {
    const LRESULT at = SendDlgItemMessageA(Handle(), IDC_TASK_LIST, LB_GETCURSEL, 0, 0);
    if (at < 0 || at >= Tasks->visible.count) return nullptr;
    return Tasks->visible.At(static_cast<int>(at));
}

void TaskWindow::Select(Task* task) {
    SendDlgItemMessageA(Handle(), IDC_TASK_LIST, LB_SETCURSEL,
                        static_cast<WPARAM>(Tasks->VisibleIndex(task)), 0);
}

void TaskWindow::ShowTask(Task* task) {
    HWND dialog = Handle();
    SetDlgItemTextA(dialog, IDC_TASK_NAME, task ? task->name.c_str() : "");
    SetDlgItemTextA(dialog, IDC_TASK_TYPE, task ? task->type.c_str() : "");
    const int state = task ? task->state : kToDo;
    SendDlgItemMessageA(dialog, IDC_TASK_STATE, CB_SETCURSEL,
                        static_cast<WPARAM>(state >= 0 && state < kStateCount ? state : -1), 0);
    SetDlgItemTextA(dialog, IDC_TASK_PRIORITY, std::to_string(task ? task->priority : 0).c_str());
    Check(dialog, IDC_TASK_PUBLIC, task && task->isPublic);
    SetDlgItemTextA(dialog, IDC_TASK_START, task ? ShortDate(task->start).c_str() : "");
    SetDlgItemTextA(dialog, IDC_TASK_END, task ? ShortDate(task->end).c_str() : "");
    SetDlgItemTextA(dialog, IDC_TASK_TEXT, task ? task->text.c_str() : "");
    ApplyEnabling(false);
}

void TaskWindow::ApplyEnabling(bool always) {
    const int enabled = Tasks->FieldsEnabled(Selected()) ? 1 : 0;
    if (enabled == enabled_ && !always) return;
    enabled_ = enabled;
    for (int id : kCurrentControls)
        EnableWindow(GetDlgItem(Handle(), id), enabled);
}

TaskFields TaskWindow::ReadFields() const {
    HWND dialog = Handle();
    TaskFields fields;
    fields.name = ItemText(dialog, IDC_TASK_NAME, 79);
    fields.type = ItemText(dialog, IDC_TASK_TYPE, 79);
    const LRESULT state = SendDlgItemMessageA(dialog, IDC_TASK_STATE, CB_GETCURSEL, 0, 0);
    fields.state = state >= 0 && state < kStateCount ? static_cast<int>(state) : kToDo;
    fields.priority = ItemText(dialog, IDC_TASK_PRIORITY, 79);
    fields.isPublic = Checked(dialog, IDC_TASK_PUBLIC) ? 1 : 0;
    fields.start = ItemText(dialog, IDC_TASK_START, 78);
    fields.end = ItemText(dialog, IDC_TASK_END, 78);
    fields.text = ItemText(dialog, IDC_TASK_TEXT, 1022);
    return fields;
}

} // namespace qelvo
