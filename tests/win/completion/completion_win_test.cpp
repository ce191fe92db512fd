// The key-capture dialog from the add-on's resource script, with the add-on's keyboard hook:
// keys struck as real input are named in it, Ctrl alone is swallowed, and a real left click
// validates the last key. (The completion key itself is pressed in tests/e2e/completion, on
// the real add-on.)
#include <windows.h>

#include "addon/shell/addon_window.h"
#include "addon/shell/hooks.h"
#include "core/shell/hook_state.h"
#include "core/shell/key_capture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qelvo;

namespace {

// A key as a keyboard gives it: virtual key and scan code.
void Key(WORD vk, bool up) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, 0));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
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

TEST(KeyCapture, TheDialogNamesTheKeysAndALeftClickValidates) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterAddonClass(instance);
    HWND bar = CreateAddonWindow(instance, true);
    HookSet* hooks = new HookSet(bar, instance);
    capture = CaptureProbe();
    int code = 222;
    char text[kMaxKeyText + 1] = "???";
    UINT_PTR timer = SetTimer(nullptr, 0, 150, CaptureTick);
    int result = ChooseKey(bar, code, text);
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
    delete hooks;
    DestroyAddonWindow(bar);
    UnregisterAddonClass(instance);
}

} // namespace
