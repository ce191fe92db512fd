// The node commands' decisions: which tool opens a node, which title is searched and when an
// existing window is looked for; the tool results on the status line; the index checks; the
// run items.
#include "menus_fixture.h"
#include "topbar/node_commands.h"

#include <string>

using namespace qelvo;
using namespace qelvo::testing_support;

namespace {

// A ToolService whose one tool answers a scripted result; every call recorded.
class ScriptedTools final : public ide::ToolService {
public:
    class Tool final : public ide::ITool {
    public:
        ide::IdeResult QELVO_IDECALL QueryInterface(const ide::IdeGuid&, void** out) override {
            *out = nullptr;
            return ide::kIdeNoInterface;
        }
        uint32_t QELVO_IDECALL AddRef() override { return ++refs; }
        uint32_t QELVO_IDECALL Release() override { return --refs; }
        void QELVO_IDECALL SetKind(int32_t) override {}
        int32_t QELVO_IDECALL GetKind() override { return 0; }
        void QELVO_IDECALL SetName(ide::HostString*) override {}
        ide::HostString* QELVO_IDECALL GetName() override { return nullptr; }
        void QELVO_IDECALL SetFlags(uint32_t) override {}
        uint32_t QELVO_IDECALL GetFlags() override { return 0; }
        void QELVO_IDECALL SetDescription(ide::HostString*) override {}
        ide::HostString* QELVO_IDECALL GetDescription() override { return nullptr; }
        void QELVO_IDECALL SetMenuText(ide::HostString*) override {}
        ide::HostString* QELVO_IDECALL GetMenuText() override { return nullptr; }
        void QELVO_IDECALL SetNote(ide::HostString*) override {}
        ide::HostString* QELVO_IDECALL GetNote() override { return nullptr; }
        void QELVO_IDECALL SetImplementor(ide::IToolImplementor*) override {}
        ide::IToolImplementor* QELVO_IDECALL GetImplementor() override { return nullptr; }
        uint32_t refs = 1;
    };

    ide::IdeResult QELVO_IDECALL QueryInterface(const ide::IdeGuid&, void** out) override {
        *out = nullptr;
        return ide::kIdeNoInterface;
    }
    uint32_t QELVO_IDECALL AddRef() override { return ++refs; }
    uint32_t QELVO_IDECALL Release() override { return --refs; }
    ide::ITool* QELVO_IDECALL NewTool() override { return nullptr; }
    ide::IdeBool QELVO_IDECALL AddTool(ide::ITool*) override { return 0; }
    ide::ITool* QELVO_IDECALL FindTool(ide::HostString* name) override {
        calls.push_back("find " + std::string(name->GetText()));
        name->Release();
        if (!known)
            return nullptr;
        tool.AddRef();
        return &tool;
    }
    ide::IdeBool QELVO_IDECALL RemoveTool(ide::ITool*) override { return 0; }
    int32_t QELVO_IDECALL RunTool(ide::ITool*, ide::IdeNode node, uint32_t) override {
        calls.push_back("run on node " + std::to_string(node));
        return result;
    }
    int32_t QELVO_IDECALL RunToolOnFile(ide::ITool*, ide::HostString* file, uint32_t) override {
        calls.push_back("run on " + std::string(file->GetText()));
        file->Release();
        return result;
    }

    Tool tool;
    uint32_t refs = 1;
    int32_t result = 0;
    bool known = true;
    std::vector<std::string> calls;
};

// The stand-in's services with the scripted ToolService (or none).
class ServicesWithTools final : public ide::IdeServices {
public:
    ServicesWithTools(ide::IdeServices* inner, ScriptedTools* tools)
        : inner_(inner), tools_(tools) {}
    ide::IdeResult QELVO_IDECALL QueryInterface(const ide::IdeGuid& id, void** out) override {
        if (!ide::IdeGuidEqual(id, ide::ToolService::kId))
            return inner_->QueryInterface(id, out);
        *out = tools_;
        if (!tools_)
            return ide::kIdeNoInterface;
        tools_->AddRef();
        return ide::kIdeOk;
    }
    uint32_t QELVO_IDECALL AddRef() override { return inner_->AddRef(); }
    uint32_t QELVO_IDECALL Release() override { return inner_->Release(); }
    ide::HostString* QELVO_IDECALL NewHostString() override { return inner_->NewHostString(); }
    ide::HostFileReader* QELVO_IDECALL NewHostFileReader() override {
        return inner_->NewHostFileReader();
    }

private:
    ide::IdeServices* inner_;
    ScriptedTools* tools_;
};

class NodeCommands : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        root = OpenProject();
        main = Add(root, "main.cpp", ".cpp");
        Build(1);
        upperDir = dir.path();
        for (char& c : upperDir)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
    }
    void TearDown() override {
        Services = ide.Services();
        MenusTest::TearDown();
    }
    void ShowEditor(const std::string& title) { shell.windows.push_back({"BCW5Editor", title}); }
    std::string Status() { return ide.Frame().StatusText(); }

    ide::IdeNode root = 0, main = 0;
    std::string upperDir;
};

} // namespace

