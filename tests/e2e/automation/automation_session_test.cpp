// The general automation and the help in the stand-in IDE with the real add-on: the auto-save
// clock driven through the bar's one-second timer, the windows around a Make and the dialog
// classes generated before the build, a second IDE process with "Unic", and the help topics
// asked of a recording help window.
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

constexpr UINT_PTR kBarClock = 1; // the bar's one-second timer
constexpr int kSaveAll = 13104;

void SetGeneral(const char* name, const char* value) {
    SetValue(std::string(kAddonKey) + "\\General", name, value);
}

RECT ScreenRectOf(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class Automation : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kAddonKey);
        project = dir.File("APP");
        ASSERT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), project));
        std::string addon = dir.File("QELVO");
        CreateDirectoryA(addon.c_str(), nullptr);
        ASSERT_TRUE(
            CopyFileA(WinPath(QELVO_ADDON_DLL).c_str(), (addon + "\\Qelvoadd.dll").c_str(), FALSE));
        for (const char* file : {"QELVOADD.HLP", "QELVOADD.CNT"})
            ASSERT_TRUE(CopyFileA((std::string(QELVO_HELP_DIR) + "\\" + file).c_str(),
                                  (addon + "\\" + file).c_str(), FALSE));
        helpFile = addon + "\\Qelvoadd.hlp";
        SetValue(kAddonKey, "Enabled", "Yes");
        SetValue(kAddonKey, "Path", addon + "\\Qelvoadd.dll");
        // Nothing on a clock of its own unless a test asks.
        SetGeneral("TimerSave", "0");
        GetCurrentDirectoryA(sizeof previous, previous);
        SetCurrentDirectoryA(project.c_str());
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
        bar = FindWindowA("QADO", nullptr);
        ASSERT_TRUE(bar);
        // The tests give the clock's ticks themselves: a real one in the middle of typing
        // would save the editor (with TimerCount 0) before the test looks at it.
        KillTimer(bar, kBarClock);
    }
    void Play(const std::string& script) {
        ScriptResult result = PlayScript(*session, script, "test", dir.path());
        ASSERT_TRUE(result.passed) << Text(result.transcript);
    }
    // "Save all" passes the frame's queue: the auto-save count starts again from 0. The
    // messages are taken one by one up to that command, so no clock tick comes after it.
    void RestartCount() {
        HWND frame = session->frame.Window();
        PostMessageA(frame, WM_COMMAND, kSaveAll, 0);
        MSG msg;
        for (;;) {
            if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                WaitMessage();
                continue;
            }
            DispatchOne(session->frame.MdiClient(), msg);
            if (msg.hwnd == frame && msg.message == WM_COMMAND && LOWORD(msg.wParam) == kSaveAll)
                break;
        }
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i)
            SendMessageA(bar, WM_TIMER, kBarClock, 0);
    }
    size_t AutoSaves() const {
        const std::vector<std::string>& log = session->ide.Frame().StatusLog();
        return std::count_if(log.begin(), log.end(), [](const std::string& text) {
            return text.compare(0, 10, "Auto-save ") == 0;
        });
    }
    // Types into the editor of the file and answers its window.
    HWND Change(const char* file) {
        Play(std::string("open ") + file + "\nkey Ctrl+End\ntype \"// changed\"\n");
        HWND editor = FindWindowExA(session->frame.MdiClient(), nullptr, "BCW5Editor", nullptr);
        EXPECT_NE(host::WindowText(editor).find(" *"), std::string::npos) << "changed";
        return editor;
    }

    TempDir dir;
    std::string project, helpFile;
    char previous[MAX_PATH] = {0};
    std::unique_ptr<StandInSession> session;
    HWND bar = nullptr;
};

