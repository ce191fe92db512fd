#include "tasks/shell/task_page.h"

#include "core/shell/page_controls.h"
#include "tasks/task.h"
#include "tasks/task_manager.h"

namespace qelvo {

namespace {
// Only "&Enabled :" reports its focus; the other buttons report clicks, so their hints never show.
const ControlHint kHints[] = {
    {1018, "Set ended task to read-only mode"},
    {1019, "Set task types"},
    {1013, "Open Quick Flash when project opens (only once a day)"},
    {1014, "Show ToDo tasks in flash"},
    {1015, "Show Coded tasks in flash"},
    {1016, "Show Tested tasks in flash"},
    {1017, "Show Ended tasks in flash"},
    {1010, "Mail ended public tasks to other users"},
    {1011, "Send mail when task ends"},
    {1012, "Send mail with the next delivery"},
};
constexpr int kMaxTypes = 511;
} // namespace

TaskPage::TaskPage()
    : AddonPageBase(109, 1, "Task management", 8, "set task management options", kHints,
                    sizeof kHints / sizeof kHints[0]) {}

void TaskPage::LoadControls() {
    if (!Tasks) return;
    const TaskSettings& s = Tasks->settings;
    SetPageCheck(*this, 1018, s.endedReadOnly);
    SetPageText(*this, 1019, JoinTaskTypes(Tasks->types).c_str());
    SetPageCheck(*this, 1013, s.autoFlash);
    SetPageCheck(*this, 1014, s.flashToDo);
    SetPageCheck(*this, 1015, s.flashCoded);
    SetPageCheck(*this, 1016, s.flashTested);
    SetPageCheck(*this, 1017, s.flashEnded);
    SetPageCheck(*this, 1010, s.mainOn);
    SetPageCheck(*this, 1011, !s.keyIsDelivery);
    SetPageCheck(*this, 1012, s.keyIsDelivery);
}

void TaskPage::SaveControls() {
    if (!Tasks) return;
    // "A;B;" gives A and B; "A;;B" keeps the empty type between them.
    SplitTaskTypes(ReadPageText(*this, 1019, kMaxTypes).c_str(), Tasks->types);
    TaskSettings& s = Tasks->settings;
    s.endedReadOnly = PageChecked(*this, 1018);
    s.autoFlash = PageChecked(*this, 1013);
    s.flashToDo = PageChecked(*this, 1014);
    s.flashCoded = PageChecked(*this, 1015);
    s.flashTested = PageChecked(*this, 1016);
    s.flashEnded = PageChecked(*this, 1017);
    s.mainOn = PageChecked(*this, 1010);
    s.keyIsDelivery = PageChecked(*this, 1012) ? 1 : 0;
}

} // namespace qelvo
