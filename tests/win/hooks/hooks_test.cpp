// The add-on's shell driven with real synthetic input: caption clicks, hot keys and key
// capture through the hooks, window events of the IDE's frame and editors, the bar's expansion,
// and the command routing.
#include <windows.h>

#include "addon/shell/addon_window.h"
#include "addon/shell/command_routing.h"
#include "addon/shell/hooks.h"
#include "addon_parts.h"
#include "automation/general_automation.h"
#include "completion/keyword_completion.h"
#include "core/globals.h"
#include "core/services.h"
#include "core/shell/find_window.h"
#include "ide_windows.h"
#include "memory_registry.h"
#include "navigation/editor_menu.h"
#include "navigation/quick_find.h"
#include "navigation/shell/navigation_commands.h"
#include "recorders.h"
#include "stand_in_ide.h"
#include "topbar/top_bar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
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
        HINSTANCE instance = GetModuleHandleA(nullptr);
        RegisterAddonClass(instance);
        bar = CreateAddonWindow(instance, true);
        parts.reset(new AddonParts(kPartQuickFind | kPartEditorMenu | kPartTopBar |
                                       kPartCompletion | kPartAutomation,
                                   nullptr, bar, true));
        parts->environment.instance = instance;
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
        parts.reset();
        Pump();
    }

    MemoryRegistry registry;
    MessageRecorder messages;
    IdeWindows ide;
    std::unique_ptr<AddonParts> parts;
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
    // Several views of one file stay: the open-file check would close the later ones.
    Bar->settings.editOtherView = 1;
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
    QuickFinder->settings.leftSide = 0; // the buttons on the right of the caption
    HWND editor = ide.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP:2 *", 10, 10, 600, 400);
    Pump(50);
    RECT r;
    GetWindowRect(editor, &r);
    int x0 = r.right - 58 - 72;
    const UINT expected[] = {189, 187, 188};
    for (int k = 0; k < 3; ++k) {
        commands.clear();
        POINT p = {x0 + 24 * k + 3, r.top + 10};
        HWND under = WindowFromPoint(p);
        ASSERT_EQ(under, editor) << "something else lies under the button";
        LRESULT hit = SendMessageA(editor, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
        EXPECT_NE(hit, HTCLIENT);
        Click(p.x, p.y);
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
    commands.clear();
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

TEST_F(Shell, CaptionButtonsOnTheLeftFollowTheCaptionText) {
    ASSERT_EQ(QuickFinder->settings.leftSide, 1) << "the default";
    HWND editor = ide.AddChild("BCW5Editor", "C:\\A.CPP", 10, 10, 600, 400);
    Pump(50);
    RECT r;
    GetWindowRect(editor, &r);
    HDC dc = GetDC(editor);
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SIZE text;
    GetTextExtentPoint32A(dc, "C:\\A.CPP", 8, &text);
    SelectObject(dc, old);
    ReleaseDC(editor, dc);
    int x0 = r.left + text.cx + 23;
    ASSERT_LT(x0, r.right - 58 - 72);
    commands.clear();
    Click(x0 + 24 + 2, r.top + 10);
    EXPECT_EQ(Ids(), std::vector<UINT>{187});
    EXPECT_EQ(Hooks->clickPoint.x, x0 + 24 + 1 - 2);
}

TEST_F(Shell, CaptionClicksAreLeftAloneWhileNavigationIsOffOrAPopupIsTracked) {
    QuickFinder->settings.leftSide = 0;
    HWND editor = ide.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP", 10, 10, 600, 400);
    Pump(50);
    RECT r;
    GetWindowRect(editor, &r);
    commands.clear();
    EditorMenus->settings.enabled = 0;
    Click(r.right - 58 - 72 + 3, r.top + 10);
    EditorMenus->settings.enabled = 1;
    Hooks->popupActive = true;
    Click(r.right - 58 - 72 + 3, r.top + 10);
    Hooks->popupActive = false;
    for (UINT id : Ids())
        EXPECT_TRUE(id != 187 && id != 188 && id != 189) << id;
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
    struct Probe {
        static LRESULT CALLBACK Procedure(HWND w, UINT m, WPARAM wp, LPARAM lp) {
            if (m == kCapturedKeyMessage)
                captured.push_back({wp, lp});
            return DefWindowProcA(w, m, wp, lp);
        }
    };
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Probe::Procedure;
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
    EXPECT_TRUE(IsTopmost(bar));
    HWND other = CreateWindowA("STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                               200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
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

TEST_F(Shell, TheBarNeverKeepsTheKeyboard) {
    SetActiveWindow(bar);
    Pump(20);
    SendMessageA(bar, WM_ACTIVATE, WA_CLICKACTIVE, reinterpret_cast<LPARAM>(ide.frame));
    Pump(20);
    EXPECT_EQ(GetActiveWindow(), ide.frame) << "a click hands the activation back";
}

TEST_F(Shell, ABarOfOneRowStaysOneRowWhenItsMenuOpens) {
    Bar->fullHeight = 0;
    int base = GetSystemMetrics(SM_CYMENU) + 1;
    SendMessageA(bar, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(bar)), 0);
    RECT window, client;
    GetWindowRect(bar, &window);
    GetClientRect(bar, &client);
    EXPECT_EQ(window.bottom - window.top, base) << "measured, then placed at what it measured";
    EXPECT_EQ(client.bottom - client.top, 0) << "no client area shows";
    EXPECT_EQ(Bar->fullHeight, base);
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
    Automation->tickCount = 42;
    PostMessageA(ide.frame, WM_COMMAND, 13104, 0);
    Pump(20);
    EXPECT_EQ(Automation->tickCount, 0);
}

TEST_F(Shell, MenuHintsGoToTheStatusLine) {
    host::StandInIde ide2;
    Status = new StatusHolder(ide2.Services());
    auto select = [this](UINT item, UINT flags) {
        SendMessageA(bar, WM_MENUSELECT, MAKEWPARAM(item, flags),
                     reinterpret_cast<LPARAM>(GetMenu(bar)));
    };
    select(199, MF_STRING);
    EXPECT_EQ(ide2.Frame().StatusText(), "Open options dialog");
    select(196, MF_STRING);
    EXPECT_EQ(ide2.Frame().StatusText(), "Open help window");
    select(99, MF_STRING);
    EXPECT_EQ(ide2.Frame().StatusText(), " ");
    size_t shown = ide2.Frame().StatusLog().size();
    select(5, MF_POPUP);
    select(199, MF_STRING | MF_GRAYED);
    SendMessageA(bar, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0); // the menu closes
    Hooks->popupActive = true;
    select(199, MF_STRING);
    Hooks->popupActive = false;
    EXPECT_EQ(ide2.Frame().StatusLog().size(), shown) << "popups, disabled items, the end";
    delete Status;
    Status = nullptr;
}

TEST_F(Shell, EveryRoutedCommandIsHarmless) {
    // Owners that are not built yet: their commands arrive and do nothing else.
    for (const CommandRoute* r = kCommandRoutes; r->first; ++r) {
        if (r->handle)
            continue;
        SendMessageA(bar, WM_COMMAND, r->first, 0);
        SendMessageA(bar, WM_COMMAND, r->last, 0);
    }
    Pump(20);
    EXPECT_TRUE(IsWindow(bar));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(FindRoute(99)->handle, nullptr);
    EXPECT_EQ(FindRoute(150), nullptr) << "not in the plan";
}

TEST_F(Shell, OptionsCommandAsksTheFrame) {
    SendMessageA(bar, WM_COMMAND, 199, 0);
    Pump(20);
    bool asked = false;
    for (const Received& r : ReceivedMessages())
        asked = asked || (r.window == ide.frame && r.message == WM_COMMAND && r.wParam == 13492);
    EXPECT_TRUE(asked);
    ReceivedMessages().clear();
    EnableWindow(ide.frame, FALSE);
    SendMessageA(bar, WM_COMMAND, 199, 0);
    Pump(20);
    EnableWindow(ide.frame, TRUE);
    for (const Received& r : ReceivedMessages())
        EXPECT_NE(r.wParam, 13492u) << "not while the frame is disabled";
}

namespace {
std::vector<std::string> popupItems;
// Reads the tracked popup's items and closes it.
void CALLBACK ReadPopup(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menuWindow = FindWindowA("#32768", nullptr);
    if (!menuWindow)
        return;
    KillTimer(nullptr, id);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, 0x01E1, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[80] = {0};
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        popupItems.push_back(std::to_string(GetMenuItemID(menu, i)) + " " + text);
    }
    EndMenu();
}
} // namespace

TEST_F(Shell, QuickFindAndDocumentationPopups) {
    forwardPopups = true;
    QuickFinder->settings.keys[kFindMethod] = 5114;
    QuickFinder->settings.keyTexts[kFindMethod] = "Ctrl+Shift+F3";
    popupItems.clear();
    SetTimer(nullptr, 0, 50, ReadPopup);
    SendMessageA(bar, WM_COMMAND, 188, 0);
    EXPECT_EQ(popupItems, (std::vector<std::string>{"190 Find as function... ",
                                                    "191 Find as method... \tCtrl+Shift+F3",
                                                    "192 Find as class... ", "0 ",
                                                    "193 Cross reference... "}));
    EXPECT_FALSE(Hooks->popupActive);
    popupItems.clear();
    SetTimer(nullptr, 0, 50, ReadPopup);
    SendMessageA(bar, WM_COMMAND, 197, 0);
    EXPECT_EQ(popupItems, std::vector<std::string>{"177 Edit Documentation"});
}
