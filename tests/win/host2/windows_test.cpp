// The stand-in IDE's windows as add-ons find them: classes, parents and titles of the frame, the
// editors, the project and message windows and the viewers; the tools that open them; the Tool
// menu; the IDE commands add-ons send to the frame.
#include "ide_session.h"
#include "edit_control.h"
#include "options_dialog.h"
#include "recorders.h"
#include "win_support.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace qelvo {
namespace host {
namespace {

using testing_support::Text;

class ToolRecorder final : public ide::IUnknownImp<ide::IToolImplementor> {
public:
    explicit ToolRecorder(std::vector<std::string>& log) : log_(log) {}
    int32_t QELVO_IDECALL Run(ide::IdeNode node, ide::HostString* fileName) override {
        log_.push_back("run " + std::to_string(node) + " " +
                       (fileName ? fileName->GetText() : "(none)"));
        return ide::kToolWarnings;
    }

private:
    std::vector<std::string>& log_;
};

class TitledPage final : public ide::IUnknownImp<ide::IMpdPage> {
public:
    TitledPage(ide::IdeServices* services, const char* title)
        : services_(services), title_(title) {}
    void QELVO_IDECALL Attach(void*, ide::IMpdPageSite*) override {}
    ide::IdeBool QELVO_IDECALL Validate() override { return 1; }
    void QELVO_IDECALL Load() override {}
    void QELVO_IDECALL Save() override {}
    ide::IdeBool QELVO_IDECALL IsModified() override { return 0; }
    void QELVO_IDECALL Reset() override {}
    void QELVO_IDECALL OnCommand(int32_t, void*, int32_t) override {}
    void* QELVO_IDECALL GetInstance() override { return nullptr; }
    int32_t QELVO_IDECALL GetDialogId() override { return 100; }
    ide::HostString* QELVO_IDECALL GetTitle() override {
        return ide::MakeHostString(services_, title_);
    }
    int32_t QELVO_IDECALL GetFlags() override { return 0; }
    void QELVO_IDECALL ShowHelp() override {}
    void QELVO_IDECALL ShowDescription() override {}

private:
    ide::IdeServices* services_;
    const char* title_;
};

class TwoPageChapter final : public ide::IUnknownImp<ide::IMpdChapter> {
public:
    explicit TwoPageChapter(ide::IdeServices* services)
        : pages_{new TitledPage(services, "General"), new TitledPage(services, "Top menu")} {}
    ~TwoPageChapter() override {
        for (TitledPage* page : pages_)
            page->Release();
    }
    ide::IMpdPage* QELVO_IDECALL GetPageById(int32_t) override { return nullptr; }
    int32_t QELVO_IDECALL GetPageCount() override { return 2; }
    ide::IMpdPage* QELVO_IDECALL GetPage(int32_t n) override {
        if (n < 1 || n > 2) return nullptr;
        pages_[n - 1]->AddRef();
        return pages_[n - 1];
    }

private:
    TitledPage* pages_[2];
};

class IdeWindowsTest : public ::testing::Test {
protected:
    HWND Client() { return session.frame.MdiClient(); }
    std::vector<std::string> MdiTitles(const char* windowClass) {
        std::vector<std::string> titles;
        for (HWND child : ChildrenOfClass(Client(), windowClass))
            titles.push_back(TextOf(child));
        return titles;
    }

