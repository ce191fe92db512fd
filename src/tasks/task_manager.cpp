#include "tasks/task_manager.h"

#include "core/globals.h"
#include "core/mail.h"
#include "core/task_notes.h"
#include "foundation/settings.h"
#include "foundation/settings_fields.h"

#include <cstring>
#include <memory>

namespace qelvo {

TaskManager* Tasks = nullptr;

namespace {

TaskShell* CurrentShell = nullptr;

const IntField<TaskSettings> kTaskInts[] = {
    {"FlashToDo", &TaskSettings::flashToDo},
    {"FlashCoded", &TaskSettings::flashCoded},
    {"FlashTested", &TaskSettings::flashTested},
    {"FlashEnded", &TaskSettings::flashEnded},
    {"MainOn", &TaskSettings::mainOn},
    {"KeyIsDelivery", &TaskSettings::keyIsDelivery},
    {"EndedReadOnly", &TaskSettings::endedReadOnly},
    {"AutoFlash", &TaskSettings::autoFlash},
};

const char* const kCounterFormats[kStateCount] = {
    "to &Do : ", "&Coded : ", "&Tested : ", "&Ended: "};

std::string Cut(const std::string& text, size_t most) {
    return text.size() > most ? text.substr(0, most) : text;
}

struct FileCloser {
    void operator()(FILE* f) const {
        if (f) std::fclose(f);
    }
};

} // namespace

void TaskSettings::Load() {
    LoadInts(*this, "Tasks", kTaskInts);
}
void TaskSettings::Save() const {
    SaveInts(*this, "Tasks", kTaskInts);
}

TaskShell* SetTaskShell(TaskShell* shell) {
    TaskShell* previous = CurrentShell;
    CurrentShell = shell;
    return previous;
}

platform::DateTime TaskToday() {
    return platform::NowLocal();
}

TaskManager::TaskManager(bool withSettings) : withSettings_(withSettings) {
    visible.owns = 0;
    if (!withSettings_) {
        SplitTaskTypes(DefaultText("Tasks", "Types"), types);
        return;
    }
    settings.Load();
    String typesText;
    LoadText("Tasks", "Types", typesText);
    SplitTaskTypes(typesText.c_str(), types);
    TaskMail.mainOn = &settings.mainOn;
    TaskMail.keyIsDelivery = &settings.keyIsDelivery;
    AddProjectListener(this);
}

TaskManager::~TaskManager() {
    if (!withSettings_) return;
    // Its windows go first; the task list window saves the file as it goes.
    if (CurrentShell) CurrentShell->CloseTaskWindows();
    RemoveProjectListener(this);
    if (TaskMail.mainOn == &settings.mainOn) TaskMail = TaskMailSwitches();
    settings.Save();
    WriteText("Tasks", "Types", JoinTaskTypes(types).c_str());
}

void TaskManager::Refresh() {
    visible.RemoveRange(0, 0);
    for (int i = 0; i < tasks.count; ++i) {
        Task* task = tasks.At(i);
        if (task->state >= 0 && task->state < kStateCount && view.show[task->state])
            visible.Append(task);
    }
    SortTasks(visible, view.sortKey, view.inverse != 0);
}

int TaskManager::Count(int state) const {
    int n = 0;
    for (int i = 0; i < tasks.count; ++i)
        if (tasks.At(i)->state == state) ++n;
    return n;
}

std::string TaskManager::CounterText(int state) const {
    if (state < 0 || state >= kStateCount) return std::string();
    return kCounterFormats[state] + std::to_string(Count(state));
}

int TaskManager::VisibleIndex(const Task* task) const {
    for (int i = 0; i < visible.count; ++i)
        if (visible.At(i) == task) return i;
    return -1;
}

TaskFileLoad TaskManager::Open(const char* project) {
    projectFile = project ? project : "";
    return Load(projectFile.empty() ? "" : TaskFilePath(project).c_str());
}

TaskFileLoad TaskManager::Load(const char* path) {
    visible.RemoveRange(0, 0);
    tasks.RemoveRange(0, 0);
    taskFile = path ? path : "";
    if (taskFile.empty()) return TaskFileLoad::kMissing;
    int read = 0;
    const TaskFileLoad result = LoadTaskFile(taskFile.c_str(), view, types, tasks, &read);
    Refresh();
    if (result == TaskFileLoad::kDamaged) {
        const std::string status = "Task file damaged: " + std::to_string(read) +
                                   " task(s) read before the fault (" + taskFile + ")";
        ShowStatusText(status.c_str());
    } else if (result == TaskFileLoad::kOtherVersion) {
        ShowStatusText(("Task file of another version, not read (" + taskFile + ")").c_str());
    }
    return result;
}

bool TaskManager::Save() {
    return SaveTaskFile(taskFile.c_str(), view, types, tasks);
}

Task* TaskManager::CreateTask(const platform::DateTime& now) {
    Task* task = new Task();
    task->start = TaskTimeFrom(now);
    task->end = task->start;
    tasks.Append(task);
    view.show[kToDo] = 1;
    Refresh();
    changed = true;
    return task;
}

Task* TaskManager::RemoveTask(Task* task, void* owner) {
    const int at = VisibleIndex(task);
    if (at < 0) return task;
    const std::string question = std::string("Remove ") + task->name.c_str() + " ?";
    if (platform::ShowMessage(question.c_str(), "Warning",
                              platform::kMbYesNo | platform::kMbIconQuestion,
                              owner) != platform::kIdYes)
        return task;
    const int index = tasks.Find(task);
    if (index != BasicTableau::kNotFound) tasks.Destroy(index);
    Refresh();
    changed = true;
    if (visible.count == 0) return nullptr;
    return visible.At(at < visible.count ? at : visible.count - 1);
}

bool TaskManager::IsReadOnly(const Task* task) const {
    return task && task->state == kEnded && settings.endedReadOnly;
}

bool TaskManager::FieldsEnabled(const Task* selected) const {
    return visible.count > 0 && !IsReadOnly(selected);
}

bool TaskManager::StoreTask(Task& task, const TaskFields& fields, const platform::DateTime& today,
                            void* owner) {
    if (IsReadOnly(&task)) {
        platform::ShowMessage("You cannot modify an ended task (read-only) !", "Warning",
                              platform::kMbIconExclamation, owner);
        return false;
    }
    const int32_t oldState = task.state;
    task.name = Cut(fields.name, 79).c_str();
    task.type = Cut(fields.type, 79).c_str();
    task.state = fields.state;
    task.priority = ParsePriority(fields.priority.c_str());
    task.isPublic = fields.isPublic ? 1 : 0;
    task.text = Cut(fields.text, 1022).c_str();
    const bool dayFirst = ShortDateIsDayFirst();
    task.start = ParseDateEntry(fields.start.c_str(), today, dayFirst);
    task.end = ParseDateEntry(fields.end.c_str(), today, dayFirst);
    changed = true;
    Refresh();
    if (oldState != kEnded && task.state == kEnded && settings.mainOn && task.isPublic)
        NotifyEnded(task, owner);
    return true;
}

void TaskManager::NotifyEnded(const Task& task, void* owner) {
    if (!settings.keyIsDelivery) {
        const std::string subject = std::string("End of task \"") + task.name.c_str() +
                                    "\" (project " + ProjectName() + ")";
        if (!Mail || !Mail->SendMail(owner, subject.c_str(), task.text.c_str(), nullptr))
            platform::ShowMessage("MAPI SendMail missed !", "Qelvo AddOn error",
                                  platform::kMbIconStop, owner);
        return;
    }
    if (!AppendTaskNotice(TaskNotesPath(projectFile.c_str()).c_str(), task))
        platform::ShowMessage("Impossible to store informations for future mail",
                              "Qelvo AddOn error", platform::kMbIconExclamation, owner);
}

bool AppendTaskNotice(const char* notesFile, const Task& task) {
    const bool existed = platform::FileExists(notesFile);
    std::unique_ptr<FILE, FileCloser> file(platform::OpenFile(notesFile, "a"));
    if (!file) return false;
    const std::string dashes(70, '-');
    if (!existed) std::fprintf(file.get(), "%s\n  NOTIFICATIONS FOR ENDED TASKS\n", dashes.c_str());
    std::fprintf(file.get(), "%s\n*** Task : %s ***\n%s\n", dashes.c_str(), task.name.c_str(),
                 task.text.c_str());
    return std::fflush(file.get()) == 0;
}

std::string TaskManager::FlashText(const platform::DateTime& today, bool& current) {
    const TaskView kept = view;
    view.show[kToDo] = settings.flashToDo;
    view.show[kCoded] = settings.flashCoded;
    view.show[kTested] = settings.flashTested;
    view.show[kEnded] = settings.flashEnded;
    Refresh();
    const TaskTime day = TaskTimeFrom(today);
    std::string text;
    for (int i = 0; i < visible.count; ++i) {
        const Task& task = *visible.At(i);
        if (CompareDays(task.start, day) > 0 || CompareDays(day, task.end) > 0) continue;
        text += std::string(task.name.c_str()) + " (" +
                Cut(platform::FormatShortDate(DateOf(task.start)), 69) + " to " +
                Cut(platform::FormatShortDate(DateOf(task.end)), 69) +
                ")\r\nType : " + task.type.c_str() +
                ", Priority : " + std::to_string(task.priority) +
                ", State : " + StateWord(task.state);
        text += std::string("\r\n") + task.text.c_str();
        text += "\r\n" + std::string(58, '-') + "\r\n";
    }
    current = !text.empty();
    text = current ? text + "That's all folks !" : "No task today !";
    for (int s = 0; s < kStateCount; ++s)
        view.show[s] = kept.show[s];
    Refresh();
    return text;
}

bool TaskManager::FlashDue(const platform::DateTime& today) const {
    if (!settings.autoFlash) return false;
    std::unique_ptr<FILE, FileCloser> file(
        platform::OpenFile(FlashMarkerPath(projectFile.c_str()).c_str(), "r"));
    if (!file) return true;
    char word[80] = "";
    if (std::fscanf(file.get(), "%79s", word) != 1) word[0] = 0;
    return platform::FormatShortDate(today) != word;
}

bool TaskManager::WriteFlashMarker(const platform::DateTime& today) const {
    if (projectFile.empty()) return false;
    std::unique_ptr<FILE, FileCloser> file(
        platform::OpenFile(FlashMarkerPath(projectFile.c_str()).c_str(), "w"));
    if (!file) return false;
    std::fprintf(file.get(), "%s\n", platform::FormatShortDate(today).c_str());
    return std::fflush(file.get()) == 0;
}

std::string TaskManager::FlashTitle(const platform::DateTime& today) {
    return "Flash : " + platform::FormatLongDate(today);
}

void TaskManager::ProjectOpened() {
    // A project without its file (the IDE's default one) has no task list.
    const bool loaded = Projects && ProjectOpen();
    Open(loaded ? Projects->projectPath : nullptr);
    if (loaded && FlashDue(TaskToday()) && CurrentShell) CurrentShell->PostAutoFlash();
}

void TaskManager::ProjectClosed() {
    if (CurrentShell) CurrentShell->CloseTaskWindows();
}

} // namespace qelvo
