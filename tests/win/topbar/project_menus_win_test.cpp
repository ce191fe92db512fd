// The project menus on real windows: the bar's menus made from the sample project and read
// back, node items bringing an editor forward or running the IDE's tool, run items, a rename
// changing one caption in place, and the add-on window's documentation and open-file commands.
#include <windows.h>

#include "core/globals.h"
#include "core/services.h"
#include "addon/shell/addon_window.h"
#include "addon/shell/hooks.h"
#include "addon_parts.h"
#include "dialog_driver.h"
#include "core/recent_lists.h"
#include "foundation/settings.h"
#include "core/shell/open_file_check.h"
#include "core/tool_table.h"
#include "topbar/shell/quick_add_dialog.h"
#include "ide_windows.h"
#include "memory_registry.h"
#include "recorders.h"
#include "stand_in_ide.h"
#include "temp_dir.h"
#include "topbar/node_menus.h"
#include "core/project_session.h"
#include "topbar/top_bar.h"
#include "topbar/topbar_shell.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace qelvo;
using namespace qelvo::testing_support;

namespace {

const std::string kSample = QELVO_SAMPLES_DIR "\\app";

// A menu as text: Caption{items} for a popup, Caption=command for an item, '|' before an item
// that starts a column (or a row of the bar), '-' for a separator.
std::string Read(HMENU menu) {
    std::string text;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += ", ";
        UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        if (state & MF_MENUBARBREAK)
            text += "|";
        char caption[100] = {0};
        GetMenuStringA(menu, static_cast<UINT>(i), caption, sizeof caption, MF_BYPOSITION);
        // A popup's state carries its item count in the high byte: the popup is asked first.
        if (HMENU sub = GetSubMenu(menu, i))
            text += std::string(caption) + "{" + Read(sub) + "}";
        else if (state & MF_SEPARATOR)
            text += "-";
        else
            text += std::string(caption) + "=" + std::to_string(GetMenuItemID(menu, i));
    }
    return text;
}

void KeyEvent(WORD key, bool up) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
    Pump(30);
}

// Runs the action with the keys down in the thread's keyboard state, then lets them go.
template <class Action> void HeldKeys(std::initializer_list<int> keys, Action action) {
    BYTE state[256];
    GetKeyboardState(state);
    for (int key : keys)
        state[key] = 0x80;
    SetKeyboardState(state);
    action();
    for (int key : keys)
        state[key] = 0;
    SetKeyboardState(state);
}

class ProjectMenus : public ::testing::Test {
protected:
    void SetUp() override {
        startDirectory = platform::CurrentDirectory();
        HINSTANCE instance = GetModuleHandleA(nullptr);
        RegisterAddonClass(instance);
        bar = CreateAddonWindow(instance, true);
        ShowWindow(bar, SW_SHOWNOACTIVATE);
        LoadRecentLists();
        parts.reset(new AddonParts(kPartTopBar | kPartStatus | kPartTools | kPartProjects | kPartHtml,
                                   ide.Services(), bar, true));
        parts->environment.instance = instance;
        hooks = new HookSet(bar, instance);
        SetForegroundWindow(windows.frame);
        Pump(20);
    }
    void TearDown() override {
        delete hooks;
        parts.reset();
        NodeMenus.Clear();
        DestroyAddonWindow(bar);
        UnregisterAddonClass(GetModuleHandleA(nullptr));
        SetCurrentDirectoryA(startDirectory.c_str());
        Pump();
        EXPECT_EQ(ide.ServiceReferences(), 0u);
        EXPECT_EQ(ProjectClientImpl::Live(), 0);
    }

    void OpenSample(int layout) {
        WriteInt("TopBar", "Hierarchical", layout); // the sample stores no layout of its own
        ASSERT_TRUE(ide.Projects().Open(kSample + "\\APP.IDE"));
        Pump();
    }
    ide::IdeNode NodeNamed(const std::string& name) {
        host::Project* project = ide.Projects().Current();
        std::vector<ide::IdeNode> pending{project->Top()};
        while (!pending.empty()) {
            ide::IdeNode node = pending.back();
            pending.pop_back();
            if (project->Node(node)->name == name)
                return node;
            for (ide::IdeNode child : project->Node(node)->children)
                pending.push_back(child);
        }
        return 0;
    }
    void Command(UINT id) {
        SendMessageA(bar, WM_COMMAND, id, 0);
        Pump(10);
    }
    std::vector<std::string> Runs() {
        std::vector<std::string> runs;
        for (const host::ToolRun& run : ide.Tools().Runs())
            runs.push_back(run.tool + " " + run.fileName);
        return runs;
    }

