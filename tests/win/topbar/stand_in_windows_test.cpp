// The node items with the stand-in IDE's own frame and editors: the EditText tool opens a real
// editor, the next opening brings that editor forward instead of a second view, Shift asks for
// the second view, and the open-file message finds the editor by its whole path.
#include <windows.h>

#include "core/globals.h"
#include "core/services.h"
#include "addon/shell/addon_window.h"
#include "addon_parts.h"
#include "core/tool_table.h"
#include "frame_window.h"
#include "memory_registry.h"
#include "recorders.h"
#include "stand_in_ide.h"
#include "topbar/node_menus.h"
#include "core/project_session.h"
#include "topbar/top_bar.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace qelvo;
using namespace qelvo::testing_support;

namespace {

const std::string kSample = QELVO_SAMPLES_DIR "\\app";

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::string Title(HWND window) {
    char text[300] = {0};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class WithStandInWindows : public ::testing::Test {
protected:
    void SetUp() override {
        startDirectory = platform::CurrentDirectory();
        ASSERT_TRUE(frame.Create(SW_SHOWNORMAL));
        SetForegroundWindow(frame.Window());
        RegisterAddonClass(GetModuleHandleA(nullptr));
        bar = CreateAddonWindow(GetModuleHandleA(nullptr), true);
        parts.reset(new AddonParts(kPartTopBar | kPartStatus | kPartTools | kPartProjects,
                                   ide.Services(), bar, true));
        parts->environment.instance = GetModuleHandleA(nullptr);
        Bar->settings.hierarchical = 1;
        ASSERT_TRUE(ide.Projects().Open(kSample + "\\APP.IDE"));
        Pump();
    }
    void TearDown() override {
        ide.Projects().Close(false);
        parts.reset();
        NodeMenus.Clear();
        DestroyAddonWindow(bar);
        UnregisterAddonClass(GetModuleHandleA(nullptr));
        SetCurrentDirectoryA(startDirectory.c_str());
        Pump();
    }
    void Command(UINT id) {
        SendMessageA(bar, WM_COMMAND, id, 0);
        Pump();
    }
    std::vector<HWND> Editors() { return frame.Editors().Windows(); }
    HWND TopChild() { return GetWindow(frame.MdiClient(), GW_CHILD); }

    MemoryRegistry registry;
    MessageRecorder messages;
    LaunchRecorder launches;
    host::StandInIde ide;
    host::FrameWindow frame{ide};
    std::unique_ptr<testing_support::AddonParts> parts;
    HWND bar = nullptr;
    std::string startDirectory;
};

} // namespace

TEST_F(WithStandInWindows, OneViewPerFileUnlessShiftIsHeld) {
    Command(10000); // main.cpp
    ASSERT_EQ(Editors().size(), 1u) << "the IDE's EditText tool opened an editor";
    HWND main = Editors()[0];
    EXPECT_EQ(Title(main), kSample + "\\src\\main.cpp");
    Command(10003); // util.cpp
    ASSERT_EQ(Editors().size(), 2u);
    EXPECT_NE(TopChild(), main);

    Command(10000);
    EXPECT_EQ(Editors().size(), 2u) << "no second view of main.cpp";
    EXPECT_EQ(TopChild(), main);

    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    Command(10000);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    ASSERT_EQ(Editors().size(), 3u) << "Shift: another view";
    EXPECT_EQ(Title(Editors()[2]), kSample + "\\src\\main.cpp:2");
}

TEST_F(WithStandInWindows, OpenFileMessageFindsTheEditorByItsWholePath) {
    Command(10003); // util.cpp
    Command(10000); // main.cpp, on top
    ASSERT_EQ(Editors().size(), 2u);
    static std::string util = kSample + "\\SRC\\UTIL.CPP";
    SendMessageA(bar, kOpenFileMessage, 5, reinterpret_cast<LPARAM>(util.c_str()));
    EXPECT_EQ(Title(TopChild()), kSample + "\\src\\util.cpp");
    EXPECT_EQ(Editors().size(), 2u);
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, bar, kGoToLineMessage, kGoToLineMessage, PM_REMOVE));
    // Another file of the same name elsewhere is not that editor.
    static std::string other = kSample + "\\tools\\util.cpp";
    SendMessageA(bar, kOpenFileMessage, 5, reinterpret_cast<LPARAM>(other.c_str()));
    EXPECT_EQ(Editors().size(), 3u);
}
