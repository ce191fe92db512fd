// The task list window and the Quick Flash in the stand-in IDE with the real add-on loaded from
// the registry, driven through the window's controls: the list and flags a project opens with,
// creating while "to do" is hidden, ended tasks read-only, the mail of an ended public task, the
// automatic flash once a day and the manual one, both through the day's marker.
#include "../addon_session.h"
#include "host_test_support.h"
#include "platform/platform.h"
#include "session.h"
#include "task_bytes.h"
#include "tasks/task_file.h"
#include "temp_dir.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qelvo {
namespace automation {
namespace {

using testing_support::TaskBytes;
using testing_support::TempDir;

// Ids of the task list window's controls.
enum {
    kSort = 1001,
    kInverse = 1002,
    kShowToDo = 1003,
    kShowEnded = 1006,
    kList = 1007,
    kName = 1010,
    kType = 1011,
    kRemove = 1021,
    kOk = 1022,
    kFlashText = 1030,
};

SYSTEMTIME Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

std::string DateText(DWORD flags) {
    SYSTEMTIME now = Today();
    char text[80] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, flags, &now, nullptr, text, sizeof text);
    return text;
}

TaskBytes MakeTask(const char* name, int state, int isPublic, const SYSTEMTIME* on = nullptr) {
    TaskBytes t;
    t.name = name;
    t.type = "Bug";
    t.state = state;
    t.firstPublic = t.isPublic = isPublic;
    if (on) {
        t.start[0] = t.end[0] = on->wYear;
        t.start[1] = t.end[1] = on->wMonth;
        t.start[2] = t.end[2] = on->wDay;
    }
    return t;
}

struct Project {
    TempDir dir;
    std::string path = dir.File("APP");
    Project() {
        EXPECT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), path));
        SetCurrentDirectoryA(path.c_str());
    }
    std::string File(const std::string& name) const { return path + "\\" + name; }
    void Write(const std::string& name, const std::string& bytes) const {
        dir.Write("APP\\" + name, bytes);
    }
};

std::string TaskFile(std::initializer_list<TaskBytes> tasks, int showToDo = 1, int sortKey = 1,
                     int inverse = 0) {
    std::string bytes =
        testing_support::Head(showToDo, 1, 1, 1, inverse, sortKey, {"Alpha", "Beta"}) +
        testing_support::Int32(static_cast<int32_t>(tasks.size()));
    for (const TaskBytes& t : tasks)
        bytes += t.Bytes();
    return bytes;
}

HWND Dialog(const char* title) {
    return FindWindowA("#32770", title);
}

std::vector<std::string> ListLines(HWND dialog) {
    std::vector<std::string> lines;
    const LRESULT n = SendDlgItemMessageA(dialog, kList, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        char line[512] = "";
        SendDlgItemMessageA(dialog, kList, LB_GETTEXT, static_cast<WPARAM>(i),
                            reinterpret_cast<LPARAM>(line));
        lines.push_back(line);
    }
    return lines;
}

std::string ItemText(HWND dialog, int id) {
    char text[2048] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}
bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

ScriptResult Play(StandInSession& session, const Project& project, const std::string& script) {
    return PlayScript(session, script, "test", project.dir.path(), EngineOptions(), 60000);
}