    MemoryRegistry registry;
    MessageRecorder messages;
    LaunchRecorder launches;
    host::StandInIde ide;
    IdeWindows windows;
    std::unique_ptr<testing_support::AddonParts> parts;
    HWND bar = nullptr;
    HookSet* hooks = nullptr;
    std::string startDirectory;
};

// The bar's first popup with the sample project open.
#define FIRST_POPUP \
    "Qelvo{run APP.EXE=300, run CONVERT.EXE=301, -, Last Includes{}, -, " \
    "Tasks{Manage...=171, Flash...=173}, Groupware{Get...=175, Send...=176, -, Report...=177, " \
    "Server report...=178, -, Mail...=174}, HTML{Generate=194, Run=195}, -, Options...=199, " \
    "Help...=196}, "

const char kLinearSample[] =
    FIRST_POPUP
    "APP.EXE{app.rc=10004, VERSION.RC=10005, app.def=10006}, "
    "Sources{main.cpp=10000, util.cpp=10003}, Drawing{shapes.cpp=10001, canvas.cpp=10002}, "
    "MATHLIB.LIB{mathlib.cpp=10007}, CONVERT.EXE{convert.cpp=10008, VERSION.RC=10009}, "
    "Headers{shapes.h=10010, canvas.h=10011, util.h=10012, app.rh=10013}, "
    "DELIVERY{APP.EXE=10014, APP.HLP=10015}";

const char kHierarchicalSample[] =
    FIRST_POPUP
    "APP.EXE{Sources{main.cpp=10000, Drawing{shapes.cpp=10001, canvas.cpp=10002}, "
    "util.cpp=10003}, app.rc=10004, VERSION.RC=10005, app.def=10006, "
    "MATHLIB.LIB{mathlib.cpp=10007}}, CONVERT.EXE{convert.cpp=10008, VERSION.RC=10009}, "
    "Headers{shapes.h=10010, canvas.h=10011, util.h=10012, app.rh=10013}, "
    "DELIVERY{APP.EXE=10014, APP.HLP=10015}";

} // namespace

TEST_F(ProjectMenus, SampleProjectInBothLayouts) {
    OpenSample(0);
    EXPECT_EQ(Read(GetMenu(bar)), kLinearSample)
        << "the root's popup held only containers and was removed; #Obsolete ended Sources";
    Bar->settings.hierarchical = 1;
    CurrentTopBarShell()->RebuildBar();
    EXPECT_EQ(Read(GetMenu(bar)), kHierarchicalSample);
    // A popup item's state carries its item count in the high byte.
    HMENU menu = GetMenu(bar);
    UINT state = GetMenuState(menu, 1, MF_BYPOSITION);
    EXPECT_TRUE(state & MF_POPUP);
    EXPECT_EQ(state >> 8, 5u) << "APP.EXE holds five items";
    EXPECT_EQ(GetMenuItemID(menu, 1), static_cast<UINT>(-1));
}

TEST_F(ProjectMenus, ColumnBreaksInTheRealMenus) {
    OpenSample(1);
    host::Project* project = ide.Projects().Current();
    ide::IdeNode pool = project->Add(project->Top(), "Many", "SourcePool");
    for (int i = 1; i <= 21; ++i)
        project->Add(pool, "f" + std::to_string(i) + ".cpp", ".cpp");
    Bar->settings.menuSize = 10;
    CurrentTopBarShell()->RebuildBar();
    HMENU menu = GetMenu(bar);
    int last = GetMenuItemCount(menu) - 1;
    HMENU many = GetSubMenu(menu, last);
    ASSERT_NE(many, nullptr);
    ASSERT_EQ(GetMenuItemCount(many), 21);
    for (UINT i = 0; i < 21; ++i)
        EXPECT_EQ(GetMenuState(many, i, MF_BYPOSITION) & MF_MENUBARBREAK,
                  i == 10 || i == 20 ? static_cast<UINT>(MF_MENUBARBREAK) : 0u)
            << "item " << i + 1;
}

