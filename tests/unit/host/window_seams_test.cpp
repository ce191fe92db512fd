// Where the stand-in's windows plug into its portable parts: the tool windows behind the IDE's
// own tools, the Tool menu by position, and the listeners through which the windows follow the
// project, the message model and the status line.
#include "host_test_support.h"
#include "recorders.h"
#include "stand_in_ide.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace qelvo {
namespace host {
namespace {

class RecordingToolWindows final : public ToolWindows {
public:
    bool OpenToolWindow(const std::string& tool, const std::string& fileName) override {
        opened.push_back(tool + " " + fileName);
        return answer;
    }
    std::vector<std::string> opened;
    bool answer = true;
};

class ToolImplementor final : public ide::IUnknownImp<ide::IToolImplementor> {
public:
    explicit ToolImplementor(int32_t result) : result_(result) {}
    int32_t QELVO_IDECALL Run(ide::IdeNode, ide::HostString*) override { return result_; }

private:
    int32_t result_;
};

class WindowSeams : public ::testing::Test {
protected:
    void TearDown() override {
        ide.Tools().SetWindows(nullptr);
        ide.DropAddOnObjects();
        EXPECT_EQ(LiveObjects(ObjectKind::String), 0);
    }
    int32_t RunOnFile(const char* tool, const char* file) {
        ide::ToolService* tools = ide::QueryService<ide::ToolService>(ide.Services());
        ide::ITool* found = tools->FindTool(ide::MakeHostString(ide.Services(), tool));
        int32_t result = tools->RunToolOnFile(found, ide::MakeHostString(ide.Services(), file), 0);
        found->Release();
        tools->Release();
        return result;
    }

