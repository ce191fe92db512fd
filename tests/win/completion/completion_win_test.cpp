// Keyword completion on a real editor of the stand-in IDE: the completion key pressed as real
// input goes through the keyboard hook and the bar's command 102 to the editor's text, caret
// and status line; the key-capture dialog names the keys struck and validates on a left click.
#include <windows.h>

#include "addon/shell/addon_window.h"
#include "addon/shell/hooks.h"
#include "addon_parts.h"
#include "completion/keyword_completion.h"
#include "core/globals.h"
#include "core/shell/hook_state.h"
#include "core/shell/key_capture.h"
#include "frame_window.h"
#include "memory_registry.h"
#include "stand_in_ide.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace qelvo;
using namespace qelvo::testing_support;

namespace {

void Pump(int milliseconds = 0) {
    DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (milliseconds) Sleep(5);
    } while (milliseconds && static_cast<int>(end - GetTickCount()) > 0);
}

// A key as a keyboard gives it: virtual key and scan code.
void Key(WORD vk, bool up) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, 0));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

const WORD kQuoteKey = 0xDE; // the completion key by default (222)

class CompletionOnEditors : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.Create(SW_SHOWNORMAL));
        SetForegroundWindow(frame.Window());
        HINSTANCE instance = GetModuleHandleA(nullptr);
        RegisterAddonClass(instance);
        bar = CreateAddonWindow(instance, true);
        parts.reset(new AddonParts(kPartCompletion | kPartEditorAccess | kPartStatus,
                                   ide.Services(), bar, true));
        parts->environment.instance = instance;
        hooks.reset(new HookSet(bar, instance));
        ASSERT_TRUE(Completion);
        EXPECT_EQ(Completion->settings.keyCode, 222);
        Completion->AddKeywordFile(
            dir.Write("api.kwd", "CreateWindow|HWND %s(LPCTSTR lpClassName, ...)\n"
                                 "CreateWindowEx\nmin|int %s(int a, int b)\n")
                .c_str());
        Completion->SortKeywords();
        RECT place = {10, 10, 650, 410};
        editor = frame.Editors().Open(dir.Write("main.cpp", "int x = CreateW\r\nmin\r\n"), &place);
        ASSERT_NE(editor, nullptr);
        edit = FindWindowExA(editor, nullptr, "EditWindClass", nullptr);
        SetFocus(edit);
        Pump(100);
    }
    void TearDown() override {
        hooks.reset();
        parts.reset();
        DestroyAddonWindow(bar);
        UnregisterAddonClass(GetModuleHandleA(nullptr));
        Pump();
    }
    void CaretAt(int offset) {
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(offset), offset);
    }
    void PressCompletionKey() {
        Key(kQuoteKey, false);
        Pump(50);
        Key(kQuoteKey, true);
        Pump(100);
    }
    std::string Text() {
        char text[512] = "";
        GetWindowTextA(edit, text, sizeof text);
        return text;
    }
    int Caret() {
        DWORD start = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
        return static_cast<int>(start);
    }
    std::string Status() {
        const std::vector<std::string>& log = ide.Frame().StatusLog();
        return log.empty() ? "(none)" : log.back();
    }

    MemoryRegistry registry;
    TempDir dir;
    host::StandInIde ide;
    host::FrameWindow frame{ide};
    std::unique_ptr<AddonParts> parts;
    std::unique_ptr<HookSet> hooks;
    HWND bar = nullptr, editor = nullptr, edit = nullptr;
};

