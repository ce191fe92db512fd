// Scripted sessions: the stand-in IDE with the real add-on (installed from the build into a
// fresh directory and registered as the installer registers it) on a copy of the sample
// project, driven by scripts through the engine that BCW.EXE -script uses, with real input.
#include "../addon_session.h"
#include "host_test_support.h"
#include "session.h"
#include "temp_dir.h"
#include "win_support.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace qelvo {
namespace automation {
namespace {

using testing_support::TempDir;

constexpr char kStartupItem[] = "Qelvo Addon for Borland C++ 5.0 initializing...";

bool IsPng(const std::string& path) {
    return testing_support::ReadWholeFile(path).compare(0, 8, "\x89PNG\r\n\x1a\n") == 0;
}

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Commands the add-on's hooks post to its bar, seen as the bar takes them from the queue.
std::vector<UINT> barCommands;
LRESULT CALLBACK SeeBarCommands(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == WM_COMMAND &&
        host::WindowClassName(msg->hwnd) == "QADO")
        barCommands.push_back(LOWORD(msg->wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class Session : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kAddonKey);
        project = dir.File("APP");
        ASSERT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), project));
        // Installed as setup installs it: the DLL and its help files in a directory of their
        // own, named by the registry key.
        std::string addon = dir.File("QELVO");
        CreateDirectoryA(addon.c_str(), nullptr);
        ASSERT_TRUE(
            CopyFileA(WinPath(QELVO_ADDON_DLL).c_str(), (addon + "\\Qelvoadd.dll").c_str(), FALSE));
        for (const char* file : {"QELVOADD.HLP", "QELVOADD.CNT"})
            ASSERT_TRUE(CopyFileA((std::string(QELVO_HELP_DIR) + "\\" + file).c_str(),
                                  (addon + "\\" + file).c_str(), FALSE));
        SetValue(kAddonKey, "Enabled", "Yes");
        SetValue(kAddonKey, "Path", addon + "\\Qelvoadd.dll");
        GetCurrentDirectoryA(sizeof previous, previous);
        SetCurrentDirectoryA(project.c_str());
        barCommands.clear();
    }
    void TearDown() override {
        if (session) {
            EXPECT_TRUE(session->Close()) << "the IDE closes by itself";
        }
        session.reset();
        SetCurrentDirectoryA(previous);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kAddonKey);
    }
    void Start() {
        session.reset(new StandInSession);
        ASSERT_TRUE(session->Start());
        ASSERT_EQ(session->loader.AddOns().size(), 1u);
    }
    ScriptResult Play(const std::string& script, DWORD limit = 30000) {
        ScriptResult result =
            PlayScript(*session, script, "test", dir.path(), EngineOptions(), limit);
        EXPECT_EQ(result.transcript, TranscriptFile()) << "transcript.txt holds the transcript";
        return result;
    }
    std::vector<std::string> TranscriptFile() {
        std::string bytes = testing_support::ReadWholeFile(dir.File("transcript.txt"));
        std::vector<std::string> lines;
        for (size_t at = 0; at < bytes.size();) {
            size_t end = bytes.find("\r\n", at);
            if (end == std::string::npos) end = bytes.size();
            lines.push_back(bytes.substr(at, end - at));
            at = end + 2;
        }
        return lines;
    }

    TempDir dir;
    std::string project;
    char previous[MAX_PATH] = {0};
    std::unique_ptr<StandInSession> session;
};

TEST_F(Session, TheBarShowsItsStartupItemAndItsHintOnTheStatusLine) {
    Start();
    ScriptResult result = Play(std::string("expect-bar \"") + kStartupItem + "\"\n" + "bar \"" +
                               kStartupItem + "\"\n" + "expect-status \" \"\n");
    ASSERT_TRUE(result.passed) << Text(result.transcript);
    EXPECT_TRUE(Holds(result.transcript, std::string("    bar: \"") + kStartupItem + "\""));
    EXPECT_TRUE(Holds(result.transcript, "    status: \" \""))
        << "the highlighted item's hint, a blank\n"
        << Text(result.transcript);
    EXPECT_EQ(result.transcript.back(), "Passed: 3 steps");
    // Choosing the item collapsed the bar again: one row of the menu bar.
    HWND bar = FindWindowA("QADO", nullptr);
    ASSERT_TRUE(bar);
    RECT r;
    GetWindowRect(bar, &r);
    EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYMENU) + 1);
}

