#include "addon_parts.h"
#include "delivery/delivery.h"
#include "memory_registry.h"
#include "stand_in_ide.h"
#include "task_bytes.h"
#include "tasks/task_manager.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace qelvo {
namespace {

using namespace testing_support;

struct RecordingTaskShell final : TaskShell {
    RecordingTaskShell() { previous = SetTaskShell(this); }
    ~RecordingTaskShell() { SetTaskShell(previous); }
    void CloseTaskWindows() override { ++closes; }
    void PostAutoFlash() override { ++flashes; }
    TaskShell* previous;
    int closes = 0, flashes = 0;
};

const char kProject[] = "QelvoStandInProject 1\nNode\n  Name \"APP\"\n  Type \".ide\"\nEnd\n";

TEST(TaskProject, OpeningLoadsTheFileAsksForTheFlashAndHandsTheNoticesToTheDelivery) {
    TempDir dir;
    const std::string project = dir.Write("APP.IDE", kProject);
    TaskBytes t;
    t.name = "Kept";
    const std::string damaged = Head(1, 1, 1, 1, 0, 2, {"Only"}) + Int32(2) + t.Bytes() +
                                t.Bytes().substr(0, 9); // the second one cut short
    dir.Write("APP.IDE.tsk", damaged);
    MemoryRegistry registry;
    host::StandInIde ide;
    RecordingTaskShell shell;
    {
        AddonParts parts(kPartStatus | kPartProjects | kPartTasks, ide.Services());
        ASSERT_NE(Tasks, nullptr);
        ASSERT_TRUE(ide.Projects().Open(project));
        EXPECT_EQ(Tasks->taskFile, project + ".tsk");
        ASSERT_EQ(Tasks->tasks.count, 1);
        EXPECT_EQ(Tasks->view.sortKey, 2);
        EXPECT_EQ(ide.Frame().StatusText(),
                  "Task file damaged: 1 task(s) read before the fault (" + project + ".tsk)");
        EXPECT_EQ(shell.flashes, 1) << "no marker yet";
        ASSERT_NE(DeliveryTaskNotes, nullptr);
        EXPECT_EQ(DeliveryTaskNotes(), project + ".tsk.txt");
        Tasks->settings.keyIsDelivery = 0;
        EXPECT_EQ(DeliveryTaskNotes(), "") << "mailed at once, nothing kept";
        ASSERT_TRUE(ide.Projects().Close(true));
        EXPECT_EQ(shell.closes, 1);
        EXPECT_EQ(dir.Read("APP.IDE.tsk"), damaged)
            << "nothing written over a damaged file while nothing changed";
    }
    EXPECT_EQ(DeliveryTaskNotes, nullptr);
    EXPECT_EQ(Tasks, nullptr);
}

} // namespace
} // namespace qelvo