    StandInIde ide;
};

TEST_F(WindowSeams, TheIdesOwnToolsOpenTheirWindowsThroughTheToolWindows) {
    // Without windows the runs are only recorded.
    EXPECT_EQ(RunOnFile("EditText", "C:\\SRC\\A.CPP"), ide::kToolDone);
    RecordingToolWindows windows;
    ide.Tools().SetWindows(&windows);
    EXPECT_EQ(RunOnFile("EditText", "C:\\SRC\\A.CPP"), ide::kToolDone);
    EXPECT_EQ(RunOnFile("EditResource", "C:\\SRC\\A.RC"), ide::kToolDone);
    EXPECT_EQ(RunOnFile("EditBitmapFile", "C:\\SRC\\A.BMP"), ide::kToolDone);
    EXPECT_EQ(RunOnFile("EditCursorFile", "C:\\SRC\\A.CUR"), ide::kToolDone);
    EXPECT_EQ(RunOnFile("EditIconFile", "C:\\SRC\\A.ICO"), ide::kToolDone);
    // ClassExpert has no window; a window that cannot open is the tool's error.
    EXPECT_EQ(RunOnFile("ClassExpert", "C:\\SRC\\A.IDE"), ide::kToolDone);
    windows.answer = false;
    EXPECT_EQ(RunOnFile("EditText", "C:\\SRC\\B.CPP"), ide::kToolErrors);
    EXPECT_EQ(windows.opened, (std::vector<std::string>{
                                  "EditText C:\\SRC\\A.CPP", "EditResource C:\\SRC\\A.RC",
                                  "EditBitmapFile C:\\SRC\\A.BMP", "EditCursorFile C:\\SRC\\A.CUR",
                                  "EditIconFile C:\\SRC\\A.ICO", "EditText C:\\SRC\\B.CPP"}));
    EXPECT_EQ(ide.Tools().Runs().back().result, ide::kToolErrors);
}

TEST_F(WindowSeams, ToolMenuItemsRunTheAddOnsToolsByPosition) {
    EXPECT_EQ(ide.Tools().RunMenuItem(0), ide::kToolNotHandled);
    ide::ToolService* tools = ide::QueryService<ide::ToolService>(ide.Services());
    int32_t results[] = {ide::kToolWarnings, ide::kToolFatal};
    const char* names[] = {"One", "Two"};
    for (int i = 0; i < 2; ++i) {
        ide::ITool* tool = tools->NewTool();
        tool->SetName(ide::MakeHostString(ide.Services(), names[i]));
        ToolImplementor* implementor = new ToolImplementor(results[i]);
        tool->SetImplementor(implementor);
        implementor->Release();
        ASSERT_EQ(tools->AddTool(tool), 1);
        tool->Release();
    }
    tools->Release();
    EXPECT_EQ(ide.Tools().RunMenuItem(1), ide::kToolFatal);
    EXPECT_EQ(ide.Tools().Runs().back().tool, "Two");
    EXPECT_EQ(ide.Tools().RunMenuItem(0), ide::kToolWarnings);
    EXPECT_EQ(ide.Tools().RunMenuItem(2), ide::kToolNotHandled);
}

TEST_F(WindowSeams, ListenersHearTheProjectTheMessagesAndTheStatusLine) {
    testing_support::TempDir dir;
    ASSERT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), dir.path()));
    std::vector<std::string> log;
    // The windows hear of a change before the clients do.
    auto* client = new testing_support::RecordingProjectClient(log);
    ide::ProjectService* projects = ide::QueryService<ide::ProjectService>(ide.Services());
    projects->AddClient(client);
    ide.Projects().SetChangeListener([&] {
        log.push_back(std::string("project ") + (ide.Projects().Current() ? "open" : "none"));
    });
    ASSERT_TRUE(ide.Projects().Open(dir.File("APP.IDE")));
    ide::IdeNode node = projects->AddNode(projects->TopNode(),
                                          ide::MakeHostString(ide.Services(), "x.cpp"), nullptr, 0);
    ide.Projects().Rename(node, "y.cpp");
    projects->RemoveNode(node);
    ide.Projects().Close(false);
    EXPECT_EQ(log, (std::vector<std::string>{
                       "project open", "client: opened " + dir.File("APP.IDE"), "project open",
                       "client: added", "project open", "client: renamed", "project open",
                       "client: removed", "client: may close", "project none", "client: closed"}));
    projects->RemoveClient(client);
    client->Release();
    projects->Release();

    int changes = 0;
    ide.Messages().SetChangeListener([&changes] { ++changes; });
    ide::MessageService* messages = ide::QueryService<ide::MessageService>(ide.Services());
    ide::MessageGroup* a = messages->NewGroup(ide::MakeHostString(ide.Services(), "A"), nullptr);
    ide::MessageGroup* again =
        messages->NewGroup(ide::MakeHostString(ide.Services(), "A"), nullptr);
    ide::MessageGroup* b = messages->NewGroup(ide::MakeHostString(ide.Services(), "B"), nullptr);
    EXPECT_EQ(changes, 2) << "a group that exists already is no change";
    a->AddMessage(0, ide::MakeHostString(ide.Services(), "one"));
    b->AddMessage(0, ide::MakeHostString(ide.Services(), "two"));
    EXPECT_EQ(a->AddMessage(999, ide::MakeHostString(ide.Services(), "refused")), 0u);
    EXPECT_EQ(changes, 4);
    ide.Messages().ClearGroup(0);
    EXPECT_EQ(changes, 5);
    EXPECT_TRUE(ide.Messages().Group("A")->messages.empty());
    EXPECT_EQ(ide.Messages().Group("B")->messages.size(), 1u);
    ide.Messages().ClearGroup(7);
    EXPECT_EQ(changes, 5) << "no such group: nothing happens";
    for (ide::MessageGroup* group : {a, again, b})
        group->Release();
    messages->Release();

    std::vector<std::string> shown;
    ide.Frame().SetStatusListener([&shown](const std::string& text) { shown.push_back(text); });
    ide::FrameService* frame = ide::QueryService<ide::FrameService>(ide.Services());
    frame->SetStatusText(ide::MakeHostString(ide.Services(), "Completion done"));
    frame->Release();
    EXPECT_EQ(shown, std::vector<std::string>{"Completion done"});
    ide.Frame().SetStatusListener(nullptr);
    ide.Messages().SetChangeListener(nullptr);
    ide.Projects().SetChangeListener(nullptr);
}

} // namespace
} // namespace host
} // namespace qelvo