TEST_F(Automation, AutoSaveAtTheThreeHundredthTickAndAgainAfterADisabledFrame) {
    SetGeneral("TimerSave", "1");
    SetGeneral("TimerCount", "5");
    Start();
    Play("project APP.IDE\n");
    HWND editor = Change("src\\main.cpp");
    RestartCount();
    Ticks(299);
    EXPECT_EQ(AutoSaves(), 0u);
    Ticks(1);
    ASSERT_EQ(AutoSaves(), 1u);
    EXPECT_EQ(session->ide.Frame().StatusLog().back(), "Auto-save (5 min) : main.cpp.");
    EXPECT_EQ(host::WindowText(editor).find(" *"), std::string::npos) << "saved";
    EXPECT_NE(testing_support::ReadWholeFile(project + "\\src\\main.cpp").find("// changed"),
              std::string::npos);

    // The 300th tick while a modal dialog holds the frame disabled: no save, the count
    // restarts from 0.
    Change("src\\main.cpp");
    RestartCount();
    size_t before = AutoSaves();
    HWND frame = session->frame.Window();
    Ticks(299);
    EnableWindow(frame, FALSE);
    Ticks(1);
    EnableWindow(frame, TRUE);
    EXPECT_EQ(AutoSaves(), before);
    Ticks(299);
    EXPECT_EQ(AutoSaves(), before) << "a whole period again";
    Ticks(1);
    EXPECT_EQ(AutoSaves(), before + 1);
}

TEST_F(Automation, TimerCountZeroSavesAtEveryTickAndNothingShowsWithoutEditors) {
    SetGeneral("TimerSave", "1");
    SetGeneral("TimerCount", "0");
    Start();
    Play("project APP.IDE\n");
    RestartCount();
    size_t shown = session->ide.Frame().StatusLog().size();
    Ticks(3);
    EXPECT_EQ(session->ide.Frame().StatusLog().size(), shown) << "no editor: nothing shown";
    Change("src\\util.cpp");
    RestartCount();
    size_t before = AutoSaves();
    Ticks(3);
    EXPECT_EQ(AutoSaves(), before + 3);
    EXPECT_EQ(session->ide.Frame().StatusLog().back(), "Auto-save (0 min) : util.cpp.");
}

// A client of the IDE's MakeService registered after the add-on's: it hears Make started and
// ended right after the add-on did.
class Witness final : public ide::IUnknownImp<ide::IMakeClient> {
public:
    std::string projectDir;
    bool generatedAtStart = false, messageAtStart = true, projectAtStart = true;
    bool statusIconic = false, statusRestored = false;
    bool compilingBeforeStart = true;
    HWND status = nullptr;
    host::StandInIde* ide = nullptr;

    void QELVO_IDECALL OnMakeStarted() override {
        generatedAtStart =
            GetFileAttributesA((projectDir + "\\rc.h").c_str()) != INVALID_FILE_ATTRIBUTES &&
            GetFileAttributesA((projectDir + "\\res\\rcres.cpp").c_str()) !=
                INVALID_FILE_ATTRIBUTES;
        HWND client = FindWindowA("CPPFRAME", nullptr);
        client = FindWindowExA(client, nullptr, "MDIClient", nullptr);
        messageAtStart = FindWindowExA(client, nullptr, "BCW5Message", nullptr) != nullptr;
        projectAtStart = FindWindowExA(client, nullptr, "BCW5Project", nullptr) != nullptr;
        status = FindWindowA("#32770", "Compile Status");
        statusIconic = status && IsIconic(status);
    }
    void QELVO_IDECALL OnMakeEnded() override {
        statusRestored = status && IsWindow(status) && !IsIconic(status);
    }
};

TEST_F(Automation, MakeGeneratesFirstThenClosesAndRestoresTheWindows) {
    // The sample project has dialog classes on (Qelvo_EWindows).
    Start();
    Play("project APP.IDE\nmenu Window/Message\n");
    HWND client = session->frame.MdiClient();
    HWND message = FindWindowExA(client, nullptr, "BCW5Message", nullptr);
    HWND projectWindow = FindWindowExA(client, nullptr, "BCW5Project", nullptr);
    ASSERT_TRUE(message && projectWindow);
    RECT messageRect = ScreenRectOf(message), projectRect = ScreenRectOf(projectWindow);

    Witness* witness = new Witness;
    witness->projectDir = project;
    session->ide.Make().AddClient(witness);
    Play("make\nexpect-message \"Compiling main.cpp\"\n");
    session->ide.Make().RemoveClient(witness);

    EXPECT_TRUE(witness->generatedAtStart) << "the dialog classes come before the build";
    EXPECT_FALSE(witness->messageAtStart) << "the message window closed";
    EXPECT_FALSE(witness->projectAtStart) << "the project window closed";
    EXPECT_TRUE(witness->statusIconic) << "the status window minimised";
    EXPECT_TRUE(witness->statusRestored) << "and restored at the end";
    message = FindWindowExA(client, nullptr, "BCW5Message", nullptr);
    projectWindow = FindWindowExA(client, nullptr, "BCW5Project", nullptr);
    ASSERT_TRUE(message && projectWindow) << "both back";
    EXPECT_TRUE(SameRect(ScreenRectOf(message), messageRect));
    EXPECT_TRUE(SameRect(ScreenRectOf(projectWindow), projectRect));
    witness->Release();
}