    IdeSession session;
};

TEST_F(IdeWindowsTest, FrameHasItsClassesCaptionMenusAndStatusLine) {
    HWND frame = session.frame.Window();
    EXPECT_EQ(FindWindowA("CPPFRAME", nullptr), frame);
    EXPECT_EQ(TextOf(frame), "Borland C++");
    EXPECT_EQ(ClassOf(Client()), "MDIClient");
    EXPECT_EQ(GetParent(Client()), frame);
    EXPECT_EQ(ClassOf(session.frame.StatusLine()), STATUSCLASSNAMEA);

    HMENU bar = GetMenu(frame);
    ASSERT_EQ(GetMenuItemCount(bar), 5);
    std::vector<std::string> titles;
    for (int i = 0; i < 5; ++i) {
        char text[64] = {0};
        GetMenuStringA(bar, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        titles.push_back(text);
    }
    EXPECT_EQ(titles,
              (std::vector<std::string>{"&File", "&Project", "&Tool", "&Options", "&Window"}));
    EXPECT_EQ(GetMenuState(GetSubMenu(bar, 0), kCmdSaveAll, MF_BYCOMMAND), 0u);

    // The frame service answers the frame; its status texts reach the status line.
    ide::FrameService* service = ide::QueryService<ide::FrameService>(session.ide.Services());
    ASSERT_TRUE(service);
    EXPECT_EQ(service->FrameWindow(), frame);
    service->SetStatusText(session.Str("Auto-save (5 min) : main.cpp."));
    char status[128] = {0};
    SendMessageA(session.frame.StatusLine(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
    EXPECT_STREQ(status, "Auto-save (5 min) : main.cpp.");
    service->Release();

    // The caption names the open project; the project window shows its tree.
    ASSERT_TRUE(session.frame.OpenProject(session.File("APP.IDE")));
    EXPECT_EQ(TextOf(frame), "Borland C++ - APP");
    HWND project = ChildOfClass(Client(), "BCW5Project");
    ASSERT_TRUE(project);
    EXPECT_EQ(TextOf(project), "Project : " + session.File("APP.IDE"));
    HWND tree = GetWindow(project, GW_CHILD);
    EXPECT_EQ(static_cast<size_t>(SendMessageA(tree, TVM_GETCOUNT, 0, 0)),
              session.ide.Projects().Current()->NodeCount());
    HTREEITEM root = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    EXPECT_EQ(host::TreeItemText(tree, root), "APP");

    // A node added by an add-on appears at once.
    ide::ProjectService* projects = ide::QueryService<ide::ProjectService>(session.ide.Services());
    ASSERT_NE(projects->AddNode(projects->TopNode(), session.Str("notes.txt"), nullptr, 0), 0u);
    EXPECT_EQ(static_cast<size_t>(SendMessageA(tree, TVM_GETCOUNT, 0, 0)),
              session.ide.Projects().Current()->NodeCount());
    projects->Release();

    ASSERT_TRUE(session.ide.Projects().Close(false));
    EXPECT_EQ(TextOf(frame), "Borland C++");
    EXPECT_EQ(TextOf(project), "Project");
    EXPECT_EQ(SendMessageA(tree, TVM_GETCOUNT, 0, 0), 0);
}

TEST_F(IdeWindowsTest, EditorTitlesCarryTheViewNumberAndTheModificationMark) {
    testing_support::MessageRecorder boxes;
    const std::string main = session.File("src\\main.cpp");
    HWND first = session.frame.OpenEditor(main);
    ASSERT_TRUE(first);
    EXPECT_EQ(ClassOf(first), "BCW5Editor");
    EXPECT_EQ(GetParent(first), Client());
    EXPECT_EQ(TextOf(first), main);
    HWND firstEdit = ChildOfClass(first, "EditWindClass");
    ASSERT_TRUE(firstEdit);
    EXPECT_EQ(TextOf(firstEdit), ToEditorText(FileBytes(main)));

    // A second view: both are numbered; the new one is the MDI client's first child (active).
    HWND second = session.frame.OpenEditor(main);
    ASSERT_TRUE(second);
    EXPECT_EQ(TextOf(first), main + ":1");
    EXPECT_EQ(TextOf(second), main + ":2");
    EXPECT_EQ(GetWindow(Client(), GW_CHILD), second);
    HWND secondEdit = ChildOfClass(second, "EditWindClass");

    // Typing marks every view of the file and shows the text in all of them.
    SendMessageA(secondEdit, EM_SETSEL, 0, 0);
    SendMessageA(secondEdit, WM_CHAR, 'X', 1);
    EXPECT_EQ(TextOf(first), main + ":1 *");
    EXPECT_EQ(TextOf(second), main + ":2 *");
    EXPECT_EQ(TextOf(firstEdit), TextOf(secondEdit));
    EXPECT_EQ(TextOf(firstEdit)[0], 'X');

    // WM_COPY copies the selection, as the add-on reads it.
    SendMessageA(firstEdit, EM_SETSEL, 0, 4);
    SendMessageA(firstEdit, WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardText(), TextOf(firstEdit).substr(0, 4));

    // Closing one of two views asks nothing; the other loses its number, keeps its mark.
    SendMessageA(second, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(second));
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_EQ(TextOf(first), main + " *");

    // Closing the last view of a changed file asks; Cancel keeps it, No lets the change go.
    boxes.Answer(platform::kIdCancel);
    SendMessageA(first, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(IsWindow(first));
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, "Save changes to " + main + " ?");
    EXPECT_EQ(boxes.messages[0].title, "Borland C++");
    EXPECT_EQ(boxes.messages[0].flags, platform::kMbYesNoCancel | platform::kMbIconQuestion);
    boxes.Answer(platform::kIdNo);
    std::string before = FileBytes(main);
    SendMessageA(first, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(FileBytes(main), before);
    EXPECT_TRUE(ChildrenOfClass(Client(), "BCW5Editor").empty());
}

TEST_F(IdeWindowsTest, FileSaveWritesTheBufferWithCrLfAndClearsTheMark) {
    const std::string header = session.File("include\\util.h");
    HWND editor = session.frame.OpenEditor(header);
    HWND edit = ChildOfClass(editor, "EditWindClass");
    std::string original = FileBytes(header);
    ASSERT_EQ(original.find('\r'), std::string::npos) << "the sample is stored with LF";
    SendMessageA(edit, EM_SETSEL, 0, 0);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("// saved\r\n"));
    EXPECT_EQ(TextOf(editor), header + " *");
    SendMessageA(session.frame.Window(), WM_COMMAND, kCmdSaveFile, 0);
    EXPECT_EQ(TextOf(editor), header);
    std::string expected = "// saved\n" + original, crlf;
    for (char c : expected) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    EXPECT_EQ(FileBytes(header), crlf);

    // A file that does not exist opens empty and is written by the first save.
    const std::string fresh = session.File("src\\fresh.cpp.txt");
    HWND created = session.frame.OpenEditor(fresh);
    ASSERT_TRUE(created);
    EXPECT_EQ(TextOf(ChildOfClass(created, "EditWindClass")), "");
    EXPECT_EQ(FileBytes(fresh), "(missing)");
    SendMessageA(ChildOfClass(created, "EditWindClass"), WM_CHAR, 'a', 1);
    SendMessageA(session.frame.Window(), WM_COMMAND, kCmdSaveFile, 0);
    EXPECT_EQ(FileBytes(fresh), "a");
}

TEST_F(IdeWindowsTest, ToolsOpenEditorViewsAndViewerWindows) {
    ASSERT_TRUE(session.ide.Projects().Open(session.File("APP.IDE")));
    ide::ToolService* tools = ide::QueryService<ide::ToolService>(session.ide.Services());
    ide::ProjectService* projects = ide::QueryService<ide::ProjectService>(session.ide.Services());
    auto run = [&](const char* tool, const std::string& file) {
        ide::ITool* found = tools->FindTool(session.Str(tool));
        int32_t result = tools->RunToolOnFile(found, session.Str(file), 0);
        found->Release();
        return result;
    };
    const std::string main = session.File("src\\main.cpp");
    EXPECT_EQ(run("EditText", main), ide::kToolDone);
    EXPECT_EQ(MdiTitles("BCW5Editor"), std::vector<std::string>{main});
    // The tool opens another view; bringing the first forward is not its business.
    EXPECT_EQ(run("EditText", main), ide::kToolDone);
    EXPECT_EQ(MdiTitles("BCW5Editor"), (std::vector<std::string>{main + ":2", main + ":1"}));

    // On a node: the node's file.
    ide::ITool* resource = tools->FindTool(session.Str("EditResource"));
    ide::IdeNode rc = projects->FindNode(session.Str(session.File("res\\app.rc")));
    ASSERT_NE(rc, 0u);
    EXPECT_EQ(tools->RunTool(resource, rc, 0), ide::kToolDone);
    resource->Release();
    EXPECT_EQ(MdiTitles("BCW5RWProject"), std::vector<std::string>{session.File("res\\app.rc")});
    EXPECT_EQ(run("EditBitmapFile", session.File("res\\logo.bmp")), ide::kToolDone);
    EXPECT_EQ(run("EditCursorFile", session.File("res\\hand.cur")), ide::kToolDone);
    EXPECT_EQ(run("EditIconFile", session.File("res\\app.ico")), ide::kToolDone);
    EXPECT_EQ(MdiTitles("BCW5RWBitmap"), std::vector<std::string>{session.File("res\\logo.bmp")});
    EXPECT_EQ(MdiTitles("BCW5RWGroupCursor"),
              std::vector<std::string>{session.File("res\\hand.cur")});
    EXPECT_EQ(MdiTitles("BCW5RWGroupIcon"), std::vector<std::string>{session.File("res\\app.ico")});
    // ClassExpert has no window.
    size_t children = ChildrenOfClass(Client(), "BCW5Editor").size();
    EXPECT_EQ(run("ClassExpert", session.File("APP.IDE")), ide::kToolDone);
    EXPECT_EQ(ChildrenOfClass(Client(), "BCW5Editor").size(), children);
    // "Project" opens the project, which the caption shows.
    ASSERT_TRUE(session.ide.Projects().Close(false));
    EXPECT_EQ(run("Project", session.File("APP.IDE")), ide::kToolDone);
    EXPECT_EQ(TextOf(session.frame.Window()), "Borland C++ - APP");
    projects->Release();
    tools->Release();
}

TEST_F(IdeWindowsTest, ToolMenuListsTheAddOnsToolsAndRunsTheirImplementor) {
    HWND frame = session.frame.Window();
    HMENU toolMenu = GetSubMenu(GetMenu(frame), 2);
    SendMessageA(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(toolMenu), 2);
    ASSERT_EQ(GetMenuItemCount(toolMenu), 1);
    EXPECT_EQ(GetMenuState(toolMenu, 0, MF_BYPOSITION) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));

    std::vector<std::string> log;
    ide::ToolService* tools = ide::QueryService<ide::ToolService>(session.ide.Services());
    for (const char* name : {"First", "Second"}) {
        ide::ITool* tool = tools->NewTool();
        tool->SetName(session.Str(name));
        tool->SetMenuText(session.Str(std::string("&") + name + " tool"));
        ToolRecorder* implementor = new ToolRecorder(log);
        tool->SetImplementor(implementor);
        implementor->Release();
        ASSERT_EQ(tools->AddTool(tool), 1);
        tool->Release();
    }
    SendMessageA(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(toolMenu), 2);
    ASSERT_EQ(GetMenuItemCount(toolMenu), 2);
    char text[64] = {0};
    GetMenuStringA(toolMenu, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&Second tool");
    // Choosing the item runs the tool's implementor, with no node and no file.
    PostMessageA(frame, WM_COMMAND, GetMenuItemID(toolMenu, 1), 0);
    Pump();
    EXPECT_EQ(log, std::vector<std::string>{"run 0 (none)"});
    ASSERT_FALSE(session.ide.Tools().Runs().empty());
    EXPECT_EQ(session.ide.Tools().Runs().back().tool, "Second");
    EXPECT_EQ(session.ide.Tools().Runs().back().result, ide::kToolWarnings);
    tools->Release();
    session.ide.DropAddOnObjects();
}

TEST_F(IdeWindowsTest, CommandsShowTheProjectAndMessageWindowsOnce) {
    HWND frame = session.frame.Window();
    EXPECT_FALSE(ChildOfClass(Client(), "BCW5Project"));
    SendMessageA(frame, WM_COMMAND, kCmdShowProject, 0);
    HWND project = ChildOfClass(Client(), "BCW5Project");
    ASSERT_TRUE(project);
    SendMessageA(Client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(project), 0);
    SendMessageA(frame, WM_COMMAND, kCmdShowMessages, 0);
    HWND message = ChildOfClass(Client(), "BCW5Message");
    ASSERT_TRUE(message);
    EXPECT_EQ(TextOf(message), "Message");
    // Asked again, each comes forward, restored when minimised; no second one appears.
    SendMessageA(project, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(project));
    SendMessageA(frame, WM_COMMAND, kCmdShowProject, 0);
    EXPECT_FALSE(IsIconic(project));
    EXPECT_EQ(GetWindow(Client(), GW_CHILD), project);
    EXPECT_EQ(ChildrenOfClass(Client(), "BCW5Project").size(), 1u);
    SendMessageA(frame, WM_COMMAND, kCmdShowMessages, 0);
    EXPECT_EQ(GetWindow(Client(), GW_CHILD), message);
    EXPECT_EQ(ChildrenOfClass(Client(), "BCW5Message").size(), 1u);

    // Closed by the system close command, as the add-on does around a Make, and shown again.
    SendMessageA(project, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(project));
    SendMessageA(frame, WM_COMMAND, kCmdShowProject, 0);
    EXPECT_TRUE(ChildOfClass(Client(), "BCW5Project"));
}

TEST_F(IdeWindowsTest, MessageWindowShowsTheGroupsAndClearsTheShownTabOn1722) {
    ide::MessageService* service = ide::QueryService<ide::MessageService>(session.ide.Services());
    ide::MessageGroup* build = service->NewGroup(session.Str("Buildtime"), session.Str("&Build"));
    build->AddMessage(0, session.Str("Compiling main.cpp"));
    build->AddMessage(0, session.Str("Compiling util.cpp"));
    SendMessageA(session.frame.Window(), WM_COMMAND, kCmdShowMessages, 0);
    HWND message = ChildOfClass(Client(), "BCW5Message");
    ASSERT_TRUE(message);
    // The path the add-on walks: BCW5Message, OWL_Window, then OWL_NoteTab and MsgViewer.
    HWND pane = ChildOfClass(message, "OWL_Window");
    ASSERT_TRUE(pane);
    HWND tabs = ChildOfClass(pane, "OWL_NoteTab");
    HWND viewer = ChildOfClass(pane, "MsgViewer");
    ASSERT_TRUE(tabs);
    ASSERT_TRUE(viewer);
    EXPECT_EQ(ListLines(viewer),
              (std::vector<std::string>{"Compiling main.cpp", "Compiling util.cpp"}));

    // A new group gets a tab and is shown; sub-messages are indented with their place.
    ide::MessageGroup* cross =
        service->NewGroup(session.Str("Cross reference"), session.Str("&Cross reference"));
    ide::IdeMessage head = cross->AddMessage(0, session.Str("APP : cross reference \"count\""));
    ide::IdeMessage sub =
        cross->AddSubMessage(head, session.Str("    count++;"),
                             session.Str(session.File("src\\util.cpp")), 12, 1, ide::kMessageInfo);
    cross->AddSubMessage(sub, session.Str("no place"), nullptr, 7, 7, ide::kMessageWarning);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(ListLines(viewer),
              (std::vector<std::string>{"APP : cross reference \"count\"",
                                        "    util.cpp 12:     count++;", "        no place"}));

    // What the add-on does at Make start: a click at (20, 11) of the tabs shows the first
    // group, and command 1722 to the viewer empties that group only.
    SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 11));
    SendMessageA(tabs, WM_LBUTTONUP, 0, MAKELPARAM(20, 11));
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(ListLines(viewer).size(), 2u);
    SendMessageA(viewer, WM_COMMAND, kCmdClearMessages, 0);
    EXPECT_TRUE(ListLines(viewer).empty());
    EXPECT_TRUE(session.ide.Messages().Group("Buildtime")->messages.empty());
    EXPECT_EQ(session.ide.Messages().Group("Cross reference")->messages.size(), 3u);
    // The cleared group takes new messages.
    build->AddMessage(0, session.Str("Compiling canvas.cpp"));
    EXPECT_EQ(ListLines(viewer), std::vector<std::string>{"Compiling canvas.cpp"});
    build->Release();
    cross->Release();
    service->Release();
}

// The tree's item texts, depth first.
void TreeLines(HWND tree, HTREEITEM item, std::vector<std::string>& lines) {
    for (; item; item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT,
                                                                 reinterpret_cast<LPARAM>(item)))) {
        lines.push_back(host::TreeItemText(tree, item));
        TreeLines(tree,
                  reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD,
                                                           reinterpret_cast<LPARAM>(item))),
                  lines);
    }
}

