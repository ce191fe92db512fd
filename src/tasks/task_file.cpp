#include "tasks/task_file.h"

#include "platform/platform.h"

#include <memory>

namespace qelvo {

namespace {

struct FileCloser {
    void operator()(FILE* f) const {
        if (f) std::fclose(f);
    }
};
using File = std::unique_ptr<FILE, FileCloser>;

// The tasks, one after the other, until the count is reached or one cannot be read.
bool ReadTasks(FILE* file, Tableau<Task>& tasks) {
    int32_t n;
    if (!ReadInt32(file, n) || n < 0) return false;
    for (int32_t i = 0; i < n; ++i) {
        std::unique_ptr<Task> task(new Task());
        if (!task->fRead(file)) return false;
        tasks.Append(task.release());
    }
    return true;
}

} // namespace

TaskFileLoad LoadTaskFile(const char* path, TaskView& view, Tableau<String>& types,
                          Tableau<Task>& tasks, int* tasksRead) {
    if (tasksRead) *tasksRead = 0;
    File file(platform::OpenFile(path, "rb"));
    if (!file) return TaskFileLoad::kMissing;
    return ReadTaskFile(file.get(), view, types, tasks, tasksRead);
}

TaskFileLoad ReadTaskFile(FILE* file, TaskView& view, Tableau<String>& types, Tableau<Task>& tasks,
                          int* tasksRead) {
    if (tasksRead) *tasksRead = 0;
    int32_t version;
    if (!ReadInt32(file, version)) return TaskFileLoad::kDamaged;
    if (version != 0) return TaskFileLoad::kOtherVersion;
    tasks.RemoveRange(0, 0);
    TaskView read;
    for (int32_t& flag : read.show)
        if (!ReadInt32(file, flag)) return TaskFileLoad::kDamaged;
    if (!ReadInt32(file, read.inverse) || !ReadInt32(file, read.sortKey))
        return TaskFileLoad::kDamaged;
    view = read;
    Tableau<String> readTypes;
    if (!readTypes.fRead(file)) return TaskFileLoad::kDamaged;
    types.RemoveRange(0, 0);
    while (readTypes.count)
        types.Append(readTypes.Detach(0));
    const bool whole = ReadTasks(file, tasks);
    if (tasksRead) *tasksRead = tasks.count;
    return whole ? TaskFileLoad::kLoaded : TaskFileLoad::kDamaged;
}

int WriteTaskFile(FILE* file, const TaskView& view, Tableau<String>& types, Tableau<Task>& tasks) {
    if (!WriteInt32(file, 0)) return 0;
    for (int32_t flag : view.show)
        if (!WriteInt32(file, flag)) return 0;
    return WriteInt32(file, view.inverse) && WriteInt32(file, view.sortKey) && types.fWrite(file) &&
           tasks.fWrite(file);
}

bool SaveTaskFile(const char* path, const TaskView& view, Tableau<String>& types,
                  Tableau<Task>& tasks) {
    if (!path || !*path) return false;
    const std::string work = std::string(path) + ".new";
    // A work file left by a run that died is ours to replace.
    platform::RemoveFile(work.c_str());
    FILE* file = platform::OpenNewFile(work.c_str(), false);
    if (!file) return false;
    bool written = WriteTaskFile(file, view, types, tasks) == 1;
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (written && platform::MoveReplacing(work.c_str(), path)) return true;
    platform::RemoveFile(work.c_str());
    return false;
}

std::string TaskFilePath(const char* projectFile) {
    return std::string(projectFile ? projectFile : "") + ".tsk";
}

std::string FlashMarkerPath(const char* projectFile) {
    return std::string(projectFile ? projectFile : "") + ".fltme";
}

} // namespace qelvo