TEST_F(ProjectMenus, NodeItemBringsTheEditorShowingItForward) {
    OpenSample(1);
    HWND main = windows.AddChild("BCW5Editor", (kSample + "\\src\\main.cpp").c_str());
    HWND util = windows.AddChild("BCW5Editor", (kSample + "\\src\\util.cpp:2 *").c_str());
    ASSERT_EQ(GetWindow(windows.client, GW_CHILD), util);
    Command(10000);
    EXPECT_EQ(GetWindow(windows.client, GW_CHILD), main) << "on top of the MDI children";
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(GetActiveWindow(), windows.frame);
    EXPECT_TRUE(Runs().empty()) << "no second view";

    // Another view: with Shift held, or with the setting.
    KeyEvent(VK_SHIFT, false);
    Command(10003);
    KeyEvent(VK_SHIFT, true);
    EXPECT_EQ(GetWindow(windows.client, GW_CHILD), main) << "util.cpp was not raised";
    Bar->settings.editOtherView = 1;
    Command(10000);
    std::vector<std::string> runs = Runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], "EditText " + kSample + "\\src\\util.cpp");
    EXPECT_EQ(runs[1], "EditText " + kSample + "\\src\\main.cpp");

    // Alt or Ctrl alone belong to the quick node edits: a removal answered No and a quick add
    // cancelled open nothing (with the setting still on, an opening would run the tool). The keys are set in the thread's key
    // state: a real Alt released alone would open the frame's menu mode.
    messages.Answer(platform::kIdNo);
    HeldKeys({VK_CONTROL}, [this] { Command(10000); });
    DialogDriver cancel("Quick add node...", [](HWND d) { DialogDriver::Press(d, IDCANCEL); });
    HeldKeys({VK_MENU}, [this] { Command(10000); });
    EXPECT_EQ(cancel.seen, 1);
    EXPECT_EQ(Runs().size(), 2u);
    // Both together: the node's documentation text.
    HeldKeys({VK_CONTROL, VK_MENU}, [this] { Command(10000); });
    std::string upper = kSample + "\\SRC\\MAIN.CPP";
    CharUpperA(&upper[0]);
    ASSERT_EQ(Runs().size(), 3u);
    EXPECT_EQ(Runs()[2], "EditText " + upper + ".txt");
}

TEST_F(ProjectMenus, RunItemStartsTheProgramWithTheFrameActive) {
    OpenSample(0);
    SetForegroundWindow(bar);
    Command(300);
    EXPECT_EQ(launches.programs, std::vector<std::string>{kSample + "\\bin\\APP.EXE"});
    EXPECT_EQ(ide.Frame().StatusText(), "Running " + kSample + "\\bin\\APP.EXE");
    EXPECT_EQ(GetActiveWindow(), windows.frame);
    Command(302);
    EXPECT_EQ(ide.Frame().StatusText(), "Internal error: not enough files");
    EXPECT_EQ(launches.programs.size(), 1u);
    // An executable without children is a file item, opened by the IDE's tool.
    Command(10014);
    EXPECT_EQ(Runs(), std::vector<std::string>{"RunExecutable " + kSample + "\\bin\\APP.EXE"});
}

TEST_F(ProjectMenus, RenameChangesOneCaptionInPlace) {
    OpenSample(0);
    HMENU menu = GetMenu(bar);
    HMENU drawing = GetSubMenu(menu, 3);
    ide::IdeNode node = NodeNamed("Drawing");
    ASSERT_NE(node, 0u);
    ASSERT_TRUE(ide.Projects().Rename(node, "Painting"));
    Pump();
    EXPECT_EQ(GetMenu(bar), menu) << "not rebuilt";
    EXPECT_EQ(GetSubMenu(menu, 3), drawing) << "the same popup";
    std::string expected = kLinearSample;
    expected.replace(expected.find("Drawing{"), 7, "Painting");
    EXPECT_EQ(Read(menu), expected);

    Bar->settings.hierarchical = 1;
    CurrentTopBarShell()->RebuildBar();
    menu = GetMenu(bar);
    ASSERT_TRUE(ide.Projects().Rename(node, "Drawing"));
    Pump();
    EXPECT_EQ(GetMenu(bar), menu);
    EXPECT_EQ(Read(menu), kHierarchicalSample) << "the nested popup renamed back";
}

