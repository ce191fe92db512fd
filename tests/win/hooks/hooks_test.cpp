// The add-on's shell driven with real synthetic input: caption clicks, hot keys and key
// capture through the hooks, window events of the IDE's frame and editors, the bar's expansion,
// and the command routing.
#include <windows.h>

#include "completion/keyword_completion.h"
#include "core/globals.h"
#include "core/services.h"
#include "core/shell/addon_window.h"
#include "core/shell/command_routing.h"
#include "core/shell/find_window.h"
#include "core/shell/hooks.h"
#include "ide_windows.h"
#include "memory_registry.h"
#include "navigation/editor_menu.h"
#include "navigation/quick_find.h"
#include "recorders.h"
#include "topbar/top_bar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qelvo;
using namespace qelvo::testing_support;

namespace {

struct Command {
    UINT id;
    LPARAM lParam;
};

std::vector<Command> commands;
bool forwardPopups = false;
WNDPROC originalProc = nullptr;

// Sees every command the bar gets; the popups are held back unless a test wants them.
LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        UINT id = LOWORD(wParam);
        commands.push_back({id, lParam});
        if (!forwardPopups && (id == 187 || id == 188 || id == 189 || id == 197))
            return 0;
    }
    return CallWindowProcA(originalProc, window, message, wParam, lParam);
}

std::vector<UINT> Ids() {
    std::vector<UINT> ids;
    for (const Command& c : commands)
        ids.push_back(c.id);
    return ids;
}

void Keys(std::initializer_list<WORD> keys, bool up) {
    for (WORD vk : keys) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &in, sizeof in);
    }
    Pump(30);
}

// Presses the keys together: the downs, then the ups in reverse order.
void Press(std::initializer_list<WORD> keys) {
    Keys(keys, false);
    std::vector<WORD> reversed(keys.begin(), keys.end());
    for (auto it = reversed.rbegin(); it != reversed.rend(); ++it)
        Keys({*it}, true);
}

void Click(int x, int y, bool right = false) {
    SetCursorPos(x, y);
    Pump(10);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof in[0]);
    Pump(60);
}

bool IsTopmost(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

class Shell : public ::testing::Test {
protected:
    void SetUp() override {
        commands.clear();
        forwardPopups = false;
        ReceivedMessages().clear();
        environment.instance = GetModuleHandleA(nullptr);
        environment.newShell = 1;
        Environment = &environment;
        HINSTANCE instance = GetModuleHandleA(nullptr);
        RegisterAddonClass(instance);
        bar = CreateAddonWindow(instance, true);
        AddonWindow = bar;
        QuickFinder = new QuickFind(bar);
        EditorMenus = new EditorMenu(bar, true);
        Bar = new TopBar(true, bar);
        Completion = new KeywordCompletion;
        Automation = new GeneralAutomation;
        ShowWindow(bar, SW_SHOWNOACTIVATE);
        originalProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Recorder)));
        hooks = new HookSet(bar, instance);
        SetForegroundWindow(ide.frame);
        Pump(20);
        commands.clear();
    }
    void TearDown() override {
        delete hooks;
        SetWindowLongPtrA(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc));
        DestroyAddonWindow(bar);
        UnregisterAddonClass(GetModuleHandleA(nullptr));
        AddonWindow = nullptr;
        delete Automation;
        delete Completion;
        delete Bar;
        delete EditorMenus;
        delete QuickFinder;
        Automation = nullptr;
        Completion = nullptr;
        Bar = nullptr;
        EditorMenus = nullptr;
        QuickFinder = nullptr;
        Environment = nullptr;
        Pump();
    }

    MemoryRegistry registry;
    MessageRecorder messages;
    IdeWindows ide;
    AddonEnvironment environment;
    HWND bar = nullptr;
    HookSet* hooks = nullptr;
};

} // namespace

TEST_F(Shell, HooksAreInstalledAndRemoved) {
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(hooks->Installed(i)) << i;
    EXPECT_EQ(Hooks, hooks);
}