TEST_F(Session, CaptionButtonsAndHotKeysReachTheAddOn) {
    std::string quickFind = std::string(kAddonKey) + "\\QuickFind";
    SetValue(quickFind, "KeyMethod", "5114");
    SetValue(quickFind, "TxtMethod", "Ctrl+Shift+F3");
    Start();
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, SeeBarCommands, nullptr, GetCurrentThreadId());
    ScriptResult result =
        Play("project APP.IDE\n"
             "open src\\main.cpp\n"
             "caption main.cpp 2\n"
             "expect-menu \"Find as function... \" \"Find as method... "
             "\\tCtrl+Shift+F3\" \"Find as class... \" - \"Cross reference... \"\n"
             "screenshot popup.png popup\n"
             "choose \"Find as class...\"\n"
             // Nothing selected in the editor: the name dialog, left without a name.
             "answer \"Find as class ...\" Cancel\n"
             "caption main.cpp right\n"
             "expect-menu \"Edit Documentation\"\n"
             "key Escape\n"
             "caption main.cpp 0\n"
             "expect-menu DrawAll Usage main\n"
             "choose main\n"
             "caption main.cpp 1\n"
             "expect-menu shapes.h util.h stdio.h\n"
             "key Escape\n"
             "key Ctrl+Shift+F3\n"
             "answer \"Find as method...\" Cancel\n"
             "key F3\n");
    UnhookWindowsHookEx(hook);
    ASSERT_TRUE(result.passed) << Text(result.transcript);
    EXPECT_TRUE(Holds(result.transcript, "    menu: \"Edit Documentation\""));
    // The quick-find popup's item was chosen, the documentation popup closed by Escape, the
    // function popup's "main" chosen (1000 + its place in the sorted list), the include popup
    // closed by Escape; the hot key alone posts 191.
    std::vector<UINT> popupsAndKeys;
    for (UINT command : barCommands)
        if (command >= 187) popupsAndKeys.push_back(command);
    EXPECT_EQ(popupsAndKeys, (std::vector<UINT>{188, 192, 197, 189, 1002, 187, 191}));
    EXPECT_TRUE(IsPng(dir.File("popup.png")));
    EXPECT_EQ(FindWindowA("#32768", nullptr) && IsWindowVisible(FindWindowA("#32768", nullptr)),
              false);
}

TEST_F(Session, MakeFromTheMenuWithItsStatusWindowAndMessages) {
    Start();
    ScriptResult result = Play("project APP.IDE\n"
                               "menu Window/Message\n"
                               "make\n"
                               "expect-message \"Compiling main.cpp\"\n"
                               "expect-message \"Compiling convert.cpp\"\n"
                               "screenshot after-make.png\n"
                               "screenshot bar.png bar\n");
    ASSERT_TRUE(result.passed) << Text(result.transcript);
    EXPECT_EQ(session->ide.Make().Makes(), 1);
    EXPECT_FALSE(FindWindowA("#32770", "Compile Status"));
    for (const char* shot : {"after-make.png", "bar.png"})
        EXPECT_TRUE(IsPng(dir.File(shot))) << shot;
    // The bar's picture is the bar's window.
    std::string png = testing_support::ReadWholeFile(dir.File("bar.png"));
    ASSERT_GT(png.size(), 24u);
    auto be32 = [&png](size_t at) {
        return (static_cast<unsigned>(static_cast<unsigned char>(png[at])) << 24) |
               (static_cast<unsigned>(static_cast<unsigned char>(png[at + 1])) << 16) |
               (static_cast<unsigned>(static_cast<unsigned char>(png[at + 2])) << 8) |
               static_cast<unsigned char>(png[at + 3]);
    };
    RECT r;
    GetWindowRect(FindWindowA("QADO", nullptr), &r);
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&r, &r, &screen);
    EXPECT_EQ(be32(16), static_cast<unsigned>(r.right - r.left));
    EXPECT_EQ(be32(20), static_cast<unsigned>(r.bottom - r.top));
}

TEST_F(Session, DialogsAndMessageBoxesAreAnswered) {
    Start();
    ScriptResult result = Play("menu Options/Environment...\n"
                               "screenshot dialog.png dialog\n"
                               "answer \"Environment Options\" OK\n"
                               "command 199\n"
                               "answer \"Environment Options\" Cancel\n"
                               "project APP.IDE\n"
                               "open src\\util.cpp\n"
                               "key Ctrl+End\n"
                               "type \"int added = 1;\"\n"
                               "key Ctrl+F4\n"
                               "answer \"Borland C++\" Yes\n"
                               "expect-file src\\util.cpp \"int added = 1;\"\n");
    ASSERT_TRUE(result.passed) << Text(result.transcript);
    EXPECT_TRUE(
        Holds(result.transcript, "    text: \"Save changes to " + project + "\\src\\util.cpp ?\""))
        << Text(result.transcript);
    EXPECT_EQ(
        std::count(result.transcript.begin(), result.transcript.end(), "    the dialog closed"), 3);
    EXPECT_TRUE(session->frame.Editors().Windows().empty()) << "the editor closed";
    EXPECT_TRUE(IsPng(dir.File("dialog.png")));
}