TEST_F(ProjectMenus, MenuHintsOfRunAndFileItems) {
    OpenSample(0);
    SendMessageA(bar, WM_MENUSELECT, MAKEWPARAM(300, 0), reinterpret_cast<LPARAM>(GetMenu(bar)));
    EXPECT_EQ(ide.Frame().StatusText(), "Run " + kSample + "\\bin\\APP.EXE : Draws shapes");
    SendMessageA(bar, WM_MENUSELECT, MAKEWPARAM(10003, 0), reinterpret_cast<LPARAM>(GetMenu(bar)));
    EXPECT_EQ(ide.Frame().StatusText(), "Open " + kSample + "\\src\\util.cpp : Shared helpers");
    SendMessageA(bar, WM_MENUSELECT, MAKEWPARAM(10099, 0), reinterpret_cast<LPARAM>(GetMenu(bar)));
    EXPECT_EQ(ide.Frame().StatusText(), "Open a file in the project ...");
}

TEST_F(ProjectMenus, DocumentationTextOfTheLastEditor) {
    OpenSample(0);
    HWND editor = windows.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP:2 *");
    RememberEditor(editor, 179);
    ASSERT_STREQ(hooks->lastEditorTitle, "C:\\SRC\\MAIN.CPP");
    Command(177);
    EXPECT_EQ(Runs(), std::vector<std::string>{"EditText C:\\SRC\\MAIN.CPP.txt"});
    HWND text = windows.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP.TXT");
    windows.AddChild("BCW5Editor", "C:\\SRC\\OTHER.CPP");
    Command(177);
    EXPECT_EQ(GetWindow(windows.client, GW_CHILD), text);
    EXPECT_EQ(Runs().size(), 1u);
}

TEST_F(ProjectMenus, OpenFileMessageThenGoToLine) {
    HWND editor = windows.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP");
    windows.AddChild("BCW5Editor", "C:\\SRC\\UTIL.CPP");
    static const char path[] = "c:\\src\\main.cpp";
    SendMessageA(bar, kOpenFileMessage, 42, reinterpret_cast<LPARAM>(path));
    EXPECT_EQ(GetWindow(windows.client, GW_CHILD), editor);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, bar, kGoToLineMessage, kGoToLineMessage, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 42u);
    EXPECT_EQ(msg.lParam, reinterpret_cast<LPARAM>(path));
    // A file the editor cannot take: nothing to go to.
    static const char none[] = "";
    SendMessageA(bar, kOpenFileMessage, 7, reinterpret_cast<LPARAM>(none));
    EXPECT_FALSE(PeekMessageA(&msg, bar, kGoToLineMessage, kGoToLineMessage, PM_REMOVE));
    // No editor shows it: the IDE's tool opens it.
    static const char other[] = "c:\\src\\new.cpp";
    SendMessageA(bar, kOpenFileMessage, 3, reinterpret_cast<LPARAM>(other));
    EXPECT_EQ(Runs(), std::vector<std::string>{"EditText c:\\src\\new.cpp"});
    EXPECT_TRUE(PeekMessageA(&msg, bar, kGoToLineMessage, kGoToLineMessage, PM_REMOVE));
}

// ---- The bar's own menu, recent lists and quick node edits --------------------------------

TEST_F(ProjectMenus, WithoutAProjectTheBarHoldsItsFirstPopupOnly) {
    RememberProject("C:\\OTHER\\OTHER.IDE");
    CurrentTopBarShell()->RebuildBar();
    EXPECT_EQ(Read(GetMenu(bar)),
              "Qelvo{OTHER.IDE=200, -, Last Includes{}, -, Options...=199, Help...=196}");
    SendMessageA(bar, WM_MENUSELECT, MAKEWPARAM(200, 0), reinterpret_cast<LPARAM>(GetMenu(bar)));
    EXPECT_EQ(ide.Frame().StatusText(), "Switch to project C:\\OTHER\\OTHER.IDE");
}

