// qelvo tasks show, run as a program on task files of the test's own.
#include "cli_run.h"
#include "task_bytes.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace qelvo {
namespace {

using namespace testing_support;

const char kFreshCounters[] = "--\nto &Do : 0\n&Coded : 0\n&Tested : 0\n&Ended: 0\n--\n";

TEST(TasksCli, ShowPrintsTheVisibleLinesTheCountersAndTheFlash) {
    TempDir scratch;
    TaskBytes a, b, c;
    a.name = "Write docs", a.type = "Documentation", a.state = 1, a.priority = 2;
    a.start[0] = 2026, a.start[1] = 12, a.start[2] = 1;
    a.end[0] = 2026, a.end[1] = 12, a.end[2] = 9;
    a.text = "All of it";
    b.name = "Old bug", b.type = "Bug", b.state = 3, b.isPublic = 1;
    c.name = "Hidden", c.type = "Bug", c.state = 2;
    // Coded and ended shown, by priority, inverse.
    const std::string file =
        scratch.Write("app.ide.tsk", Head(0, 1, 0, 1, 1, 3, {"Bug"}) + Int32(3) + a.Bytes() +
                                         b.Bytes() + c.Bytes());
    ToolRun run = Qelvo("tasks show " + Quoted(file) + " --today 2026-12-07", scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Old bug\tBug\tENDED\t10\t11/22/1996\t11/22/1996\n"
                       "Write docs\tDocumentation\tcoded\t2\t12/1/2026\t12/9/2026\n"
                       "--\nto &Do : 0\n&Coded : 1\n&Tested : 1\n&Ended: 1\n--\n"
                       "Write docs (12/1/2026 to 12/9/2026)\r\nType : Documentation, Priority : 2, "
                       "State : coded\r\nAll of it\r\n" +
                           std::string(58, '-') + "\r\nThat's all folks !\n");
}

TEST(TasksCli, AFileThatDoesNotLoadShowsAFreshList) {
    TempDir scratch;
    const std::string other = scratch.Write("other.tsk", Int32(2) + Int32(0));
    for (const std::string& file : {scratch.File("missing.tsk"), other}) {
        ToolRun run = Qelvo("tasks show " + Quoted(file) + " --today 1996-11-22", scratch);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, std::string(kFreshCounters) + "No task today !\n");
    }
}

TEST(TasksCli, BadUsageGivesTwo) {
    TempDir scratch;
    for (const char* arguments : {"tasks", "tasks list x", "tasks show x --today 2026-13-01",
                                  "tasks show x --today", "tasks show x --more"})
        EXPECT_EQ(Qelvo(arguments, scratch).status, 2) << arguments;
}

} // namespace
} // namespace qelvo