TEST(TasksSession, AProjectWithoutTaskFileKeepsTheLastFlagsAndCreatingShowsToDo) {
    RegisteredAddon installed(QELVO_ADDON_DLL);
    Project project;
    const std::string appTasks = TaskFile({MakeTask("Old", 1, 0)}, 0, 3, 1);
    project.Write("APP.IDE.tsk", appTasks);
    StandInSession session;
    ASSERT_TRUE(session.Start());
    ScriptResult result = Play(session, project,
                               "project APP.IDE\n"
                               "command 171\n"
                               "project tools\\CONVERT.IDE\n"
                               "command 171\n");
    ASSERT_TRUE(result.passed) << Text(result.transcript);
    HWND tasks = Dialog("Tasks");
    ASSERT_NE(tasks, nullptr);
    EXPECT_TRUE(ListLines(tasks).empty());
    EXPECT_FALSE(Checked(tasks, kShowToDo));
    EXPECT_TRUE(Checked(tasks, kShowEnded));
    EXPECT_TRUE(Checked(tasks, kInverse));
    EXPECT_EQ(ItemText(tasks, kSort), "by priority");
    EXPECT_EQ(SendDlgItemMessageA(tasks, kType, CB_GETCOUNT, 0, 0), 2) << "the types of the file";
    EXPECT_EQ(ItemText(tasks, kShowToDo), "to &Do : 0");
    EXPECT_FALSE(Enabled(tasks, kOk));
    EXPECT_FALSE(Enabled(tasks, kName));
    EXPECT_EQ(testing_support::ReadWholeFile(project.File("APP.IDE.tsk")), appTasks)
        << "nothing changed, nothing written";

    // Ok stores the fields as they show: the dates come back as they were.
    result = Play(session, project, "answer Tasks Create\nanswer Tasks Ok\n");
    ASSERT_TRUE(result.passed) << Text(result.transcript);
    EXPECT_TRUE(Checked(tasks, kShowToDo));
    const std::vector<std::string> lines = ListLines(tasks);
    ASSERT_EQ(lines.size(), 1u);
    const std::string today = DateText(DATE_SHORTDATE);
    EXPECT_EQ(lines[0], "New task\tBug\tto do\t10\t" + today + "\t" + today);
    EXPECT_EQ(ItemText(tasks, kName), "New task");
    EXPECT_TRUE(Enabled(tasks, kOk));
    EXPECT_EQ(ItemText(tasks, kShowToDo), "to &Do : 1");

    // A second one, removed after the question: the first is left, selected.
    result = Play(session, project,
                  "answer Tasks Create\n"
                  "answer Tasks Ok \"1010=Second one\"\n"
                  "answer Tasks Remove\n"
                  "answer Warning Yes\n");
    ASSERT_TRUE(result.passed) << Text(result.transcript);
    EXPECT_NE(Text(result.transcript).find("Remove Second one ?"), std::string::npos)
        << Text(result.transcript);
    EXPECT_EQ(ListLines(tasks).size(), 1u);
    EXPECT_EQ(ItemText(tasks, kName), "New task");
    SendMessageA(tasks, WM_CLOSE, 0, 0);
    EXPECT_EQ(Dialog("Tasks"), nullptr);

    TaskView view;
    Tableau<String> types;
    Tableau<Task> saved;
    ASSERT_EQ(LoadTaskFile(project.File("tools\\CONVERT.IDE.tsk").c_str(), view, types, saved),
              TaskFileLoad::kLoaded);
    EXPECT_EQ(view.show[0], 1);
    EXPECT_EQ(view.sortKey, 3);
    EXPECT_EQ(types.count, 2);
    ASSERT_EQ(saved.count, 1);
    EXPECT_STREQ(saved.At(0)->name.c_str(), "New task");
    EXPECT_TRUE(session.Close());
}

TEST(TasksSession, EndedTasksAreReadOnlyAndOnlyAPublicOneIsMailed) {
    RegisteredAddon installed(QELVO_ADDON_DLL);
    SetValue(std::string(kAddonKey) + "\\Tasks", "KeyIsDelivery", "0"); // mail at once
    Project project;
    TaskBytes pub = MakeTask("Public work", 0, 1);
    pub.text = "Release notes written";
    project.Write("APP.IDE.tsk", TaskFile({MakeTask("Private work", 0, 0), pub}));
    const size_t mailsBefore = Outbox().size();
    StandInSession session;
    ASSERT_TRUE(session.Start());
    ScriptResult result = Play(session, project,
                               "project APP.IDE\n"
                               "command 171\n"
                               "answer Tasks Ok 1007=Private 1012=ended\n"
                               "answer Tasks Ok 1007=Public 1012=ended\n");
    ASSERT_TRUE(result.passed) << Text(result.transcript);
    HWND tasks = Dialog("Tasks");
    ASSERT_NE(tasks, nullptr);
    const std::vector<std::string> lines = ListLines(tasks);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("Private work\tBug\tended\t10\t", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("Public work\tBug\tENDED\t10\t", 0), 0u) << lines[1];
    EXPECT_EQ(ItemText(tasks, kName), "Public work");
    for (int id : {kName, kType, kOk, kRemove})
        EXPECT_FALSE(Enabled(tasks, id)) << id;

    // The frame minimised hides the window with the bar; restored, it shows again.
    HWND frame = FindWindowA("CPPFRAME", nullptr);
    ASSERT_NE(frame, nullptr);
    ShowWindow(frame, SW_MINIMIZE);
    ASSERT_TRUE(Play(session, project, "wait 300\n").passed);
    EXPECT_FALSE(IsWindowVisible(tasks));
    ShowWindow(frame, SW_RESTORE);
    ASSERT_TRUE(Play(session, project, "wait 300\n").passed);
    EXPECT_TRUE(IsWindowVisible(tasks));

    const std::vector<std::string> mails = Outbox();
    ASSERT_EQ(mails.size(), mailsBefore + 1) << "the private task sent nothing";
    const std::string mail = testing_support::ReadWholeFile(mails.back());
    EXPECT_NE(mail.find("End of task \"Public work\" (project APP.IDE)"), std::string::npos)
        << mail;
    EXPECT_NE(mail.find("Release notes written"), std::string::npos) << mail;
    EXPECT_TRUE(session.Close());
}