// (The sample is not opened first: switching would save it where it lies.)
TEST_F(ProjectMenus, ARecentProjectIsSwitchedToFromTheBar) {
    TempDir dir;
    std::string other = dir.Write("OTHER.IDE", "QelvoStandInProject 1\nNode\n  Name \"OTHER\"\nEnd\n");
    RememberProject(other.c_str());
    CurrentTopBarShell()->RebuildBar();
    Command(200);
    EXPECT_EQ(Runs(), std::vector<std::string>{"Project " + other});
    EXPECT_STREQ(Projects->projectPath, other.c_str());
    EXPECT_EQ(GetActiveWindow(), windows.frame);
    EXPECT_EQ(Recent.projects.count, 0) << "the open project is not a recent one";
    ide.Projects().Close(false);
    SetCurrentDirectoryA(startDirectory.c_str());
}

// An editor opened on a header: "Last Includes" is refilled in place, the popup kept.
TEST_F(ProjectMenus, AnOpenedHeaderJoinsLastIncludesInPlace) {
    OpenSample(0);
    HMENU first = GetSubMenu(GetMenu(bar), 0);
    HMENU includes = GetSubMenu(first, 3);
    ASSERT_NE(includes, nullptr);
    HWND header = windows.AddChild("BCW5Editor", "C:\\SRC\\shapes.h");
    SendMessageA(bar, WM_COMMAND, 101, reinterpret_cast<LPARAM>(header));
    windows.AddChild("BCW5Editor", "C:\\SRC\\main.cpp");
    windows.AddChild("BCW5Editor", "C:\\SRC\\c.hpp");
    Pump(20);
    EXPECT_EQ(GetSubMenu(first, 3), includes);
    EXPECT_EQ(Read(includes), "shapes.h=400") << "main.cpp and c.hpp are not recorded";
    EXPECT_TRUE(IsWindow(header));
    // Opened from the bar: on top already, the entry stays alone.
    Command(400);
    EXPECT_EQ(Read(includes), "shapes.h=400");
    EXPECT_EQ(GetWindow(windows.client, GW_CHILD), header) << "brought forward, not opened again";
}

// A second editor of a file already shown is closed, unless Shift is held: the hooks post
// command 101 for each editor created.
TEST_F(ProjectMenus, ASecondViewIsClosedUnlessShiftIsHeld) {
    HWND first = windows.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP");
    Pump(20);
    HWND second = windows.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP:2");
    Pump(20);
    EXPECT_FALSE(IsWindow(second));
    EXPECT_TRUE(IsWindow(first));
    EXPECT_EQ(GetWindow(windows.client, GW_CHILD), first);
    KeyEvent(VK_SHIFT, false);
    HWND third = windows.AddChild("BCW5Editor", "C:\\SRC\\MAIN.CPP:2");
    Pump(20);
    KeyEvent(VK_SHIFT, true);
    EXPECT_TRUE(IsWindow(third)) << "the second view stays";
}

TEST_F(ProjectMenus, RefreshingAMenuOfAnotherShapeOnlyReports) {
    RecordInclude("C:\\SRC\\x.h");
    HWND none = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
    RefreshLastIncludes(none);
    EXPECT_EQ(ide.Frame().StatusText(), "Pas de bar");
    DestroyWindow(none);
    // A bar whose menu has no popup of its own.
    HMENU flat = CreateMenu();
    AppendMenuA(flat, MF_STRING, 99, "Qelvo");
    HMENU previous = GetMenu(bar);
    SetMenu(bar, flat);
    RefreshLastIncludes(bar);
    EXPECT_EQ(ide.Frame().StatusText(), "Pas de mnu");
    SetMenu(bar, previous);
    DestroyMenu(flat);
    EXPECT_EQ(Recent.includes.count, 1);
}