TEST_F(Automation, AMakeWithTheMessageWindowClosedLeavesItClosed) {
    SetGeneral("ClearOnMake", "0"); // clearing would show it
    Start();
    Play("project APP.IDE\n");
    HWND client = session->frame.MdiClient();
    ASSERT_FALSE(FindWindowExA(client, nullptr, "BCW5Message", nullptr));
    Play("make\n");
    EXPECT_FALSE(FindWindowExA(client, nullptr, "BCW5Message", nullptr));
    EXPECT_TRUE(FindWindowExA(client, nullptr, "BCW5Project", nullptr));
}

TEST_F(Automation, ASecondIdeWithUnicBringsTheFirstForwardAndEnds) {
    SetGeneral("Unic", "1");
    Start();
    HWND frame = session->frame.Window();
    ShowWindow(frame, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(frame));
    std::string command = "\"" + WinPath(QELVO_BCW_EXE) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                               project.c_str(), &startup, &process));
    bool ended = PumpUntil(
        session->frame.MdiClient(),
        [&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 60000);
    DWORD code = 99;
    GetExitCodeProcess(process.hProcess, &code);
    if (!ended) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_TRUE(ended) << "the second IDE ended";
    EXPECT_EQ(code, 0u);
    // Its restore and activation reach this thread's frame as messages.
    PumpUntil(
        session->frame.MdiClient(), [&] { return !IsIconic(frame); }, 5000);
    EXPECT_FALSE(IsIconic(frame));
    EXPECT_EQ(GetForegroundWindow(), frame);
    HWND other = nullptr;
    int frames = 0;
    while ((other = FindWindowExA(nullptr, other, "CPPFRAME", nullptr)))
        ++frames;
    EXPECT_EQ(frames, 1);
}

// The help viewer's window: WinHelp hands it each request as WM_COPYDATA.
struct HelpRequest {
    UINT command;
    ULONG_PTR data;
    std::string file;
};
std::vector<HelpRequest> helpRequests;

LRESULT CALLBACK HelpWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const COPYDATASTRUCT* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        // The request: size, command, data, reserved, offset of the file name, offset of the
        // data, then the file name.
        struct Header {
            WORD size, command;
            LONG data, reserved;
            WORD ofsFilename, ofsData;
        };
        if (copy && copy->cbData >= sizeof(Header)) {
            const Header* h = static_cast<const Header*>(copy->lpData);
            std::string file;
            if (h->ofsFilename && h->ofsFilename < copy->cbData)
                file = static_cast<const char*>(copy->lpData) + h->ofsFilename;
            helpRequests.push_back({h->command, static_cast<ULONG_PTR>(h->data), file});
        }
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(Automation, HelpOpensAtContextOneAndQuitsOnceAtStop) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HelpWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MS_WINHELP";
    ASSERT_TRUE(RegisterClassA(&wc));
    HWND viewer = CreateWindowA("MS_WINHELP", "Help", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                wc.hInstance, nullptr);
    ASSERT_TRUE(viewer);
    helpRequests.clear();
    Start();
    Play("command 196\ncommand 196\n");
    ASSERT_EQ(helpRequests.size(), 2u);
    for (const HelpRequest& r : helpRequests) {
        EXPECT_EQ(r.command, 1u) << "HELP_CONTEXT";
        EXPECT_EQ(r.data, 1u);
        EXPECT_EQ(lstrcmpiA(r.file.c_str(), helpFile.c_str()), 0) << r.file;
    }
    EXPECT_TRUE(session->Close());
    session.reset();
    ASSERT_EQ(helpRequests.size(), 3u);
    EXPECT_EQ(helpRequests[2].command, 2u) << "HELP_QUIT";
    EXPECT_EQ(lstrcmpiA(helpRequests[2].file.c_str(), helpFile.c_str()), 0);
    DestroyWindow(viewer);
    UnregisterClassA("MS_WINHELP", wc.hInstance);
}

} // namespace
} // namespace automation
} // namespace qelvo