TEST(TasksSession, TheFlashComesOnceADayAndTheManualOneAlways) {
    RegisteredAddon installed(QELVO_ADDON_DLL);
    Project project;
    const SYSTEMTIME today = Today();
    project.Write("APP.IDE.tsk", TaskFile({MakeTask("Work of the day", 0, 0, &today)}));
    const std::string title = "Flash : " + DateText(DATE_LONGDATE);
    StandInSession session;
    ASSERT_TRUE(session.Start());
    ScriptResult result = Play(session, project, "project APP.IDE\n");
    ASSERT_TRUE(result.passed) << Text(result.transcript);
    HWND flash = Dialog(title.c_str());
    ASSERT_NE(flash, nullptr) << "the automatic flash: " << title;
    const std::string text = ItemText(flash, kFlashText);
    EXPECT_EQ(text.rfind("Work of the day (", 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 18), "That's all folks !");
    EXPECT_EQ(testing_support::ReadWholeFile(project.File("APP.IDE.fltme")),
              DateText(DATE_SHORTDATE) + "\r\n");
    SendMessageA(flash, WM_CLOSE, 0, 0);
    ASSERT_EQ(Dialog(title.c_str()), nullptr);

    result = Play(session, project, "project tools\\CONVERT.IDE\nproject ..\\APP.IDE\n");
    ASSERT_TRUE(result.passed) << Text(result.transcript);
    EXPECT_EQ(Dialog(title.c_str()), nullptr) << "once a day";
    result = Play(session, project, "command 173\n");
    ASSERT_TRUE(result.passed) << Text(result.transcript);
    EXPECT_NE(Dialog(title.c_str()), nullptr) << "the manual flash";
    EXPECT_TRUE(session.Close());
    EXPECT_EQ(Dialog(title.c_str()), nullptr) << "closed with the project";
}

TEST(TasksSession, WithoutCurrentTaskOnlyTheManualFlashShowsAndMarksTheDay) {
    RegisteredAddon installed(QELVO_ADDON_DLL);
    Project project;
    project.Write("APP.IDE.tsk", TaskFile({MakeTask("Long ago", 0, 0)}));
    const std::string title = "Flash : " + DateText(DATE_LONGDATE);
    const std::string marker = project.File("APP.IDE.fltme");
    StandInSession session;
    ASSERT_TRUE(session.Start());
    ScriptResult result = Play(session, project, "project APP.IDE\n");
    ASSERT_TRUE(result.passed) << Text(result.transcript);
    EXPECT_EQ(Dialog(title.c_str()), nullptr);
    EXPECT_FALSE(platform::FileExists(marker.c_str())) << "tried again at the next opening";
    result = Play(session, project, "command 173\n");
    ASSERT_TRUE(result.passed) << Text(result.transcript);
    HWND flash = Dialog(title.c_str());
    ASSERT_NE(flash, nullptr);
    EXPECT_EQ(ItemText(flash, kFlashText), "No task today !");
    EXPECT_TRUE(platform::FileExists(marker.c_str()));
    EXPECT_TRUE(session.Close());
}

} // namespace
} // namespace automation
} // namespace qelvo