TEST_F(ProjectMenus, QuickAddThroughItsDialog) {
    OpenSample(0);
    ide::IdeNode sources = NodeNamed("Sources");
    DialogDriver driver("Quick add node...", [](HWND d) {
        DialogDriver::Press(d, IDOK); // no name yet: a warning, the dialog stays
        SetDlgItemTextA(d, kQuickAddName, "helper");
        DialogDriver::Press(d, IDOK);
    });
    HeldKeys({VK_MENU}, [this] { Command(10003); }); // util.cpp in Sources
    EXPECT_EQ(driver.seen, 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "You should specify a node name !");
    EXPECT_EQ(messages.messages[0].title, "Warning");
    ide::IdeNode added = NodeNamed("helper.cpp");
    ASSERT_NE(added, 0u);
    EXPECT_EQ(ide.Projects().Current()->Node(added)->parent, sources);
    ASSERT_FALSE(Runs().empty());
    EXPECT_EQ(Runs().back().substr(0, 9), "EditText ") << "the new node is opened";
}

TEST_F(ProjectMenus, QuickAddInANewContainerUnderTheRoot) {
    OpenSample(0);
    bool enabledAfterCheck = false;
    DialogDriver driver("Quick add node...", [&](HWND d) {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, kQuickAddContainer)));
        EXPECT_EQ(IsDlgButtonChecked(d, kQuickAddParent), BST_CHECKED);
        SendDlgItemMessageA(d, kQuickAddNewContainer, BM_CLICK, 0, 0);
        enabledAfterCheck = IsWindowEnabled(GetDlgItem(d, kQuickAddContainer)) &&
                            IsWindowEnabled(GetDlgItem(d, kQuickAddRoot));
        SetDlgItemTextA(d, kQuickAddName, "extra.c");
        SetDlgItemTextA(d, kQuickAddContainer, "Extras");
        SendDlgItemMessageA(d, kQuickAddRoot, BM_CLICK, 0, 0);
        DialogDriver::Press(d, IDOK);
    });
    HeldKeys({VK_MENU}, [this] { Command(10000); });
    EXPECT_TRUE(enabledAfterCheck);
    ide::IdeNode extras = NodeNamed("Extras");
    ASSERT_NE(extras, 0u);
    host::Project* project = ide.Projects().Current();
    EXPECT_EQ(project->Node(extras)->parent, project->Top());
    EXPECT_EQ(project->Node(extras)->type, "SourcePool");
    ide::IdeNode added = NodeNamed("extra.c");
    ASSERT_NE(added, 0u);
    EXPECT_EQ(project->Node(added)->parent, extras);
}

TEST_F(ProjectMenus, QuickRemoveAnsweredNoThenYes) {
    OpenSample(0);
    ide::IdeNode util = NodeNamed("util.cpp");
    messages.Answer(platform::kIdNo);
    HeldKeys({VK_CONTROL}, [this] { Command(10003); });
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "Okay to remove\n" + kSample + "\\src\\util.cpp : Shared helpers ?");
    EXPECT_EQ(messages.messages[0].owner, static_cast<void*>(bar));
    EXPECT_EQ(NodeNamed("util.cpp"), util);
    messages.Answer(platform::kIdYes);
    HeldKeys({VK_CONTROL}, [this] { Command(10003); });
    EXPECT_EQ(NodeNamed("util.cpp"), 0u);
    EXPECT_EQ(Read(GetSubMenu(GetMenu(bar), 2)), "main.cpp=10000") << "the bar followed";
}

TEST_F(ProjectMenus, TheDocumentationOpensMaximisedInItsFolder) {
    OpenSample(0);
    Command(195);
    ASSERT_EQ(launches.documents.size(), 1u);
    EXPECT_EQ(launches.documents[0], kSample + "\\qHTML\\Documentation APP.html");
    EXPECT_EQ(launches.documentDirectories[0], kSample + "\\qHTML");
    EXPECT_EQ(launches.documentShows[0], platform::ShowState::kMaximized);
}

// With HideWithView on, the project view's creation and destruction (seen by the hooks, posted
// as command 103) take the node menus off the bar and put them back.
TEST_F(ProjectMenus, TheProjectViewTakesTheNodeMenusAway) {
    OpenSample(0);
    Bar->settings.hideWithView = 1;
    HWND view = windows.AddChild("BCW5Project", "Project");
    Pump(20);
    EXPECT_EQ(GetMenuItemCount(GetMenu(bar)), 1) << "only \"Qelvo\"";
    windows.Close(view);
    Pump(20);
    EXPECT_EQ(Read(GetMenu(bar)), kLinearSample);
}
