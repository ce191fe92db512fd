// The task list's views, counters, date entry, edits, notices and the Quick Flash.
#include "core/task_notes.h"
#include "memory_registry.h"
#include "recorders.h"
#include "tasks/task_manager.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qelvo {
namespace {

using namespace testing_support;

platform::DateTime Day(int y, int m, int d) {
    platform::DateTime day;
    day.year = y, day.month = m, day.day = d;
    return day;
}

Task* Add(TaskManager& list, const char* name, int state, int priority, const char* type,
          platform::DateTime start, platform::DateTime end, int isPublic = 0) {
    Task* t = new Task();
    t->name = name;
    t->state = state;
    t->priority = priority;
    t->type = type;
    t->start = TaskTimeFrom(start);
    t->end = TaskTimeFrom(end);
    t->isPublic = isPublic;
    list.tasks.Append(t);
    return t;
}

// A file written in text mode, with LF ends.
std::string TextFile(const TempDir& dir, const char* name) {
    std::string text = dir.Read(name);
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.erase(at, 1);
    return text;
}

std::string Names(const TaskManager& list) {
    std::string names;
    for (int i = 0; i < list.visible.count; ++i)
        names += list.visible.At(i)->name.c_str();
    return names;
}

// Five tasks that each sort order puts differently; equal keys fall through to the next one.
struct SortFixture : ::testing::Test {
    MemoryRegistry registry;
    TaskManager list;
    void SetUp() override {
        Add(list, "A", 2, 5, "Design", Day(1997, 1, 2), Day(1997, 3, 1));
        Add(list, "B", 0, 5, "Bug", Day(1996, 12, 31), Day(1997, 3, 1));
        Add(list, "C", 2, 1, "bug", Day(1997, 1, 2), Day(1997, 2, 1));
        Add(list, "D", 1, 9, "Bug", Day(1997, 1, 2), Day(1998, 1, 1));
        Add(list, "E", 0, 5, "Bug", Day(1996, 12, 31), Day(1997, 3, 1));
    }
};

TEST_F(SortFixture, EachKeyFallsThroughItsOrderAndTheInverseFlagReversesIt) {
    const struct {
        int key;
        const char* text;
        const char* order;
    } cases[] = {
        {0, "by state", "BEDCA"},                                   // state, then start, then end
        {1, "by start date", "BEDCA"}, {2, "by end date", "CBEAD"}, // end, then state
        {3, "by priority", "CBEAD"}, // priority, then state, start, end, type, name
        {4, "by type", "BEDAC"},     // type byte by byte: "Bug" < "Design" < "bug"
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(SortKeyText(c.key), c.text);
        list.view.sortKey = c.key;
        list.view.inverse = 0;
        list.Refresh();
        EXPECT_EQ(Names(list), c.order) << c.text;
        list.view.inverse = 1;
        list.Refresh();
        const std::string order = c.order;
        EXPECT_EQ(Names(list), std::string(order.rbegin(), order.rend())) << c.text << " inverse";
    }
    list.view.sortKey = 7; // no such key: the tasks in list order
    list.Refresh();
    EXPECT_EQ(Names(list), "ABCDE");
}

TEST_F(SortFixture, HiddenStatesLeaveTheViewButNotTheCounters) {
    list.view.show[kToDo] = 0;
    list.view.show[kTested] = 0;
    list.Refresh();
    EXPECT_EQ(Names(list), "D");
    EXPECT_EQ(list.CounterText(kToDo), "to &Do : 2");
    EXPECT_EQ(list.CounterText(kCoded), "&Coded : 1");
    EXPECT_EQ(list.CounterText(kTested), "&Tested : 2");
    EXPECT_EQ(list.CounterText(kEnded), "&Ended: 0");
}

TEST(TaskList, ListLinesUseTheShortDateAndCapitalsForPublicTasks) {
    MemoryRegistry registry;
    TaskManager list;
    Task* t = Add(list, "Ship", kTested, 12, "Design", Day(1996, 11, 22), Day(1997, 1, 5), 1);
    EXPECT_EQ(TaskListLine(*t), "Ship\tDesign\tTESTED\t12\t11/22/1996\t1/5/1997");
    t->isPublic = 0;
    EXPECT_EQ(TaskListLine(*t), "Ship\tDesign\ttested\t12\t11/22/1996\t1/5/1997");
}

TEST(TaskDates, EntryFollowsTheDayOrderAndKeepsTodayForWhatIsMissing) {
    const platform::DateTime today = Day(2026, 12, 7);
    const struct {
        const char* text;
        bool dayFirst;
        int y, m, d;
    } cases[] = {
        {"31/12/05", true, 1905, 12, 31},
        {"3/4/97", false, 1997, 3, 4},
        {"3/4/1997", false, 1997, 3, 4},
        {"3/4/2005", false, 2005, 3, 4}, // the date the field shows comes back as it was
        {"12/7/2026", false, 2026, 12, 7},
        {"3/4/99999", false, 2026, 3, 4},
        {"3/4/97", true, 1997, 4, 3},
        {"5", false, 2026, 5, 7},
        {"5/20", false, 2026, 5, 20},
        {"", false, 2026, 12, 7},
        {"x/1/1", false, 2026, 12, 7},
    };
    for (const auto& c : cases) {
        const TaskTime t = ParseDateEntry(c.text, today, c.dayFirst);
        EXPECT_EQ(t.year, c.y) << c.text;
        EXPECT_EQ(t.month, c.m) << c.text;
        EXPECT_EQ(t.day, c.d) << c.text;
    }
    EXPECT_FALSE(ShortDateIsDayFirst()); // POSIX formats as the US do
}

TEST(TaskDates, PriorityIsAnUnsignedNumberOrZero) {
    EXPECT_EQ(ParsePriority("42"), 42);
    EXPECT_EQ(ParsePriority(" 7 "), 7);
    EXPECT_EQ(ParsePriority("-1"), 0);
    EXPECT_EQ(ParsePriority("abc"), 0);
    EXPECT_EQ(ParsePriority("4294967296"), 0);
}

TEST(TaskSettingsStore, TypesAndSwitchesComeFromTheTasksGroupAndGoBack) {
    MemoryRegistry registry;
    {
        TaskManager list;
        ASSERT_EQ(list.types.count, 4);
        EXPECT_STREQ(list.types.At(3)->c_str(), "Documentation");
        EXPECT_EQ(list.settings.flashEnded, 0);
        EXPECT_EQ(list.settings.autoFlash, 1);
        SplitTaskTypes("Design;;Bug;", list.types);
        ASSERT_EQ(list.types.count, 3);
        EXPECT_STREQ(list.types.At(1)->c_str(), "");
        list.settings.endedReadOnly = 0;
    }
    EXPECT_EQ(registry.values.at(MemoryRegistry::Key(
                  "SOFTWARE\\Borland\\Borland C++\\5.0\\Ide\\AddOns\\Qelvoadd\\Tasks", "Types")),
              std::string("Design;;Bug") + '\0');
    TaskManager again;
    EXPECT_EQ(again.settings.endedReadOnly, 0);
    EXPECT_EQ(again.types.count, 3);
    Tableau<String> none;
    SplitTaskTypes("", none);
    EXPECT_EQ(none.count, 0);
}

struct EditFixture : ::testing::Test {
    MemoryRegistry registry;
    MessageRecorder messages;
    TempDir dir;
    TaskManager list;
    void SetUp() override { list.Open(dir.File("app.ide").c_str()); }
    TaskFields Fields(const Task& t, int state) {
        TaskFields f;
        f.name = t.name.c_str();
        f.type = t.type.c_str();
        f.state = state;
        f.priority = "3";
        f.isPublic = t.isPublic;
        f.start = "1/2/97";
        f.end = "2/3/97";
        f.text = "Done at last";
        return f;
    }
};

TEST_F(EditFixture, CreatingWhileToDoIsHiddenShowsToDoAgain) {
    list.view.show[kToDo] = 0;
    Task* t = list.CreateTask(Day(1996, 11, 22));
    EXPECT_EQ(list.view.show[kToDo], 1);
    EXPECT_EQ(list.VisibleIndex(t), 0);
    EXPECT_STREQ(t->name.c_str(), "New task");
    EXPECT_STREQ(t->type.c_str(), "Bug");
    EXPECT_EQ(t->priority, 10);
    EXPECT_STREQ(t->text.c_str(), "Something to do");
    EXPECT_EQ(CompareDays(t->start, TaskTimeFrom(Day(1996, 11, 22))), 0);
    EXPECT_EQ(CompareDays(t->end, t->start), 0);
    EXPECT_TRUE(list.changed);
}

TEST_F(EditFixture, RemoveAsksAndSelectsTheTaskNowInItsPlace) {
    Task* a = list.CreateTask(Day(1997, 1, 1));
    Task* b = list.CreateTask(Day(1997, 1, 2));
    messages.Answer(platform::kIdNo);
    EXPECT_EQ(list.RemoveTask(a, nullptr), a);
    EXPECT_EQ(list.tasks.count, 2);
    EXPECT_EQ(messages.messages.back().text, "Remove New task ?");
    EXPECT_EQ(messages.messages.back().title, "Warning");
    EXPECT_EQ(messages.messages.back().flags & 0xF, platform::kMbYesNo);
    EXPECT_EQ(list.RemoveTask(a, nullptr), b);
    EXPECT_EQ(list.RemoveTask(b, nullptr), nullptr);
    EXPECT_EQ(list.tasks.count, 0);
}

TEST_F(EditFixture, EndedTasksAreReadOnlyOnlyWhenSoSet) {
    Task* t = list.CreateTask(Day(1997, 1, 1));
    t->state = kEnded;
    list.Refresh();
    EXPECT_FALSE(list.FieldsEnabled(t));
    EXPECT_FALSE(list.StoreTask(*t, Fields(*t, kToDo), Day(1997, 1, 1), nullptr));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "You cannot modify an ended task (read-only) !");
    EXPECT_EQ(messages.messages[0].title, "Warning");
    EXPECT_EQ(messages.messages[0].flags, platform::kMbIconExclamation);
    EXPECT_EQ(t->state, kEnded);
    list.settings.endedReadOnly = 0;
    EXPECT_TRUE(list.FieldsEnabled(t));
    EXPECT_TRUE(list.StoreTask(*t, Fields(*t, kCoded), Day(1997, 1, 1), nullptr));
    EXPECT_EQ(t->state, kCoded);
    EXPECT_EQ(t->priority, 3);
    EXPECT_EQ(t->end.month, 2);
}

