// BCW.EXE as a program: started under Wine on a copy of the sample project with a probe add-on
// in the registry, it shows its frame, editors, project and message windows, runs a Make when
// told, leaves a screenshot of itself in the build tree, and at exit saves the project while
// the add-on still listens. Next to it lies BCWRES.DLL, whose dialog 12432 states the version.
#include "host_test_support.h"
#include "screenshot.h"
#include "temp_dir.h"
#include "win_support.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace qelvo {
namespace host {
namespace {

std::string WinPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

const std::string kProgram = WinPath(QELVO_BCW_EXE);
const std::string kProbe = WinPath(QELVO_PROBE_ADDON);
const std::string kScreenshot = WinPath(QELVO_SCREENSHOT);
constexpr char kProbeKey[] = "SOFTWARE\\Borland\\Borland C++\\5.0\\Ide\\AddOns\\QelvoProbe";

std::string Text(HWND window) {
    char text[1024] = {0};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[128] = {0};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND ChildOfClass(HWND parent, const char* windowClass, const std::string& title = "") {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == windowClass && (title.empty() || Text(child) == title)) return child;
    return nullptr;
}

size_t CountOfClass(HWND parent, const char* windowClass) {
    size_t count = 0;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == windowClass) ++count;
    return count;
}

template <class Condition> bool WaitUntil(Condition condition, DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(20);
    }
    return true;
}

void RegisterProbe() {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kProbeKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Enabled", 0, REG_SZ, reinterpret_cast<const BYTE*>("Yes"), 4);
    RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(kProbe.c_str()),
                   static_cast<DWORD>(kProbe.size() + 1));
    RegCloseKey(key);
}

// The pixel's channels each lie between those of the two colours (a caption's gradient).
bool Between(uint32_t pixel, COLORREF a, COLORREF b) {
    const uint32_t channels[3][3] = {
        {(pixel >> 16) & 0xFF, GetRValue(a), GetRValue(b)},
        {(pixel >> 8) & 0xFF, GetGValue(a), GetGValue(b)},
        {pixel & 0xFF, GetBValue(a), GetBValue(b)},
    };
    for (const auto& c : channels) {
        uint32_t low = c[1] < c[2] ? c[1] : c[2], high = c[1] < c[2] ? c[2] : c[1];
        if (c[0] + 2 < low || c[0] > high + 2) return false;
    }
    return true;
}

uint32_t Rgb(COLORREF color) {
    return (static_cast<uint32_t>(GetRValue(color)) << 16) |
           (static_cast<uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
}

uint32_t ClientPixel(const Screenshot& shot, HWND window, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(window, &point);
    return shot.Pixel(point.x, point.y);
}

class BcwProgram : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_LOCAL_MACHINE, kProbeKey); }
    void TearDown() override {
        if (process.hProcess) {
            DWORD code = 0;
            if (GetExitCodeProcess(process.hProcess, &code) && code == STILL_ACTIVE)
                TerminateProcess(process.hProcess, 9);
            WaitForSingleObject(process.hProcess, 5000);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kProbeKey);
    }
    bool Start(const std::string& arguments, const std::string& directory) {
        std::string line = "\"" + kProgram + "\" " + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        return CreateProcessA(kProgram.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                              directory.c_str(), &startup, &process) != 0;
    }

    PROCESS_INFORMATION process = {};
};