TEST_F(CompletionOnEditors, TheKeyCompletesTheWordBeforeTheCaret) {
    CaretAt(15); // after "CreateW"
    PressCompletionKey();
    EXPECT_EQ(Text(), "int x = CreateWindow\r\nmin\r\n") << "the key itself is swallowed";
    EXPECT_EQ(Caret(), 20);
    EXPECT_EQ(Status(), "Possible :CreateWindow, CreateWindowEx");
    // Nothing more to add; the first candidate's help was noted with the insertion, so it
    // shows now.
    PressCompletionKey();
    EXPECT_EQ(Text(), "int x = CreateWindow\r\nmin\r\n");
    EXPECT_EQ(Status(), "HWND CreateWindow(LPCTSTR lpClassName, ...)");

    CaretAt(25); // after "min", line 2
    PressCompletionKey();
    EXPECT_EQ(Status(), "Completion complete");
    PressCompletionKey();
    EXPECT_EQ(Status(), "int min(int a, int b)");
    EXPECT_EQ(Text(), "int x = CreateWindow\r\nmin\r\n");

    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(" CreateWindowE"));
    PressCompletionKey();
    EXPECT_EQ(Text(), "int x = CreateWindow\r\nmin CreateWindowEx\r\n");
    EXPECT_EQ(Caret(), 40);
    EXPECT_EQ(Status(), "Completion done");
}

// What the capture dialog showed, read from inside its modal loop, and the keys struck there.
struct CaptureProbe {
    int step = 0;
    HWND dialog = nullptr;
    std::vector<std::string> texts; // the key text after each stroke
    std::vector<std::string> labels;
} capture;

std::string ItemText(HWND dialog, int id) {
    char text[128] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void CALLBACK CaptureTick(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!capture.dialog) {
        capture.dialog = FindWindowA("#32770", "Strike any key...");
        if (!capture.dialog) return;
        for (HWND child = GetWindow(capture.dialog, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            char text[128] = "";
            GetWindowTextA(child, text, sizeof text);
            capture.labels.push_back(text);
        }
    }
    switch (capture.step++) {
    case 0: // Ctrl alone: swallowed, nothing shown
        Key(VK_CONTROL, false);
        break;
    case 1:
        capture.texts.push_back(ItemText(capture.dialog, 101));
        Key(VK_CONTROL, true);
        break;
    case 2:
        Key(VK_CONTROL, false);
        Key(VK_MENU, false);
        break;
    case 3: Key(VK_F5, false); break;
    case 4:
        Key(VK_F5, true);
        Key(VK_MENU, true);
        Key(VK_CONTROL, true);
        break;
    case 5:
        capture.texts.push_back(ItemText(capture.dialog, 101));
        Key(VK_SHIFT, false);
        Key(VK_F6, false);
        break;
    case 6:
        Key(VK_F6, true);
        Key(VK_SHIFT, true);
        break;
    case 7: {
        capture.texts.push_back(ItemText(capture.dialog, 101));
        RECT r;
        GetWindowRect(capture.dialog, &r);
        SetCursorPos((r.left + r.right) / 2, r.bottom - 8);
        break;
    }
    case 8: {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_MOUSE;
        in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, in, sizeof in[0]);
        break;
    }
    default:
        if (capture.step > 100) EndDialog(capture.dialog, 0); // never left waiting
        KillTimer(nullptr, timer);
        break;
    }
}

TEST_F(CompletionOnEditors, TheCaptureDialogNamesTheKeysAndALeftClickValidates) {
    capture = CaptureProbe();
    int code = 222;
    char text[kMaxKeyText + 1] = "???";
    UINT_PTR timer = SetTimer(nullptr, 0, 150, CaptureTick);
    int result = ChooseKey(frame.Window(), code, text);
    KillTimer(nullptr, timer);
    EXPECT_EQ(capture.labels, (std::vector<std::string>{"Choosen code :", "???",
                                                        "Left click to validate"}));
    ASSERT_EQ(capture.texts.size(), 3u);
    EXPECT_EQ(capture.texts[0], "???") << "Ctrl alone sends nothing";
    EXPECT_EQ(capture.texts[1], "Ctrl+Alt+F5");
    EXPECT_EQ(capture.texts[2], "Shift+F6");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(code, 1000 + VK_F6);
    EXPECT_STREQ(text, "Shift+F6");
    EXPECT_EQ(Hooks->captureWindow, nullptr) << "the capture ends with the dialog";
    // Keys reach the IDE again.
    CaretAt(15);
    PressCompletionKey();
    EXPECT_EQ(Text(), "int x = CreateWindow\r\nmin\r\n");
}

} // namespace