TEST_F(Session, AFailingExpectationStopsTheScriptAtItsLine) {
    Start();
    ScriptResult result = Play("# the status line is empty at first\n"
                               "expect-bar \"" +
                               std::string(kStartupItem) +
                               "\"\n"
                               "expect-status \"Open options dialog\"\n"
                               "open src\\main.cpp\n");
    EXPECT_FALSE(result.passed);
    EXPECT_EQ(result.failedLine, 3);
    EXPECT_EQ(result.failure, "the status line shows \"\", not \"Open options dialog\"");
    ASSERT_GE(result.transcript.size(), 2u);
    EXPECT_EQ(result.transcript.back(),
              "Failed at line 3: the status line shows \"\", not \"Open options dialog\"");
    EXPECT_EQ(result.transcript[result.transcript.size() - 2].find("    FAILED after "), 0u);
    EXPECT_FALSE(Holds(result.transcript, "[3] line 4: open src\\main.cpp"));
    EXPECT_TRUE(session->frame.Editors().Windows().empty()) << "no step after the failing one";
}

TEST_F(Session, AStepThatWaitsTooLongFailsAndAWrongMenuLeavesNoMenuOpen) {
    Start();
    DWORD start = GetTickCount();
    ScriptResult waited = Play("timeout 1\nanswer \"No such dialog\" OK\n");
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(waited.failedLine, 2);
    EXPECT_EQ(waited.failure,
              "timed out after 1.00 s waiting for a dialog titled \"No such dialog\"");

    ScriptResult wrong = Play("menu Window/Nothing\n");
    EXPECT_EQ(wrong.failedLine, 1);
    EXPECT_EQ(wrong.failure, "the popup menu has no item \"Nothing\"; its items: \"&Cascade\" "
                             "\"&Tile\" \"Arrange &icons\" \"-\" \"&Project\" \"&Message\"");
    HWND menu = FindWindowA("#32768", nullptr);
    EXPECT_FALSE(menu && IsWindowVisible(menu));

    ScriptResult covered = Play("caption nothing.cpp 0\n");
    EXPECT_EQ(covered.failure, "no editor shows \"nothing.cpp\"");
}

TEST_F(Session, TheIdeClosingUnderTheScriptFailsIt) {
    Start();
    ScriptResult result = Play("menu File/Exit\nopen src\\main.cpp\nwait 100\n");
    EXPECT_FALSE(result.passed);
    EXPECT_EQ(result.failure, "the IDE closed before the script ended");
    EXPECT_GE(result.failedLine, 1);
    EXPECT_EQ(session->frame.Window(), nullptr);
    EXPECT_TRUE(session->loader.AddOns().empty()) << "the add-ons stopped with the IDE";
}

TEST_F(Session, TheProjectsNodesOnTheBarOpenTheirFiles) {
    Start();
    ScriptResult result = Play("project APP.IDE\n"
                               "expect-bar Qelvo APP.EXE Sources Drawing MATHLIB.LIB CONVERT.EXE "
                               "Headers DELIVERY\n"
                               "bar Qelvo\n"
                               "expect-menu \"run APP.EXE\" \"run CONVERT.EXE\" - \"Last Includes\" - Tasks "
                               "Groupware HTML - Options... Help...\n"
                               // Open past a tick of the add-on's clock: the bar stays on top.
                               "wait 1100\n"
                               "key Escape\n"
                               "key Escape\n"
                               "timeout 3\n"
                               "bar Sources/util.cpp\n"
                               "expect-status \"Open *\\src\\util.cpp : Shared helpers\"\n"
                               "bar Drawing\n");
    ASSERT_TRUE(result.passed) << Text(result.transcript);
    std::vector<HWND> editors = session->frame.Editors().Windows();
    ASSERT_EQ(editors.size(), 1u);
    EXPECT_EQ(host::WindowText(editors[0]), project + "\\src\\util.cpp");
    // The script ended on an open menu of the bar: it was closed, so that the loop that
    // played the script got back.
    EXPECT_EQ(result.transcript[result.transcript.size() - 2], "A menu was left open: closed");
    HWND menu = FindWindowA("#32768", nullptr);
    EXPECT_FALSE(menu && IsWindowVisible(menu));
}