TEST_F(BcwProgram, StartsOnTheSampleProjectShowsItsWindowsAndSavesTheProjectAtExit) {
    testing_support::TempDir dir;
    ASSERT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), dir.path()));
    ASSERT_NO_FATAL_FAILURE(RegisterProbe());
    const std::string project = dir.File("APP.IDE"), main = dir.File("src\\main.cpp"),
                      shapes = dir.File("include\\shapes.h");
    ASSERT_TRUE(Start("\"" + project + "\" \"" + main + "\" \"" + main + "\" \"" + shapes + "\"",
                      dir.path()));

    HWND frame = nullptr, client = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            frame = FindWindowA("CPPFRAME", nullptr);
            client = frame ? ChildOfClass(frame, "MDIClient") : nullptr;
            return client && CountOfClass(client, "BCW5Editor") == 3 &&
                   ChildOfClass(client, "BCW5Message") && ChildOfClass(client, "BCW5Project");
        },
        20000));
    EXPECT_EQ(Text(frame), "Borland C++ - APP");
    EXPECT_TRUE(ChildOfClass(client, "BCW5Project", "Project : " + project));
    EXPECT_TRUE(ChildOfClass(client, "BCW5Editor", main + ":1"));
    EXPECT_TRUE(ChildOfClass(client, "BCW5Editor", main + ":2"));
    HWND shapesEditor = ChildOfClass(client, "BCW5Editor", shapes);
    ASSERT_TRUE(shapesEditor);
    HWND edit = ChildOfClass(shapesEditor, "EditWindClass");
    ASSERT_TRUE(edit);

    // A Make from the menu command: its status window comes and goes, the lines arrive.
    PostMessageA(frame, WM_COMMAND, 24012, 0); // Project | Make all
    EXPECT_TRUE(WaitUntil([] { return FindWindowA("#32770", "Compile Status") != nullptr; }, 5000));
    EXPECT_TRUE(
        WaitUntil([] { return FindWindowA("#32770", "Compile Status") == nullptr; }, 20000));
    HWND viewer =
        ChildOfClass(ChildOfClass(ChildOfClass(client, "BCW5Message"), "OWL_Window"), "MsgViewer");
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(WaitUntil([&] { return SendMessageA(viewer, LB_GETCOUNT, 0, 0) == 11; }, 5000));

    // The screenshot, kept in the build tree.
    Sleep(300);
    Screenshot shot;
    ASSERT_TRUE(CaptureScreen(shot));
    ASSERT_TRUE(WritePng(shot, kScreenshot)) << kScreenshot;
    RECT frameRect;
    GetWindowRect(frame, &frameRect);
    int captionY =
        frameRect.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    uint32_t caption = shot.Pixel((frameRect.left + frameRect.right) / 2, captionY);
    EXPECT_TRUE(Between(caption, GetSysColor(COLOR_ACTIVECAPTION),
                        GetSysColor(COLOR_GRADIENTACTIVECAPTION)) ||
                Between(caption, GetSysColor(COLOR_INACTIVECAPTION),
                        GetSysColor(COLOR_GRADIENTINACTIVECAPTION)))
        << std::hex << caption;
    RECT area;
    GetClientRect(client, &area);
    EXPECT_EQ(ClientPixel(shot, client, area.right - 8, 8), Rgb(GetSysColor(COLOR_APPWORKSPACE)))
        << "the MDI client's background right of the editors";
    GetClientRect(edit, &area);
    EXPECT_EQ(ClientPixel(shot, edit, area.right - 3, area.bottom - 3),
              Rgb(GetSysColor(COLOR_WINDOW)));

    // Closing: the project is saved while the add-on still runs (it stores a count then),
    // the add-on stops, the program ends with 0.
    PostMessageA(frame, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_NE(testing_support::ReadWholeFile(project).find("Option \"Probe_SAVES\" 4 01000000"),
              std::string::npos);
}

TEST_F(BcwProgram, MakeOptionRunsOneMakeOnceTheFrameIsUp) {
    testing_support::TempDir dir;
    ASSERT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), dir.path()));
    ASSERT_TRUE(Start("-make APP.IDE", dir.path()));
    HWND frame = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (frame = FindWindowA("CPPFRAME", nullptr)) != nullptr; }, 20000));
    HWND viewer = nullptr;
    EXPECT_TRUE(WaitUntil(
        [&] {
            HWND client = ChildOfClass(frame, "MDIClient");
            viewer = ChildOfClass(ChildOfClass(ChildOfClass(client, "BCW5Message"), "OWL_Window"),
                                  "MsgViewer");
            return viewer && SendMessageA(viewer, LB_GETCOUNT, 0, 0) == 11;
        },
        20000));
    // The relative project name was made a full path.
    EXPECT_TRUE(ChildOfClass(ChildOfClass(frame, "MDIClient"), "BCW5Project",
                             "Project : " + dir.File("APP.IDE")));
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
}

TEST(BcwResources, BcwresNextToTheProgramStatesVersion502InDialog12432) {
    std::string directory = kProgram.substr(0, kProgram.rfind('\\'));
    HMODULE module =
        LoadLibraryExA((directory + "\\BCWRES.DLL").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(module);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(12432), MAKEINTRESOURCEA(5)); // RT_DIALOG
    ASSERT_TRUE(found);
    DWORD size = SizeofResource(module, found);
    const unsigned char* data =
        static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
    ASSERT_TRUE(data);
    // As the installer reads it: the low bytes of the 16-bit characters.
    std::string bytes;
    for (DWORD i = 0; i + 1 < size; i += 2)
        bytes += static_cast<char>(data[i]);
    size_t at = bytes.find("Version ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_STREQ(bytes.c_str() + at, "Version 5.02");
    FreeLibrary(module);
}

} // namespace
} // namespace host
} // namespace qelvo