TEST_F(Shell, FindChildWindowByTitlePart) {
    HWND x = ide.AddChild("BCW5Editor", "C:\\SRC\\XMAIN.CPP");
    HWND b = ide.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP.BAK");
    HWND view = ide.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP:2");
    HWND bare = ide.AddChild("BCW5Editor", "MAIN.CPP");
    HWND first = FindChildWindow(ide.client, "BCW5Editor", "MAIN.CPP");
    ASSERT_TRUE(first == view || first == bare);
    HWND second = FindChildWindowExcept(ide.client, "BCW5Editor", "MAIN.CPP", first);
    EXPECT_EQ(second, first == view ? bare : view);
    EXPECT_EQ(FindChildWindow(ide.client, "BCW5Project", "MAIN.CPP"), nullptr);
    EXPECT_EQ(FindChildWindow(ide.client, "BCW5Editor", "XMAIN.CPP"), x);
    EXPECT_EQ(FindChildWindow(ide.client, nullptr, "MAIN.CPP.BAK"), b);
    EXPECT_EQ(FindFrame(), ide.frame);
    EXPECT_EQ(FindMdiClient(), ide.client);
}

TEST_F(Shell, EditorCreationPostsItsCommand) {
    HWND editor = ide.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP");
    Pump(20);
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands[0].id, 101u);
    EXPECT_EQ(reinterpret_cast<HWND>(commands[0].lParam), editor);
}

TEST_F(Shell, ProjectWindowPostsARebuildOnlyWhenHidingWithTheView) {
    HWND project = ide.AddChild("BCW5Project", "Project : app.ide");
    ide.Close(project);
    for (UINT id : Ids())
        EXPECT_NE(id, 103u) << "HideWithView is off";
    commands.clear();
    Bar->settings.hideWithView = 1;
    project = ide.AddChild("BCW5Project", "Project : app.ide");
    ide.Close(project);
    std::vector<UINT> ids = Ids();
    EXPECT_EQ(std::count(ids.begin(), ids.end(), 103u), 2) << "created and destroyed";
    commands.clear();
    Bar->settings.hierarchical = 2;
    project = ide.AddChild("BCW5Project", "Project : app.ide");
    ide.Close(project);
    for (UINT id : Ids())
        EXPECT_NE(id, 103u) << "no node menus to rebuild";
}

TEST_F(Shell, CaptionButtonsPostTheirCommandsWithThePopupPoint) {
    HWND editor = ide.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP:2 *", 10, 10, 600, 400);
    Pump(50);
    RECT r;
    GetWindowRect(editor, &r);
    int x0 = r.right - 58 - 72;
    const UINT expected[] = {189, 187, 188};
    for (int k = 0; k < 3; ++k) {
        commands.clear();
        Click(x0 + 24 * k + 3, r.top + 10);
        ASSERT_EQ(Ids(), std::vector<UINT>{expected[k]}) << "button " << k;
        EXPECT_EQ(Hooks->clickPoint.x, x0 + 24 * k + 1 - 2);
        EXPECT_EQ(Hooks->clickPoint.y, r.top + GetSystemMetrics(SM_CYCAPTION) + 2 + 1);
        EXPECT_EQ(Hooks->lastEditor, editor);
        EXPECT_STREQ(Hooks->lastEditorTitle, "C:\\SRC\\MAIN.CPP");
    }
    commands.clear();
    Click(x0 + 24 * 2 + 23, r.top + 4); // the last pixel column of the third button
    EXPECT_EQ(Ids(), std::vector<UINT>{188});
    commands.clear();
    Click(x0 + 5, r.top + 3); // one pixel above the row
    EXPECT_TRUE(commands.empty());
}

TEST_F(Shell, RightClickOnACaptionAsksForTheDocumentation) {
    HWND editor = ide.AddChild("BCW5Editor", "C:\\SRC\\UTIL.CPP *", 10, 10, 600, 400);
    Pump(50);
    RECT r;
    GetWindowRect(editor, &r);
    Click(r.left + 100, r.top + 10, true);
    ASSERT_EQ(Ids(), std::vector<UINT>{197});
    EXPECT_EQ(Hooks->clickPoint.x, r.left + 100);
    EXPECT_STREQ(Hooks->lastEditorTitle, "C:\\SRC\\UTIL.CPP");

    commands.clear();
    EnableWindow(editor, FALSE);
    Click(r.left + 100, r.top + 10, true);
    EXPECT_TRUE(commands.empty()) << "a disabled editor's click passes through";
    EnableWindow(editor, TRUE);
}

