// The task file: read from bytes laid out as the format states, written back byte for byte,
// and what a damaged file leaves.
#include "task_bytes.h"
#include "tasks/task_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace qelvo {
namespace {

using namespace testing_support;

TaskBytes Named(const std::string& name, int state = 0) {
    TaskBytes t;
    t.name = name;
    t.type = "Bug";
    t.state = state;
    return t;
}

TEST(TaskFile, ReadsEveryFieldAndWritesTheSameBytesBack) {
    TaskBytes fix = Named("Fix the parser", 1);
    fix.firstPublic = 1; // both words are written from the one flag
    fix.isPublic = 1;
    fix.priority = -3;
    fix.start[0] = 2026, fix.start[1] = 2, fix.start[2] = 28;
    fix.end[0] = 2026, fix.end[1] = 3, fix.end[2] = 1;
    fix.text = "line one\r\nline two";
    TaskBytes empty;
    const std::string bytes =
        Head(1, 0, 1, 0, 1, 3, {"Design", "", "Bug"}) + Int32(2) + fix.Bytes() + empty.Bytes();
    TempDir dir;
    const std::string path = dir.Write("app.ide.tsk", bytes);

    TaskView view;
    Tableau<String> types;
    Tableau<Task> tasks;
    ASSERT_EQ(LoadTaskFile(path.c_str(), view, types, tasks), TaskFileLoad::kLoaded);
    EXPECT_EQ(view.show[0], 1);
    EXPECT_EQ(view.show[1], 0);
    EXPECT_EQ(view.show[2], 1);
    EXPECT_EQ(view.show[3], 0);
    EXPECT_EQ(view.inverse, 1);
    EXPECT_EQ(view.sortKey, 3);
    ASSERT_EQ(types.count, 3);
    EXPECT_STREQ(types.At(1)->c_str(), "");
    ASSERT_EQ(tasks.count, 2);
    const Task& t = *tasks.At(0);
    EXPECT_STREQ(t.name.c_str(), "Fix the parser");
    EXPECT_EQ(t.state, 1);
    EXPECT_EQ(t.isPublic, 1);
    EXPECT_EQ(t.priority, -3);
    EXPECT_EQ(t.start.year, 2026);
    EXPECT_EQ(t.start.day, 28);
    EXPECT_EQ(t.end.month, 3);
    EXPECT_STREQ(t.text.c_str(), "line one\r\nline two");
    EXPECT_STREQ(tasks.At(1)->name.c_str(), "");

    ASSERT_TRUE(SaveTaskFile(path.c_str(), view, types, tasks));
    EXPECT_EQ(dir.Read("app.ide.tsk"), bytes);
    EXPECT_FALSE(platform::FileExists(dir.File("app.ide.tsk.new").c_str()));
}

TEST(TaskFile, TheSecondPublicWordCounts) {
    TaskBytes t = Named("a");
    t.firstPublic = 1;
    t.isPublic = 0;
    TempDir dir;
    const std::string path = dir.Write("f.tsk", Head(1, 1, 1, 1, 0, 1, {}) + Int32(1) + t.Bytes());
    TaskView view;
    Tableau<String> types;
    Tableau<Task> tasks;
    ASSERT_EQ(LoadTaskFile(path.c_str(), view, types, tasks), TaskFileLoad::kLoaded);
    EXPECT_EQ(tasks.At(0)->isPublic, 0);
}

TEST(TaskFile, DamageKeepsWhatWasReadBeforeIt) {
    TaskBytes other = Named("other version");
    other.version = 1;
    const std::string head = Head(0, 1, 0, 1, 1, 4, {"Design"});
    const std::string good = Named("first").Bytes();
    const struct {
        const char* what;
        std::string bytes;
        int tasks;
        bool headRead;
    } cases[] = {
        {"a record of another version mid-list",
         head + Int32(3) + good + other.Bytes() + Named("third").Bytes(), 1, true},
        {"a short second record", head + Int32(2) + good + Named("second").Bytes().substr(0, 20), 1,
         true},
        {"fewer records than counted", head + Int32(5) + good, 1, true},
        {"no task count", head, 0, true},
        {"a short head", head.substr(0, 14), 0, false},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string path = dir.Write("f.tsk", c.bytes);
        TaskView view;
        view.show[0] = 7; // what was there before
        Tableau<String> types;
        types.Append(new String("Mine"));
        Tableau<Task> tasks;
        int read = -1;
        EXPECT_EQ(LoadTaskFile(path.c_str(), view, types, tasks, &read), TaskFileLoad::kDamaged)
            << c.what;
        EXPECT_EQ(tasks.count, c.tasks) << c.what;
        EXPECT_EQ(read, c.tasks) << c.what;
        if (c.tasks) {
            EXPECT_STREQ(tasks.At(0)->name.c_str(), "first") << c.what;
        }
        EXPECT_EQ(view.show[0], c.headRead ? 0 : 7) << c.what;
        EXPECT_EQ(view.sortKey, c.headRead ? 4 : 1) << c.what;
        ASSERT_EQ(types.count, 1) << c.what;
        EXPECT_STREQ(types.At(0)->c_str(), c.headRead ? "Design" : "Mine") << c.what;
    }
}

TEST(TaskFile, MissingOrOfAnotherVersionChangesNothing) {
    TempDir dir;
    const std::string other = dir.Write("o.tsk", Int32(1) + Head(0, 0, 0, 0, 1, 2, {}).substr(4));
    for (const std::string& path : {dir.File("none.tsk"), other}) {
        TaskView view;
        view.show[2] = 0;
        view.sortKey = 4;
        Tableau<String> types;
        types.Append(new String("Mine"));
        Tableau<Task> tasks;
        const TaskFileLoad result = LoadTaskFile(path.c_str(), view, types, tasks);
        EXPECT_EQ(result, path == other ? TaskFileLoad::kOtherVersion : TaskFileLoad::kMissing);
        EXPECT_EQ(view.show[0], 1);
        EXPECT_EQ(view.show[2], 0);
        EXPECT_EQ(view.sortKey, 4);
        EXPECT_EQ(types.count, 1);
    }
}

TEST(TaskFile, AFailedSaveLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string bytes = Head(1, 1, 1, 1, 0, 1, {}) + Int32(0);
    const std::string path = dir.Write("app.ide.tsk", bytes);
    // The work name is taken by a directory: nothing can be written there.
    ASSERT_TRUE(platform::MakeDirectory(dir.File("app.ide.tsk.new").c_str()));
    TaskView view;
    Tableau<String> types;
    Tableau<Task> tasks;
    tasks.Append(new Task());
    EXPECT_FALSE(SaveTaskFile(path.c_str(), view, types, tasks));
    EXPECT_EQ(dir.Read("app.ide.tsk"), bytes);
    EXPECT_FALSE(SaveTaskFile(dir.File("no\\such\\dir.tsk").c_str(), view, types, tasks));
}

} // namespace
} // namespace qelvo