TEST_F(IdeWindowsTest, OptionsCommandShowsTheChaptersPagesInATree) {
    ide::OptionsDialogService* dialog =
        ide::QueryService<ide::OptionsDialogService>(session.ide.Services());
    TwoPageChapter* chapter = new TwoPageChapter(session.ide.Services());
    ASSERT_EQ(dialog->AddChapter(chapter, 0), 1);
    chapter->Release();
    dialog->Release();

    std::vector<std::string> lines;
    HWND owner = nullptr;
    DialogAnswerer answerer(kOptionsDialogTitle, [&](HWND window) {
        HWND tree = GetDlgItem(window, kOptionsTreeId);
        TreeLines(tree,
                  reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)),
                  lines);
        owner = GetWindow(window, GW_OWNER);
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
    });
    // Posted, as the add-on posts it; the dialog runs when the frame takes it.
    PostMessageA(session.frame.Window(), WM_COMMAND, kCmdOptions, 0);
    Pump();
    EXPECT_EQ(answerer.Seen(), 1);
    EXPECT_EQ(owner, session.frame.Window());
    EXPECT_EQ(lines, (std::vector<std::string>{"General", "Top menu"}));
    session.ide.DropAddOnObjects();
}

// Records the IDE's command 13104 as it is taken from the frame's queue.
std::vector<HWND> saveAllSeen;
LRESULT CALLBACK WatchSaveAll(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == WM_COMMAND &&
        LOWORD(msg->wParam) == kCmdSaveAll)
        saveAllSeen.push_back(msg->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(IdeWindowsTest, SaveAllPasses13104ThroughTheFramesQueueAndSavesEveryEditor) {
    const std::string main = session.File("src\\main.cpp"), util = session.File("src\\util.cpp");
    HWND first = session.frame.OpenEditor(main);
    session.frame.OpenEditor(main);
    HWND other = session.frame.OpenEditor(util);
    HWND untouched = session.frame.OpenEditor(session.File("src\\shapes.cpp"));
    std::string shapes = FileBytes(session.File("src\\shapes.cpp"));
    SendMessageA(ChildOfClass(first, "EditWindClass"), WM_CHAR, 'M', 1);
    SendMessageA(ChildOfClass(other, "EditWindClass"), WM_CHAR, 'U', 1);
    ASSERT_EQ(TextOf(other), util + " *");

    saveAllSeen.clear();
    {
        ScopedHook hook(WH_GETMESSAGE, WatchSaveAll);
        ASSERT_TRUE(hook);
        session.frame.SaveAll();
        EXPECT_EQ(TextOf(other), util + " *") << "saved only when the frame takes the command";
        Pump();
    }
    EXPECT_EQ(saveAllSeen, std::vector<HWND>{session.frame.Window()});
    EXPECT_EQ(TextOf(first), main + ":1");
    EXPECT_EQ(TextOf(other), util);
    EXPECT_EQ(FileBytes(main)[0], 'M');
    EXPECT_EQ(FileBytes(util)[0], 'U');
    EXPECT_EQ(TextOf(untouched), session.File("src\\shapes.cpp"));
    EXPECT_EQ(FileBytes(session.File("src\\shapes.cpp")), shapes) << "unchanged: not rewritten";
}

} // namespace
} // namespace host
} // namespace qelvo