TEST_F(Shell, CaptionClicksAreLeftAloneWhileNavigationIsOffOrAPopupIsTracked) {
    HWND editor = ide.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP", 10, 10, 600, 400);
    Pump(50);
    RECT r;
    GetWindowRect(editor, &r);
    EditorMenus->settings.enabled = 0;
    Click(r.right - 58 - 72 + 3, r.top + 10);
    EditorMenus->settings.enabled = 1;
    Hooks->popupActive = true;
    Click(r.right - 58 - 72 + 3, r.top + 10);
    Hooks->popupActive = false;
    EXPECT_TRUE(commands.empty());
}

TEST_F(Shell, QuickFindHotKeys) {
    ide.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP *");
    SetForegroundWindow(ide.frame);
    Pump(20);
    commands.clear();
    QuickFinder->settings.keys[kFindFunction] = 5114; // Ctrl+Shift+F3
    QuickFinder->settings.keys[kFindCross] = 2000 + 'X'; // Alt+X
    Press({VK_F3});
    EXPECT_TRUE(commands.empty()) << "F3 alone";
    Press({VK_CONTROL, VK_SHIFT, VK_F3});
    EXPECT_EQ(Ids(), std::vector<UINT>{190});
    EXPECT_STREQ(Hooks->lastEditorTitle, "C:\\SRC\\MAIN.CPP");
    commands.clear();
    Press({VK_MENU, 'X'});
    EXPECT_EQ(Ids(), std::vector<UINT>{193});
}

TEST_F(Shell, CompletionKey) {
    ide.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP");
    SetForegroundWindow(ide.frame);
    Pump(20);
    commands.clear();
    Completion->settings.keyCode = 4000 + VK_SPACE; // Ctrl+Space
    Press({VK_SPACE});
    EXPECT_TRUE(commands.empty());
    Press({VK_CONTROL, VK_SPACE});
    EXPECT_EQ(Ids(), std::vector<UINT>{102});
    commands.clear();
    Completion->settings.enabled = 0;
    Press({VK_CONTROL, VK_SPACE});
    EXPECT_TRUE(commands.empty());
}

TEST_F(Shell, KeyCaptureSwallowsEveryKey) {
    HWND editor = ide.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP");
    SetForegroundWindow(ide.frame);
    SetFocus(editor);
    Pump(20);
    // The capture window records what it is sent.
    static std::vector<std::pair<WPARAM, LPARAM>> captured;
    captured.clear();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == kCapturedKeyMessage)
            captured.push_back({wp, lp});
        return DefWindowProcA(w, m, wp, lp);
    };
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CaptureProbe";
    RegisterClassA(&wc);
    HWND capture = CreateWindowA("CaptureProbe", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ReceivedMessages().clear();
    SetCaptureWindow(capture);
    Press({VK_CONTROL});
    EXPECT_TRUE(captured.empty()) << "Ctrl alone sends nothing";
    Press({VK_CONTROL, VK_SHIFT, VK_F3});
    ASSERT_EQ(captured.size(), 1u);
    EXPECT_EQ(captured[0].first, 5114u);
    for (const Received& r : ReceivedMessages())
        EXPECT_NE(r.message, static_cast<UINT>(WM_KEYDOWN)) << "the IDE got a key";
    ClearCaptureWindow();
    Press({'A'});
    bool reached = false;
    for (const Received& r : ReceivedMessages())
        reached = reached || r.message == WM_KEYDOWN;
    EXPECT_TRUE(reached) << "keys reach the IDE again";
    DestroyWindow(capture);
    UnregisterClassA("CaptureProbe", GetModuleHandleA(nullptr));
}

