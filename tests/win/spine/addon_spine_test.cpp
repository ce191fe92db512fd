// The add-on as the IDE runs it: registered in the registry, loaded by the stand-in IDE, started
// with its services object and stopped with 0. The bar's window, its start-up item, its clock,
// the settings written back at stop, and a clean stop with every service released.
#include <windows.h>

#include "addon_loader.h"
#include "recorders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace qelvo;

const char kAddonKey[] = "SOFTWARE\\Borland\\Borland C++\\5.0\\Ide\\AddOns\\Qelvoadd";

std::string ProgramPath() {
    char path[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string ProgramDirectory() {
    std::string p = ProgramPath();
    return p.substr(0, p.rfind('\\'));
}

void SetValue(HKEY root, const std::string& key, const char* name, const char* text) {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>(std::strlen(text) + 1));
    RegCloseKey(handle);
}

std::string GetValue(const std::string& key, const char* name) {
    char buffer[256] = {0};
    DWORD size = sizeof buffer;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer,
                     &size) != ERROR_SUCCESS)
        return "<missing>";
    return buffer;
}

// Registers the add-on as the installer does, with a clean settings key, and removes it all
// afterwards.
class RegisteredAddon : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kAddonKey);
        SetValue(HKEY_LOCAL_MACHINE, kAddonKey, "Enabled", "Yes");
        SetValue(HKEY_LOCAL_MACHINE, kAddonKey, "Path",
                 (ProgramDirectory() + "\\Qelvoadd.dll").c_str());
    }
    void TearDown() override { RegDeleteTreeA(HKEY_LOCAL_MACHINE, kAddonKey); }
};

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The bar's geometry as it must be on either shell.
void ExpectBarPlaced(HWND bar, bool newShell) {
    LONG_PTR style = GetWindowLongPtrA(bar, GWL_STYLE);
    LONG_PTR exStyle = GetWindowLongPtrA(bar, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    int menu = GetSystemMetrics(SM_CYMENU);
    int screen = GetSystemMetrics(SM_CXSCREEN);
    RECT r;
    ASSERT_TRUE(GetWindowRect(bar, &r));
    EXPECT_EQ(r.left, -1);
    EXPECT_EQ(r.right - r.left, screen + 2);
    if (newShell) {
        EXPECT_EQ(style & WS_CAPTION, WS_BORDER) << "a thin border, no caption";
        EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
        EXPECT_EQ(r.top, -2);
        EXPECT_EQ(r.bottom - r.top, menu + 1);
    } else {
        EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
        EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW);
        EXPECT_EQ(r.top, -2 - menu);
        EXPECT_EQ(r.bottom - r.top, menu + GetSystemMetrics(SM_CYCAPTION) + 1);
    }
}

} // namespace

TEST_F(RegisteredAddon, StartsWithItsBarAndStopsCleanly) {
    testing_support::MessageRecorder messages;
    host::StandInIde ide;
    {
        host::AddOnLoader loader(ide);
        ASSERT_EQ(loader.Startup(), 1);
        EXPECT_TRUE(messages.messages.empty());

        HWND bar = FindWindowA("QADO", nullptr);
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(IsWindowVisible(bar));
        char className[32];
        GetClassNameA(bar, className, sizeof className);
        EXPECT_STREQ(className, "QADO");
        ExpectBarPlaced(bar, true);

        HMENU menu = GetMenu(bar);
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(GetMenuItemCount(menu), 1);
        EXPECT_EQ(GetMenuItemID(menu, 0), 99u);
        char text[80];
        GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, "Qelvo Addon for Borland C++ 5.0 initializing...");

        // The one-second clock ticks on the bar.
        Sleep(1100);
        MSG msg;
        EXPECT_TRUE(PeekMessageA(&msg, bar, WM_TIMER, WM_TIMER, PM_NOREMOVE));
        Pump();

        EXPECT_EQ(GetValue(std::string(kAddonKey) + "\\TopBar", "MenuSize"), "<missing>")
            << "nothing is written until stop";
        EXPECT_GT(ide.ServiceReferences(), 0u);
        loader.Shutdown();

        EXPECT_EQ(FindWindowA("QADO", nullptr), nullptr);
        WNDCLASSA wc;
        EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "QADO", &wc));
    }
    EXPECT_EQ(ide.ServiceReferences(), 0u);
    EXPECT_EQ(ide.OverReleases(), 0u);
    // Every service object wrote its group back.
    EXPECT_EQ(GetValue(std::string(kAddonKey) + "\\TopBar", "MenuSize"), "50");
    EXPECT_EQ(GetValue(std::string(kAddonKey) + "\\TopBar", "LeftMargin"), "-1");
    EXPECT_EQ(GetValue(std::string(kAddonKey) + "\\Completion", "KeyCode"), "222");
    EXPECT_EQ(GetValue(std::string(kAddonKey) + "\\QuickFind", "FunctionMask"), "*.cpp;*.cc;*.c");
    EXPECT_EQ(GetValue(std::string(kAddonKey) + "\\General", "TimerCount"), "5");
    EXPECT_EQ(GetValue(std::string(kAddonKey) + "\\Mail", "Control"), "0");
}