// The real add-on: a project switched to from the bar's recent projects, and a node added
// with Alt held on a file item; the recent lists reach the registry at stop.
TEST_F(Session, RecentProjectsAndAQuickAddFromTheBar) {
    Start();
    ScriptResult result = Play("project APP.IDE\n"
                               "project tools\\CONVERT.IDE\n"
                               "expect-bar Qelvo CONVERT.EXE\n"
                               "bar Qelvo/APP.IDE\n"
                               "expect-bar Qelvo APP.EXE Sources Drawing MATHLIB.LIB CONVERT.EXE "
                               "Headers DELIVERY\n"
                               "bar Qelvo\n"
                               "expect-menu CONVERT.IDE - \"run APP.EXE\" \"run CONVERT.EXE\" - "
                               "\"Last Includes\" - Tasks Groupware HTML - Options... Help...\n"
                               "key Escape\n"
                               "key Escape\n"
                               "hold Alt\n"
                               "bar Headers/util.h\n"
                               "answer \"Quick add node...\" Ok 102=helper\n"
                               "hold none\n"
                               "bar Headers\n"
                               "expect-menu shapes.h canvas.h util.h app.rh helper.cpp\n"
                               "key Escape\n"
                               "key Escape\n");
    ASSERT_TRUE(result.passed) << Text(result.transcript);
    EXPECT_TRUE(session->Close());
    session.reset();
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, (std::string(kAddonKey) + "\\TopBar\\IDE").c_str(),
                            0, KEY_READ, &key),
              ERROR_SUCCESS);
    char value[300] = {0};
    DWORD size = sizeof value;
    EXPECT_EQ(RegQueryValueExA(key, "Entry0", nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                               &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(std::string(value), project + "\\APP.IDE") << "closed last, on top";
}

TEST_F(Session, ABadScriptPlaysNoStep) {
    Start();
    ScriptResult result = Play("open src\\main.cpp\nclik here\n");
    EXPECT_FALSE(result.passed);
    EXPECT_EQ(result.failedLine, 0);
    EXPECT_EQ(result.failure, "line 2: unknown step \"clik\"");
    EXPECT_EQ(result.transcript.back(), "Failed: line 2: unknown step \"clik\"");
    EXPECT_TRUE(session->frame.Editors().Windows().empty());
}

// BCW.EXE -script: the same engine in the program; it closes the IDE after the last step and
// ends with the script's status.
DWORD RunBcw(const std::string& arguments, const std::string& directory) {
    std::string program = WinPath(QELVO_BCW_EXE);
    std::string line = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process))
        return 1000;
    DWORD code = 1001;
    if (WaitForSingleObject(process.hProcess, 40000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 1002);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

TEST_F(Session, BcwPlaysAScriptClosesAndEndsWithItsStatus) {
    dir.Write("pass.script", "expect-bar \"Qelvo Addon for Borland C++ 5.0 initializing...\"\r\n"
                             "project APP.IDE\r\n"
                             "screenshot ide.png frame\r\n");
    dir.Write("fail.script", "open src\\main.cpp\nexpect-file nothing.txt\n");
    dir.Write("bad.script", "project\n");
    dir.Write("exit.script", "menu File/Exit\nwait 5000\n");
    std::string out = dir.File("out");
    EXPECT_EQ(RunBcw("-script ..\\pass.script -out \"" + out + "\"", project), 0u);
    std::string transcript = testing_support::ReadWholeFile(out + "\\transcript.txt");
    EXPECT_NE(transcript.find("\r\nPassed: 3 steps\r\n"), std::string::npos) << transcript;
    EXPECT_TRUE(IsPng(out + "\\ide.png"));

    EXPECT_EQ(RunBcw("-script ..\\fail.script -out \"" + out + "\"", project), 1u);
    transcript = testing_support::ReadWholeFile(out + "\\transcript.txt");
    EXPECT_NE(transcript.find("Failed at line 2: there is no file"), std::string::npos)
        << transcript;

    EXPECT_EQ(RunBcw("-script ..\\bad.script -out \"" + out + "\"", project), 2u);
    transcript = testing_support::ReadWholeFile(out + "\\transcript.txt");
    EXPECT_NE(transcript.find("Not a valid script: line 1: project takes 1 argument, not 0"),
              std::string::npos)
        << transcript;
    EXPECT_EQ(RunBcw("-script ..\\exit.script -out \"" + out + "\"", project), 1u);
    transcript = testing_support::ReadWholeFile(out + "\\transcript.txt");
    EXPECT_NE(transcript.find(": the IDE closed before the script ended\r\n"), std::string::npos)
        << transcript;

    EXPECT_EQ(RunBcw("-script ..\\missing.script", project), 2u);
    EXPECT_EQ(RunBcw("-script", project), 2u);
}

} // namespace
} // namespace automation
} // namespace qelvo