TEST_F(EditFixture, APublicTaskEndingIsNotedForTheNextDeliveryOnce) {
    Task* t = list.CreateTask(Day(1997, 1, 1));
    t->name = "Parser";
    EXPECT_TRUE(list.StoreTask(*t, Fields(*t, kEnded), Day(1997, 1, 1), nullptr)); // private
    EXPECT_FALSE(platform::FileExists(dir.File("app.ide.tsk.txt").c_str()));
    list.settings.endedReadOnly = 0;
    TaskFields fields = Fields(*t, kEnded);
    fields.isPublic = 1;
    EXPECT_TRUE(list.StoreTask(*t, fields, Day(1997, 1, 1), nullptr)); // ended to ended
    EXPECT_FALSE(platform::FileExists(dir.File("app.ide.tsk.txt").c_str()));
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(list.StoreTask(*t, Fields(*t, kTested), Day(1997, 1, 1), nullptr));
        EXPECT_TRUE(list.StoreTask(*t, fields, Day(1997, 1, 1), nullptr));
    }
    const std::string dashes(70, '-');
    const std::string notice = dashes + "\n*** Task : Parser ***\nDone at last\n";
    EXPECT_EQ(TextFile(dir, "app.ide.tsk.txt"),
              dashes + "\n  NOTIFICATIONS FOR ENDED TASKS\n" + notice + notice);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(TaskNotesForDelivery(), ""); // no project is open in the IDE
}