// The project client registered at start: opening a project puts its node menus on the bar, a
// node item opens the node through the IDE's tool, and stop unregisters and deletes the
// clients.
TEST_F(RegisteredAddon, ProjectMenusOnTheBar) {
    testing_support::MessageRecorder messages;
    host::StandInIde ide;
    char directory[MAX_PATH] = {0};
    GetCurrentDirectoryA(MAX_PATH, directory);
    {
        host::AddOnLoader loader(ide);
        ASSERT_EQ(loader.Startup(), 1);
        EXPECT_EQ(ide.Projects().ClientCount(), 1u);
        EXPECT_EQ(ide.Projects().SaveClientCount(), 1u);
        ASSERT_TRUE(ide.Projects().Open(QELVO_SAMPLES_DIR "\\app\\APP.IDE"));
        HWND bar = FindWindowA("QADO", nullptr);
        ASSERT_NE(bar, nullptr);
        HMENU menu = GetMenu(bar);
        ASSERT_GT(GetMenuItemCount(menu), 1);
        char text[80] = {0};
        GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, "Qelvo");
        GetMenuStringA(menu, 1, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, "APP.EXE") << "the linear layout without the root's empty popup";
        HMENU run = GetSubMenu(menu, 0);
        GetMenuStringA(run, 0, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, "run APP.EXE");

        SendMessageA(bar, WM_COMMAND, 10000, 0);
        ASSERT_EQ(ide.Tools().Runs().size(), 1u);
        EXPECT_EQ(ide.Tools().Runs()[0].tool, "EditText");
        EXPECT_EQ(ide.Tools().Runs()[0].fileName, QELVO_SAMPLES_DIR "\\app\\src\\main.cpp");
        loader.Shutdown();
        EXPECT_EQ(ide.Projects().ClientCount(), 0u);
        EXPECT_EQ(ide.Projects().SaveClientCount(), 0u);
    }
    SetCurrentDirectoryA(directory);
    EXPECT_EQ(ide.ServiceReferences(), 0u);
    EXPECT_EQ(ide.OverReleases(), 0u);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(RegisteredAddon, TheBarStaysHiddenWhenTheTopBarIsOff) {
    SetValue(HKEY_LOCAL_MACHINE, std::string(kAddonKey) + "\\TopBar", "Enabled", "0");
    host::StandInIde ide;
    host::AddOnLoader loader(ide);
    ASSERT_EQ(loader.Startup(), 1);
    HWND bar = FindWindowA("QADO", nullptr);
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(IsWindowVisible(bar));
    loader.Shutdown();
    EXPECT_EQ(FindWindowA("QADO", nullptr), nullptr);
}

TEST_F(RegisteredAddon, StartsAgainAfterAStop) {
    host::StandInIde ide;
    for (int round = 0; round < 2; ++round) {
        host::AddOnLoader loader(ide);
        ASSERT_EQ(loader.Startup(), 1) << "round " << round;
        EXPECT_NE(FindWindowA("QADO", nullptr), nullptr);
        loader.Shutdown();
        EXPECT_EQ(FindWindowA("QADO", nullptr), nullptr);
    }
    EXPECT_EQ(ide.ServiceReferences(), 0u);
}

// The old shell, as on Windows NT 3.51: Wine's per-program version setting makes a copy of
// this program see NT 3.51, and the add-on then makes a captioned bar above the screen.
TEST_F(RegisteredAddon, OldShellBarUnderNt351) {
    if (std::getenv("QELVO_OLD_SHELL_CHILD")) {
        OSVERSIONINFOA info = {};
        info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        ASSERT_TRUE(GetVersionExA(&info));
#pragma GCC diagnostic pop
        ASSERT_EQ(info.dwMajorVersion, 3u);
        ASSERT_EQ(info.dwMinorVersion, 51u);
        host::StandInIde ide;
        host::AddOnLoader loader(ide);
        ASSERT_EQ(loader.Startup(), 1);
        HWND bar = FindWindowA("QADO", nullptr);
        ASSERT_NE(bar, nullptr);
        ExpectBarPlaced(bar, false);
        loader.Shutdown();
        return;
    }
    const std::string copy = ProgramDirectory() + "\\oldshell_child.exe";
    ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), copy.c_str(), FALSE));
    const char appKey[] = "Software\\Wine\\AppDefaults\\oldshell_child.exe";
    SetValue(HKEY_CURRENT_USER, appKey, "Version", "nt351");
    SetEnvironmentVariableA("QELVO_OLD_SHELL_CHILD", "1");
    std::string command = "\"" + copy + "\" --gtest_filter=RegisteredAddon.OldShellBarUnderNt351";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &si, &pi));
    DWORD waited = WaitForSingleObject(pi.hProcess, 60000);
    if (waited != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 9);
    DWORD code = 99;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    SetEnvironmentVariableA("QELVO_OLD_SHELL_CHILD", nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, appKey);
    DeleteFileA(copy.c_str());
    EXPECT_EQ(code, 0u) << "the child under NT 3.51 failed (its output is above)";
}
