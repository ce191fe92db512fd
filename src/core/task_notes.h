// What the task list and the delivery share: the file of notices of ended public tasks kept
// for the next delivery's mail (the project file's full path + ".tsk.txt"), and the task
// list's two switches that say whether the notices are kept for it.
#pragma once

#include <string>

namespace qelvo {

// Bound by the task list while it exists ("MainOn", "KeyIsDelivery"); null fields read as 0.
struct TaskMailSwitches {
    const int* mainOn = nullptr;
    const int* keyIsDelivery = nullptr;
};
extern TaskMailSwitches TaskMail;

std::string TaskNotesPath(const char* projectFile);
// The open project's notes file when MainOn and KeyIsDelivery are both set, else "".
std::string TaskNotesForDelivery();

} // namespace qelvo