TEST_F(Shell, TheFrameHidesAndShowsTheBar) {
    EXPECT_TRUE(IsWindowVisible(bar));
    ShowWindow(ide.frame, SW_MINIMIZE);
    Pump(50);
    EXPECT_FALSE(IsWindowVisible(bar));
    ShowWindow(ide.frame, SW_RESTORE);
    Pump(50);
    EXPECT_TRUE(IsWindowVisible(bar));
    Bar->settings.hideWithBCW = 0;
    ShowWindow(ide.frame, SW_MINIMIZE);
    Pump(50);
    EXPECT_TRUE(IsWindowVisible(bar));
    ShowWindow(ide.frame, SW_RESTORE);
    Pump(50);
}

TEST_F(Shell, TheFramesActivationMovesTheBarInAndOutOfTheTopmostBand) {
    HWND other = CreateWindowA("STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                               200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_TRUE(IsTopmost(bar));
    SetForegroundWindow(other);
    Pump(50);
    EXPECT_FALSE(IsTopmost(bar));
    SetForegroundWindow(ide.frame);
    Pump(50);
    EXPECT_TRUE(IsTopmost(bar));
    Bar->settings.alwaysOnTop = 1;
    SetForegroundWindow(other);
    Pump(50);
    EXPECT_TRUE(IsTopmost(bar)) << "always on top";
    DestroyWindow(other);
    Pump();
}

TEST_F(Shell, OpeningTheMenuExpandsTheBarAndACommandCollapsesIt) {
    HMENU menu = CreateMenu();
    for (int i = 0; i < 60; ++i) {
        std::string text = "Container popup " + std::to_string(i);
        AppendMenuA(menu, MF_STRING, 10000 + i, text.c_str());
    }
    HMENU old = GetMenu(bar);
    SetMenu(bar, menu);
    DestroyMenu(old);
    Bar->fullHeight = 0;
    int base = GetSystemMetrics(SM_CYMENU) + 1;
    SendMessageA(bar, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    RECT window, client, last;
    GetWindowRect(bar, &window);
    GetClientRect(bar, &client);
    EXPECT_GT(window.bottom - window.top, 2 * base) << "several rows";
    EXPECT_EQ(client.bottom - client.top, 0) << "only the menu bar's rows show";
    ASSERT_TRUE(GetMenuItemRect(bar, menu, 59, &last));
    EXPECT_LE(last.bottom, window.bottom) << "the last row is visible";
    EXPECT_TRUE(Bar->expanded);
    EXPECT_EQ(window.left, Bar->settings.leftMargin);

    SendMessageA(bar, WM_COMMAND, 100, 0);
    GetWindowRect(bar, &window);
    EXPECT_EQ(window.bottom - window.top, base);
    EXPECT_FALSE(Bar->expanded);

    // Command 111 (painting) leaves an expanded bar as it is.
    SendMessageA(bar, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    SendMessageA(bar, WM_COMMAND, 111, 0);
    EXPECT_TRUE(Bar->expanded);
    SendMessageA(bar, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_FALSE(Bar->expanded) << "losing the activation collapses it";
}

TEST_F(Shell, SaveAllRestartsTheAutoSaveCount) {
    Automation->secondsSinceSave = 42;
    PostMessageA(ide.frame, WM_COMMAND, 13104, 0);
    Pump(20);
    EXPECT_EQ(Automation->secondsSinceSave, 0);
}

TEST_F(Shell, MenuHints) {
    host::StandInIde* none = nullptr;
    (void)none;
    SendMessageA(bar, WM_MENUSELECT, MAKEWPARAM(199, MF_STRING), reinterpret_cast<LPARAM>(GetMenu(bar)));
    SendMessageA(bar, WM_MENUSELECT, MAKEWPARAM(196, MF_STRING), reinterpret_cast<LPARAM>(GetMenu(bar)));
    SendMessageA(bar, WM_MENUSELECT, MAKEWPARAM(99, MF_STRING), reinterpret_cast<LPARAM>(GetMenu(bar)));
    SendMessageA(bar, WM_MENUSELECT, MAKEWPARAM(5, MF_POPUP), reinterpret_cast<LPARAM>(GetMenu(bar)));
    SendMessageA(bar, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    // Without the IDE's FrameService the hints go nowhere; with it they are the status texts
    // (checked through the stand-in in the add-on's end-to-end tests).
    SUCCEED();
}
