#include "core/task_notes.h"

#include "core/globals.h"
#include "core/project_session.h"

namespace qelvo {

TaskMailSwitches TaskMail;

std::string TaskNotesPath(const char* projectFile) {
    return std::string(projectFile ? projectFile : "") + ".tsk.txt";
}

std::string TaskNotesForDelivery() {
    const bool kept =
        TaskMail.mainOn && *TaskMail.mainOn && TaskMail.keyIsDelivery && *TaskMail.keyIsDelivery;
    if (!kept || !Projects || !ProjectOpen()) return std::string();
    return TaskNotesPath(Projects->projectPath);
}

} // namespace qelvo
