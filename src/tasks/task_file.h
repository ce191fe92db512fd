// The task file beside the project file (its full path + ".tsk"): binary, little-endian; the
// file version (0), the four show flags, the inverse flag, the sort key, the task types and
// the tasks.
#pragma once

#include "foundation/qstring.h"
#include "foundation/tableau.h"
#include "tasks/task.h"

#include <string>

namespace qelvo {

// What the file holds besides the tasks.
struct TaskView {
    int32_t show[kStateCount] = {1, 1, 1, 1};
    int32_t inverse = 0;
    int32_t sortKey = kByStart;
};

enum class TaskFileLoad {
    kLoaded,       // everything read
    kMissing,      // no such file (or it cannot be opened): nothing replaced
    kOtherVersion, // a file version other than 0: nothing replaced
    kDamaged,      // cut short or corrupt: what was read before the fault is kept
};

// Reads the file into view, types and tasks. Missing or of another version: nothing changes.
// Damaged: the view and types are taken when they were read whole, and the tasks read before
// the fault (a short record, a record of another version) are kept; tasks is emptied first.
TaskFileLoad LoadTaskFile(const char* path, TaskView& view, Tableau<String>& types,
                          Tableau<Task>& tasks, int* tasksRead = nullptr);

// The same from an open stream, read from its current position.
TaskFileLoad ReadTaskFile(FILE* file, TaskView& view, Tableau<String>& types, Tableau<Task>& tasks,
                          int* tasksRead = nullptr);

// The whole file, written under a work name beside it and renamed over it in one step, so the
// old file stays whole until the new one is. False (nothing changed) when it cannot be.
bool SaveTaskFile(const char* path, const TaskView& view, Tableau<String>& types,
                  Tableau<Task>& tasks);

// The file's encoding into an open stream (what SaveTaskFile writes).
int WriteTaskFile(FILE* file, const TaskView& view, Tableau<String>& types, Tableau<Task>& tasks);

// The project file's companions: + ".tsk", + ".tsk.txt" (core's), + ".fltme".
std::string TaskFilePath(const char* projectFile);
std::string FlashMarkerPath(const char* projectFile);

} // namespace qelvo