TEST_F(EditFixture, WithoutMailAtOnceTheFailureIsTold) {
    list.settings.keyIsDelivery = 0;
    Task* t = list.CreateTask(Day(1997, 1, 1));
    TaskFields fields = Fields(*t, kEnded);
    fields.isPublic = 1;
    EXPECT_TRUE(list.StoreTask(*t, fields, Day(1997, 1, 1), nullptr));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "MAPI SendMail missed !");
    EXPECT_EQ(messages.messages[0].title, "Qelvo AddOn error");
    EXPECT_EQ(messages.messages[0].flags, platform::kMbIconStop);
    EXPECT_EQ(t->state, kEnded);
}

TEST_F(EditFixture, ANoticeThatCannotBeKeptIsTold) {
    list.projectFile = dir.File("no\\such\\app.ide");
    Task* t = list.CreateTask(Day(1997, 1, 1));
    TaskFields fields = Fields(*t, kEnded);
    fields.isPublic = 1;
    list.StoreTask(*t, fields, Day(1997, 1, 1), nullptr);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Impossible to store informations for future mail");
    EXPECT_EQ(messages.messages[0].flags, platform::kMbIconExclamation);
}

TEST_F(EditFixture, TheFlashListsTheTasksOfTheDayOnly) {
    const platform::DateTime today = Day(2026, 12, 7);
    Add(list, "Today", kToDo, 2, "Bug", today, today);
    Add(list, "Yesterday", kToDo, 1, "Bug", Day(2026, 12, 6), Day(2026, 12, 6));
    Add(list, "Long ago", kToDo, 1, "Bug", Day(1999, 12, 7), Day(2025, 12, 7));
    Add(list, "Next year", kCoded, 1, "Bug", Day(2027, 12, 7), Day(2027, 12, 7));
    Add(list, "Across", kTested, 3, "Design", Day(2025, 12, 8), Day(2027, 1, 1));
    Add(list, "Ended", kEnded, 1, "Bug", today, today);
    list.view.show[kToDo] = 0; // the flash has its own switches
    list.Refresh();
    bool current = false;
    const std::string dashes = "\r\n" + std::string(58, '-') + "\r\n";
    // In the list's order: by start date.
    EXPECT_EQ(list.FlashText(today, current),
              "Across (12/8/2025 to 1/1/2027)\r\nType : Design, Priority : 3, State : tested"
              "\r\nSomething to do" +
                  dashes +
                  "Today (12/7/2026 to 12/7/2026)\r\nType : Bug, Priority : 2, State : to do"
                  "\r\nSomething to do" +
                  dashes + "That's all folks !");
    EXPECT_TRUE(current);
    EXPECT_EQ(list.view.show[kToDo], 0);
    EXPECT_EQ(list.visible.count, 3);
    EXPECT_EQ(list.FlashText(Day(1999, 12, 6), current), "No task today !");
    EXPECT_FALSE(current);
    platform::DateTime monday = today;
    monday.dayOfWeek = 1;
    EXPECT_EQ(TaskManager::FlashTitle(monday), "Flash : Monday, December 7, 2026");
}

TEST_F(EditFixture, TheFlashIsDueOncePerDayThroughItsMarker) {
    const platform::DateTime today = Day(2026, 12, 7);
    EXPECT_TRUE(list.FlashDue(today));
    ASSERT_TRUE(list.WriteFlashMarker(today));
    EXPECT_EQ(TextFile(dir, "app.ide.fltme"), "12/7/2026\n");
    EXPECT_FALSE(list.FlashDue(today));
    EXPECT_TRUE(list.FlashDue(Day(2026, 12, 8)));
    list.settings.autoFlash = 0;
    EXPECT_FALSE(list.FlashDue(Day(2026, 12, 8)));
}

} // namespace
} // namespace qelvo