TEST_F(NodeCommands, AnEditorShowingTheNodeIsBroughtForward) {
    ShowEditor("X:\\ELSEWHERE\\XMAIN.CPP");
    ShowEditor(dir.path() + "\\main.cpp:2 *");
    EXPECT_EQ(OpenNode(0, 0, 0), 1);
    EXPECT_EQ(shell.searches, std::vector<std::string>{"BCW5Editor MAIN.CPP"});
    EXPECT_EQ(shell.raised, std::vector<std::string>{dir.path() + "\\main.cpp:2 *"});
    EXPECT_TRUE(Runs().empty()) << "no second view";
}

TEST_F(NodeCommands, ShiftOrTheSettingOpensAnotherView) {
    ShowEditor(dir.path() + "\\MAIN.CPP");
    shell.shift = true;
    EXPECT_EQ(OpenNode(0, 0, 0), 1);
    shell.shift = false;
    Bar->settings.editOtherView = 1;
    EXPECT_EQ(OpenNode(0, 0, 0), 1);
    EXPECT_TRUE(shell.searches.empty()) << "no window is looked for";
    EXPECT_TRUE(shell.raised.empty());
    std::string run = "EditText " + std::to_string(main);
    EXPECT_EQ(Runs(), (std::vector<std::string>{run, run}));
}

TEST_F(NodeCommands, NoWindowRunsTheToolOfTheType) {
    EXPECT_EQ(OpenNode(0, 0, 0), 1);
    EXPECT_EQ(Runs(), std::vector<std::string>{"EditText " + std::to_string(main)});
    EXPECT_TRUE(ide.Frame().StatusLog().empty()) << "result 0 shows nothing";

    ide.Tools().ClearRuns();
    shell.searches.clear();
    ide::IdeNode rc = Add(root, "app.rc", ".rc");
    ide::IdeNode odd = Add(root, "data.xyz", ".xyz");
    ide::IdeNode header = Add(root, "util.h", ".h");
    ide::IdeNode expert = Add(root, "Wizard", "AppExpert");
    ide::IdeNode exe = Add(root, "app.exe", ".exe");
    Node(exe).output = "bin\\APP.EXE";
    for (ide::IdeNode node : {rc, odd, header, expert, exe})
        EXPECT_EQ(OpenNode(-1, node, 0), 1) << "a node given: no index needed";
    EXPECT_EQ(shell.searches, (std::vector<std::string>{"BCW5RWProject APP.RC",
                                                        "BCW5Editor DATA.XYZ", "BCW5Editor UTIL.H"}))
        << "an empty viewer class never matches a window";
    EXPECT_EQ(Runs(), (std::vector<std::string>{
                          "EditResource " + std::to_string(rc), "EditText " + std::to_string(odd),
                          "EditText " + std::to_string(header),
                          "ClassExpert " + std::to_string(expert),
                          "RunExecutable " + std::to_string(exe)}));
    EXPECT_EQ(launches.programs, std::vector<std::string>{dir.path() + "\\bin\\APP.EXE"});
}

TEST_F(NodeCommands, TheToolLookupMakesTheProjectDirectoryCurrent) {
    dir.Write("marker.txt", "x");
    EXPECT_TRUE(platform::FileExists("marker.txt")) << "opening the project entered its directory";
    platform::ChangeDirectory(startDirectory.c_str());
    ASSERT_FALSE(platform::FileExists("marker.txt"));
    OpenEditorFile("c:\\work\\main.cpp");
    EXPECT_FALSE(platform::FileExists("marker.txt")) << "the editor file leaves it alone";
    OpenNode(0, 0, 0);
    EXPECT_TRUE(platform::FileExists("marker.txt"));
}

TEST_F(NodeCommands, CompanionTextFileAlwaysLooksForItsEditor) {
    shell.shift = true;
    Bar->settings.editOtherView = 1;
    EXPECT_EQ(OpenNode(0, 0, 1), 1);
    EXPECT_EQ(shell.searches, std::vector<std::string>{"BCW5Editor MAIN.CPP.TXT"});
    EXPECT_EQ(Runs(), std::vector<std::string>{"EditText " + upperDir + "\\MAIN.CPP.txt"});

    ShowEditor(upperDir + "\\MAIN.CPP.TXT");
    EXPECT_EQ(OpenFileByName((dir.path() + "\\main.cpp.txt").c_str()), 1);
    EXPECT_EQ(shell.raised.size(), 1u);
    EXPECT_EQ(Runs().size(), 1u);
}

TEST_F(NodeCommands, OpenFileByNameSearchesTheFileNamePart) {
    EXPECT_EQ(OpenFileByName("c:\\work\\notes.txt"), 1);
    EXPECT_EQ(shell.searches, std::vector<std::string>{"BCW5Editor NOTES.TXT"});
    EXPECT_EQ(Runs(), std::vector<std::string>{"EditText c:\\work\\notes.txt"});
}

