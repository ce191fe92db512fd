// The open project's task list: the tasks, the visible ones in the chosen order, the "Tasks"
// settings, the edits of the task list window, the end-of-task notices and the Quick Flash.
#pragma once

#include "core/project_session.h"
#include "foundation/qstring.h"
#include "foundation/tableau.h"
#include "platform/platform.h"
#include "tasks/task.h"
#include "tasks/task_file.h"

#include <string>

namespace qelvo {

// The "Tasks" settings, read at start-up and written back at tear-down.
struct TaskSettings {
    int flashToDo = 1, flashCoded = 1, flashTested = 1, flashEnded = 0;
    int mainOn = 1;        // mail the end of public tasks
    int keyIsDelivery = 1; // 0: at once; 1: kept for the next delivery's mail
    int endedReadOnly = 1;
    int autoFlash = 1;
    void Load();
    void Save() const;
};

// What the task list needs of windows (installed by the shell; none in tests and tools).
class TaskShell {
public:
    virtual void CloseTaskWindows() = 0;
    // Asks for the daily flash (command 172 posted to the add-on's window).
    virtual void PostAutoFlash() = 0;

protected:
    ~TaskShell() = default;
};
TaskShell* SetTaskShell(TaskShell* shell);

// The "Current" fields of the task list window, as typed.
struct TaskFields {
    std::string name, type;
    int state = kToDo;
    std::string priority;
    int isPublic = 0;
    std::string start, end;
    std::string text;
};

class TaskManager final : public ProjectListener {
public:
    // Reads the settings and the types; hears of projects. Without settings (the command-line
    // tool): the defaults, nothing read or written, no project heard of.
    explicit TaskManager(bool withSettings = true);
    // Writes the nine settings back (the types as the last task file gave them).
    ~TaskManager();
    TaskManager(const TaskManager&) = delete;
    TaskManager& operator=(const TaskManager&) = delete;

    // The visible list again: the tasks whose state is shown, sorted.
    void Refresh();
    int Count(int state) const;
    // "to &Do : 2", "&Coded : 0", "&Tested : 1", "&Ended: 3" over the whole list.
    std::string CounterText(int state) const;
    // The task's place in the visible list, or -1.
    int VisibleIndex(const Task* task) const;

    // Empties both lists, then reads projectFile + ".tsk" (none: no file, nothing read). A
    // damaged file says so on the status line.
    TaskFileLoad Open(const char* projectFile);
    // The same with the task file's own path (the command-line tool's).
    TaskFileLoad Load(const char* taskFilePath);
    // Writes the task file (the window does when it closes after a change).
    bool Save();

    // A new task with the defaults, dated now; "to do" shown again when it was hidden.
    Task* CreateTask(const platform::DateTime& now);
    // Asks "Remove <name> ?"; on Yes removes it and gives the task now at its visible place
    // (the last one when it was last; null when none is left). Not removed: the task itself.
    Task* RemoveTask(Task* task, void* owner);
    // An ended task while ended tasks are read-only.
    bool IsReadOnly(const Task* task) const;
    // The "Current" fields are usable: some task is visible and the selected one is not
    // read-only.
    bool FieldsEnabled(const Task* selected) const;
    // Ok: stores the fields into the task (refused, with its message, when it is read-only) and
    // tells of a public task that has just ended. False when refused.
    bool StoreTask(Task& task, const TaskFields& fields, const platform::DateTime& today,
                   void* owner);
    // The mail at once, or the notice kept for the next delivery.
    void NotifyEnded(const Task& task, void* owner);

    // The Quick Flash's text for the day; current says whether some task is current.
    std::string FlashText(const platform::DateTime& today, bool& current);
    // Due when AutoFlash is on and the marker does not hold the day's short date.
    bool FlashDue(const platform::DateTime& today) const;
    // The day's short date and a newline into the marker (+ ".fltme"); false when it cannot be.
    bool WriteFlashMarker(const platform::DateTime& today) const;
    // "Flash : " and the day in the user's long date format.
    static std::string FlashTitle(const platform::DateTime& today);

    void ProjectOpened() override;
    void ProjectClosed() override;

    Tableau<Task> tasks;    // in insertion order
    Ensemble<Task> visible; // not owning
    TaskView view;
    Tableau<String> types;
    TaskSettings settings;
    std::string projectFile; // "" while no project is open
    std::string taskFile;
    bool changed = false; // since the task list window opened

private:
    bool withSettings_;
};

// The end-of-task notice appended to the notes file (created with its heading when missing).
bool AppendTaskNotice(const char* notesFile, const Task& task);

// The clock of task dates and of the flash: the machine's local date.
platform::DateTime TaskToday();

extern TaskManager* Tasks;

} // namespace qelvo