TEST_F(NodeCommands, OpenEditorFileSearchesTheWholePath) {
    ShowEditor("C:\\WORK\\MAIN.CPP");
    EXPECT_EQ(OpenEditorFile("c:\\work\\main.cpp"), 1);
    EXPECT_EQ(shell.raised.size(), 1u);
    EXPECT_EQ(OpenEditorFile("d:\\other\\main.cpp"), 1) << "another file of the same name";
    EXPECT_EQ(shell.searches, (std::vector<std::string>{"BCW5Editor C:\\WORK\\MAIN.CPP",
                                                        "BCW5Editor D:\\OTHER\\MAIN.CPP"}));
    EXPECT_EQ(Runs(), std::vector<std::string>{"EditText d:\\other\\main.cpp"});
    shell.shift = true;
    EXPECT_EQ(OpenEditorFile("c:\\work\\main.cpp"), 1);
    EXPECT_EQ(shell.searches.size(), 2u);
    EXPECT_EQ(Runs().size(), 2u);
    EXPECT_EQ(OpenEditorFile(""), 0);
    EXPECT_EQ(OpenEditorFile(nullptr), 0);
}

TEST_F(NodeCommands, ToolResultsOnTheStatusLine) {
    ScriptedTools tools;
    ServicesWithTools services(ide.Services(), &tools);
    Services = &services;
    const struct {
        int32_t result;
        const char* text;
    } cases[] = {{-1, "Tool non handled"},
                 {1, "Tool: Warnings"},
                 {2, "Tool: Errors"},
                 {3, "Tool: Fatal error"}};
    for (const auto& c : cases) {
        tools.result = c.result;
        EXPECT_EQ(OpenNode(0, 0, 0), 1);
        EXPECT_EQ(Status(), c.text);
        ide.Frame().ShowStatus("");
        EXPECT_EQ(OpenFileByName("c:\\a.txt"), 1);
        EXPECT_EQ(Status(), c.text);
        ide.Frame().ShowStatus("");
        EXPECT_EQ(OpenEditorFile("c:\\a.cpp"), 0) << "a reported result fails the opening";
        EXPECT_EQ(Status(), c.text);
        ide.Frame().ShowStatus("");
    }
    tools.result = 0;
    EXPECT_EQ(OpenEditorFile("c:\\a.cpp"), 1);
    EXPECT_EQ(OpenNode(0, 0, 0), 1);
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(tools.calls[0], "find EditText");
    EXPECT_EQ(tools.calls[1], "run on node " + std::to_string(main));
    EXPECT_EQ(tools.calls[3], "run on c:\\a.txt");
    // An unknown tool is skipped silently; without a ToolService nothing is opened.
    tools.known = false;
    size_t before = ide.Frame().StatusLog().size();
    EXPECT_EQ(OpenNode(0, 0, 0), 1);
    EXPECT_EQ(OpenEditorFile("c:\\a.cpp"), 0);
    ServicesWithTools none(ide.Services(), nullptr);
    Services = &none;
    EXPECT_EQ(OpenNode(0, 0, 0), 1);
    EXPECT_EQ(OpenEditorFile("c:\\a.cpp"), 0);
    EXPECT_EQ(ide.Frame().StatusLog().size(), before);
    EXPECT_EQ(tools.refs, 1u) << "the ToolService released after each use";
    EXPECT_EQ(tools.tool.refs, 1u) << "the tool released after each run";
}

TEST_F(NodeCommands, BadIndexesAndUnknownNodes) {
    EXPECT_EQ(OpenNode(-1, 0, 0), 0);
    EXPECT_EQ(Status(), "Internal error: not enough files");
    EXPECT_EQ(OpenNode(1, 0, 0), 0);
    EXPECT_EQ(Status(), "Internal error: not enough files");
    RunExeNode(0);
    EXPECT_EQ(Status(), "Internal error: not enough files");
    ide.Projects().Current()->Remove(main);
    EXPECT_EQ(OpenNode(0, 0, 0), 0);
    EXPECT_EQ(Status(), "Internal error: bad file");
    EXPECT_EQ(OpenNode(0, 0, 1), 0);
    EXPECT_EQ(OpenNode(0, 0x7fffffff, 0), 0);
    EXPECT_EQ(Status(), "Internal error: bad file");
    EXPECT_TRUE(Runs().empty());
}

TEST_F(NodeCommands, RunItemsStartTheOutputFile) {
    ide::IdeNode app = Add(root, "app.exe", ".exe");
    Node(app).output = "bin\\APP.EXE";
    Add(app, "app.cpp", ".cpp");
    Build(1);
    ASSERT_EQ(NodeMenus.exes.count, 1);
    RunExeNode(0);
    EXPECT_EQ(Status(), "Running " + dir.path() + "\\bin\\APP.EXE");
    EXPECT_EQ(launches.programs, std::vector<std::string>{dir.path() + "\\bin\\APP.EXE"});
    EXPECT_TRUE(Runs().empty()) << "started directly, not through the IDE's tool";
    RunExeNode(1);
    EXPECT_EQ(Status(), "Internal error: not enough files");
    // Only an executable is started.
    Node(app).type = ".dll";
    ide.Frame().ShowStatus("");
    RunExeNode(0);
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(launches.programs.size(), 1u);
    ide.Projects().Current()->Remove(app);
    RunExeNode(0);
    EXPECT_EQ(Status(), "Internal error: bad file");
}
