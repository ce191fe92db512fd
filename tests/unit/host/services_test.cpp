// The stand-in IDE's services object and its tools, Make, message window, status line and
// options dialog, used through the IDE's interfaces as an add-on uses them.
#include "host_test_support.h"
#include "recorders.h"
#include "stand_in_ide.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace qelvo {
namespace host {
namespace {

using testing_support::Text;

class ServicesTest : public ::testing::Test {
protected:
    void TearDown() override {
        ide.Projects().Close(false);
        ide.DropAddOnObjects();
        EXPECT_EQ(ide.ServiceReferences(), 0u);
        EXPECT_EQ(ide.OverReleases(), 0u);
        // Everything handed out came back; only the IDE's own eight tools live on with it.
        EXPECT_EQ(LiveObjects(ObjectKind::String), 0);
        EXPECT_EQ(LiveObjects(ObjectKind::FileReader), 0);
        EXPECT_EQ(LiveObjects(ObjectKind::NodeInfo), 0);
        EXPECT_EQ(LiveObjects(ObjectKind::MessageGroup), 0);
        EXPECT_EQ(LiveObjects(ObjectKind::Tool), 8);
    }
    ide::HostString* Str(const char* text) { return ide::MakeHostString(ide.Services(), text); }

    StandInIde ide;
};

TEST_F(ServicesTest, AnswersEveryServiceByItsIdWithAReference) {
    ide::IdeServices* services = ide.Services();
    const ide::IdeGuid ids[] = {ide::ProjectService::kId, ide::ProjectSaveService::kId,
                                ide::OptionService::kId,  ide::ToolService::kId,
                                ide::MakeService::kId,    ide::MessageService::kId,
                                ide::FrameService::kId,   ide::OptionsDialogService::kId,
                                ide::IUnknown::kId,       ide::IdeServices::kId};
    std::vector<ide::IUnknown*> held;
    for (const ide::IdeGuid& id : ids) {
        void* out = nullptr;
        ASSERT_EQ(services->QueryService(id, &out), ide::kIdeOk) << std::hex << id.data1;
        ASSERT_TRUE(out);
        held.push_back(static_cast<ide::IUnknown*>(out));
    }
    EXPECT_EQ(ide.ServiceReferences(), 10u);
    // A service answers its own ID and IUnknown's, nothing else.
    void* again = nullptr;
    EXPECT_EQ(held[0]->QueryInterface(ide::ProjectService::kId, &again), ide::kIdeOk);
    static_cast<ide::IUnknown*>(again)->Release();
    EXPECT_EQ(held[0]->QueryInterface(ide::ToolService::kId, &again), ide::kIdeNoInterface);
    for (ide::IUnknown* service : held)
        service->Release();

    // The editors come with the windows: until one is set there is no EditorService.
    void* editor = reinterpret_cast<void*>(1);
    EXPECT_EQ(services->QueryService(ide::EditorService::kId, &editor), ide::kIdeNoInterface);
    EXPECT_EQ(editor, nullptr);
    EXPECT_EQ(services->QueryService(ide::HostString::kId, &editor), ide::kIdeNoInterface);
    EXPECT_EQ(services->QueryService(ide::ProjectService::kId, nullptr), ide::kIdeNoInterface);
}

TEST_F(ServicesTest, MakesHostStringsThatLiveUntilReleased) {
    ide::HostString* s = ide.Services()->NewHostString();
    ASSERT_TRUE(s);
    EXPECT_STREQ(s->GetText(), "");
    s->SetText("Qelvo");
    EXPECT_STREQ(s->GetText(), "Qelvo");
    s->SetText(nullptr);
    EXPECT_STREQ(s->GetText(), "");
    EXPECT_EQ(LiveObjects(ObjectKind::String), 1);
    EXPECT_EQ(s->AddRef(), 2u);
    EXPECT_EQ(s->Release(), 1u);
    EXPECT_EQ(s->Release(), 0u);
    EXPECT_EQ(LiveObjects(ObjectKind::String), 0);
}

TEST_F(ServicesTest, ShowsAndLogsStatusTextAndHandsOutTheFrame) {
    ide::FrameService* frame = ide::QueryService<ide::FrameService>(ide.Services());
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->FrameWindow(), nullptr);
    int window = 0;
    ide.Frame().SetFrameWindow(&window);
    EXPECT_EQ(frame->FrameWindow(), &window);
    frame->SetStatusText(Str("Searching foo ..."));
    frame->SetStatusText(Str("Searching foo ... Found !"));
    frame->SetStatusText(nullptr);
    EXPECT_EQ(ide.Frame().StatusText(), "");
    EXPECT_EQ(ide.Frame().StatusLog(),
              (std::vector<std::string>{"Searching foo ...", "Searching foo ... Found !", ""}));
    frame->Release();
}

TEST_F(ServicesTest, KeepsMessageGroupsWithMessagesAndSubMessages) {
    ide::MessageService* messages = ide::QueryService<ide::MessageService>(ide.Services());
    ASSERT_TRUE(messages);
    ide::MessageGroup* delivery = messages->NewGroup(Str("Delivery"), Str("&Delivery"));
    ASSERT_TRUE(delivery);
    ide::IdeMessage folder = delivery->AddMessage(0, Str("APP : 2 files"));
    ASSERT_NE(folder, 0u);
    ide::IdeMessage first = delivery->AddSubMessage(folder, Str("C:\\APP.EXE delivered"), nullptr,
                                                    3, 4, ide::kMessageInfo);
    ide::IdeMessage second = delivery->AddSubMessage(
        folder, Str("    count++;"), Str("C:\\SRC\\A.CPP"), 12, 1, ide::kMessageInfo);
    EXPECT_NE(first, 0u);
    EXPECT_NE(second, first);
    EXPECT_EQ(delivery->AddSubMessage(0, Str("no parent"), nullptr, 0, 0, 0), 0u);
    EXPECT_EQ(delivery->AddSubMessage(9999, Str("unknown parent"), nullptr, 0, 0, 0), 0u);
    EXPECT_EQ(delivery->AddMessage(9999, Str("unknown parent")), 0u);
    ide::IdeMessage nested = delivery->AddMessage(folder, Str("nested"));
    EXPECT_NE(nested, 0u);

    // The same title is the same tab; a message of one group is no parent in another.
    ide::MessageGroup* cross = messages->NewGroup(Str("Cross reference"), Str("&Cross reference"));
    EXPECT_EQ(cross->AddSubMessage(folder, Str("x"), nullptr, 0, 0, 5), 0u);
    ide::MessageGroup* again = messages->NewGroup(Str("Delivery"), Str("&Delivery"));
    EXPECT_NE(again->AddSubMessage(folder, Str("later"), nullptr, 0, 0, 2), 0u);
    EXPECT_EQ(messages->NewGroup(Str(""), Str("x")), nullptr);

    ASSERT_EQ(ide.Messages().Groups().size(), 2u);
    const HostMessageGroup* group = ide.Messages().Group("Delivery");
    ASSERT_TRUE(group);
    EXPECT_EQ(group->menuText, "&Delivery");
    ASSERT_EQ(group->messages.size(), 5u);
    EXPECT_EQ(group->messages[0].text, "APP : 2 files");
    EXPECT_FALSE(group->messages[0].sub);
    EXPECT_EQ(group->messages[0].parent, 0u);
    const HostMessage& withoutFile = group->messages[1];
    EXPECT_TRUE(withoutFile.sub);
    EXPECT_EQ(withoutFile.parent, folder);
    EXPECT_EQ(withoutFile.file, "");
    EXPECT_EQ(withoutFile.line, 0);
    const HostMessage& withFile = group->messages[2];
    EXPECT_EQ(withFile.file, "C:\\SRC\\A.CPP");
    EXPECT_EQ(withFile.line, 12);
    EXPECT_EQ(withFile.column, 1);
    EXPECT_EQ(withFile.kind, ide::kMessageInfo);
    EXPECT_EQ(group->messages[3].parent, folder);
    EXPECT_EQ(group->messages[4].kind, 2);
    EXPECT_TRUE(ide.Messages().Group("Cross reference")->messages.empty());

    ide.Messages().ClearMessages();
    EXPECT_TRUE(ide.Messages().Group("Delivery")->messages.empty());
    delivery->Release();
    cross->Release();
    again->Release();
    messages->Release();
}

// A tool implementor as an add-on writes it: answers a set result and notes what it ran on.
class Implementor : public ide::IUnknownImp<ide::IToolImplementor> {
public:
    int32_t QELVO_IDECALL Run(ide::IdeNode node, ide::HostString* fileName) override {
        ran.push_back(std::to_string(node) + " " + (fileName ? fileName->GetText() : "(none)"));
        return result;
    }
    int32_t result = ide::kToolDone;
    std::vector<std::string> ran;
};

TEST_F(ServicesTest, AddsFindsRunsAndRemovesTools) {
    testing_support::TempDir dir;
    ASSERT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), dir.path()));
    ASSERT_TRUE(ide.Projects().Open(dir.File("APP.IDE")));
    ide::ToolService* tools = ide::QueryService<ide::ToolService>(ide.Services());
    ASSERT_TRUE(tools);

    auto* implementor = new Implementor;
    ide::ITool* tool = tools->NewTool();
    tool->SetKind(-3);
    tool->SetName(Str("QelvoDelivery"));
    tool->SetFlags(0x2100);
    tool->SetDescription(Str("Qelvo Project delivery"));
    tool->SetMenuText(Str("Qelvo &Delivery"));
    tool->SetNote(Str("[Qelvo AddOn extension]"));
    tool->SetImplementor(implementor);
    EXPECT_EQ(implementor->RefCount(), 2u);
    ASSERT_EQ(tools->AddTool(tool), 1);
    EXPECT_EQ(tools->AddTool(tool), 0); // once
    tool->Release();
    EXPECT_EQ(ide.Tools().ToolMenu(), std::vector<std::string>{"Qelvo &Delivery"});

    // A second tool of the same name is refused, as is one without a name.
    ide::ITool* twin = tools->NewTool();
    twin->SetName(Str("qelvodelivery"));
    EXPECT_EQ(tools->AddTool(twin), 0);
    twin->SetName(Str(""));
    EXPECT_EQ(tools->AddTool(twin), 0);
    twin->Release();
    EXPECT_EQ(tools->AddTool(nullptr), 0);

    ide::ITool* found = tools->FindTool(Str("QELVODELIVERY"));
    ASSERT_EQ(found, tool);
    EXPECT_EQ(found->GetKind(), -3);
    EXPECT_EQ(found->GetFlags(), 0x2100u);
    EXPECT_EQ(Text(found->GetDescription()), "Qelvo Project delivery");
    EXPECT_EQ(Text(found->GetNote()), "[Qelvo AddOn extension]");
    ide::IToolImplementor* held = found->GetImplementor();
    EXPECT_EQ(held, implementor);
    held->Release();

    ide::ProjectService* project = ide::QueryService<ide::ProjectService>(ide.Services());
    ide::IdeNode main = project->FindNode(Str((dir.path() + "\\src\\main.cpp").c_str()));
    // Every result the implementor answers comes back as it is.
    for (int32_t result : {ide::kToolNotHandled, ide::kToolDone, ide::kToolWarnings,
                           ide::kToolErrors, ide::kToolFatal}) {
        implementor->result = result;
        EXPECT_EQ(tools->RunTool(found, main, 0), result);
    }
    implementor->result = ide::kToolWarnings;
    EXPECT_EQ(tools->RunToolOnFile(found, Str("C:\\X.TXT"), 0), ide::kToolWarnings);
    EXPECT_EQ(ide.Tools().RunFromMenu("QelvoDelivery"), ide::kToolWarnings);
    EXPECT_EQ(implementor->ran.size(), 7u);
    EXPECT_EQ(implementor->ran[0], std::to_string(main) + " " + dir.path() + "\\src\\main.cpp");
    EXPECT_EQ(implementor->ran[5], "0 C:\\X.TXT");
    EXPECT_EQ(implementor->ran[6], "0 (none)");
    EXPECT_EQ(tools->RunTool(found, 0x7fffffff, 0), ide::kToolNotHandled); // unknown node
    EXPECT_EQ(tools->RunToolOnFile(found, nullptr, 0), ide::kToolNotHandled);

    EXPECT_EQ(tools->RemoveTool(found), 1);
    EXPECT_EQ(tools->RemoveTool(found), 0);
    EXPECT_EQ(tools->RunTool(found, main, 0), ide::kToolNotHandled); // no longer added
    EXPECT_EQ(tools->FindTool(Str("QelvoDelivery")), nullptr);
    EXPECT_EQ(ide.Tools().RunFromMenu("QelvoDelivery"), ide::kToolNotHandled);
    found->Release();
    EXPECT_EQ(implementor->RefCount(), 1u);
    implementor->Release();
    project->Release();
    tools->Release();
}

TEST_F(ServicesTest, RunsTheIdesOwnToolsAndRecordsEveryRun) {
    testing_support::TempDir dir;
    ASSERT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), dir.path()));
    ASSERT_TRUE(ide.Projects().Open(dir.File("APP.IDE")));
    testing_support::LaunchRecorder launches;
    testing_support::MessageRecorder messages;
    ide::ToolService* tools = ide::QueryService<ide::ToolService>(ide.Services());
    ide::ProjectService* project = ide::QueryService<ide::ProjectService>(ide.Services());
    for (const char* name : ToolHost::kBuiltInTools) {
        ide::ITool* tool = tools->FindTool(Str(name));
        EXPECT_TRUE(tool) << name;
        if (tool) tool->Release();
    }

    ide::IdeNode exe = project->FindNode(Str((dir.path() + "\\bin\\APP.EXE").c_str()));
    ide::IdeNode header = project->FindNode(Str((dir.path() + "\\include\\util.h").c_str()));
    ide::ITool* run = tools->FindTool(Str("RunExecutable"));
    ide::ITool* edit = tools->FindTool(Str("EditText"));
    ide::ITool* open = tools->FindTool(Str("Project"));
    EXPECT_EQ(tools->RunTool(run, exe, 0), ide::kToolDone);
    EXPECT_EQ(launches.programs, std::vector<std::string>{dir.path() + "\\bin\\APP.EXE"});
    launches.result = false;
    EXPECT_EQ(tools->RunToolOnFile(run, Str("C:\\BIN\\OTHER.EXE"), 0), ide::kToolErrors);
    EXPECT_EQ(tools->RunTool(edit, header, 0), ide::kToolDone);
    EXPECT_EQ(tools->RunToolOnFile(edit, Str("C:\\SRC\\A.CPP.txt"), 0), ide::kToolDone);
    // "Project" opens the project file it is given (closing the open one).
    EXPECT_EQ(tools->RunToolOnFile(open, Str(dir.File("MISSING.IDE").c_str()), 0),
              ide::kToolErrors);
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(project->QueryProjectLoaded(), ide::kIdeFalse);
    EXPECT_EQ(tools->RunToolOnFile(open, Str(dir.File("APP.IDE").c_str()), 0), ide::kToolDone);
    EXPECT_EQ(project->QueryProjectLoaded(), ide::kIdeOk);
    // The IDE's own tools cannot be added again.
    EXPECT_EQ(tools->AddTool(edit), 0);

    const std::vector<ToolRun>& runs = ide.Tools().Runs();
    ASSERT_EQ(runs.size(), 6u);
    EXPECT_EQ(runs[0].tool, "RunExecutable");
    EXPECT_EQ(runs[0].node, exe);
    EXPECT_EQ(runs[1].fileName, "C:\\BIN\\OTHER.EXE");
    EXPECT_EQ(runs[1].result, ide::kToolErrors);
    EXPECT_EQ(runs[2].tool, "EditText");
    EXPECT_EQ(runs[2].fileName, dir.path() + "\\include\\util.h");
    EXPECT_EQ(runs[3].node, 0u);
    EXPECT_EQ(runs[5].tool, "Project");
    EXPECT_EQ(runs[5].result, ide::kToolDone);
    for (ide::IUnknown* held :
         {static_cast<ide::IUnknown*>(run), static_cast<ide::IUnknown*>(edit),
          static_cast<ide::IUnknown*>(open), static_cast<ide::IUnknown*>(project),
          static_cast<ide::IUnknown*>(tools)})
        held->Release();
}

TEST_F(ServicesTest, TellsMakeClientsAroundTheBuild) {
    std::vector<std::string> log;
    ide::MakeService* make = ide::QueryService<ide::MakeService>(ide.Services());
    auto* client = new testing_support::RecordingMakeClient(log);
    EXPECT_EQ(make->AddClient(client), 1);
    EXPECT_EQ(make->AddClient(client), 0);
    EXPECT_EQ(ide.Make().Run([&log] {
        log.push_back("build");
        return 2;
    }),
              2);
    EXPECT_EQ(ide.Make().Run(), 0);
    EXPECT_EQ(ide.Make().Makes(), 2);
    EXPECT_EQ(make->RemoveClient(client), 1);
    EXPECT_EQ(make->RemoveClient(client), 0);
    ide.Make().Run();
    EXPECT_EQ(log, (std::vector<std::string>{"make: started", "build", "make: ended",
                                             "make: started", "make: ended"}));
    EXPECT_EQ(client->RefCount(), 1u);
    client->Release();
    make->Release();
}

// A chapter with two pages, as the add-on hands the options dialog.
class Page : public ide::IUnknownImp<ide::IMpdPage> {
public:
    Page(ide::IdeServices* s, int id, const char* title) : services(s), id_(id), title_(title) {}
    void QELVO_IDECALL Attach(void*, ide::IMpdPageSite*) override {}
    ide::IdeBool QELVO_IDECALL Validate() override { return 1; }
    void QELVO_IDECALL Load() override {}
    void QELVO_IDECALL Save() override {}
    ide::IdeBool QELVO_IDECALL IsModified() override { return 0; }
    void QELVO_IDECALL Reset() override {}
    void QELVO_IDECALL OnCommand(int32_t, void*, int32_t) override {}
    void* QELVO_IDECALL GetInstance() override { return nullptr; }
    int32_t QELVO_IDECALL GetDialogId() override { return id_; }
    ide::HostString* QELVO_IDECALL GetTitle() override {
        return ide::MakeHostString(services, title_);
    }
    int32_t QELVO_IDECALL GetFlags() override { return id_ == 102 ? 4096 : 1; }
    void QELVO_IDECALL ShowHelp() override {}
    void QELVO_IDECALL ShowDescription() override {}
    ide::IdeServices* services;

private:
    int id_;
    const char* title_;
};

class Chapter : public ide::IUnknownImp<ide::IMpdChapter> {
public:
    explicit Chapter(ide::IdeServices* s)
        : pages{new Page(s, 102, "Qelvo AddOn for Borland C++"),
                new Page(s, 103, "General options")} {}
    ~Chapter() override {
        for (Page* page : pages)
            page->Release();
    }
    ide::IMpdPage* QELVO_IDECALL GetPageById(int32_t id) override {
        return id >= 102 && id < 104 ? Held(pages[id - 102]) : nullptr;
    }
    int32_t QELVO_IDECALL GetPageCount() override { return 2; }
    ide::IMpdPage* QELVO_IDECALL GetPage(int32_t n) override {
        return n >= 1 && n <= 2 ? Held(pages[n - 1]) : nullptr;
    }
    Page* pages[2];

private:
    static ide::IMpdPage* Held(Page* page) {
        page->AddRef();
        return page;
    }
};

TEST_F(ServicesTest, KeepsTheOptionsChaptersItIsGiven) {
    ide::OptionsDialogService* dialog =
        ide::QueryService<ide::OptionsDialogService>(ide.Services());
    auto* chapter = new Chapter(ide.Services());
    EXPECT_EQ(dialog->AddChapter(chapter, 0), 1);
    EXPECT_EQ(dialog->AddChapter(chapter, 0), 0);
    ASSERT_EQ(ide.OptionsDialog().ChapterCount(), 1u);
    ide::IMpdChapter* kept = ide.OptionsDialog().Chapter(0);
    EXPECT_EQ(kept, chapter);
    EXPECT_EQ(ide.OptionsDialog().Chapter(1), nullptr);
    // What the options dialog will read of it.
    ASSERT_EQ(kept->GetPageCount(), 2);
    ide::IMpdPage* second = kept->GetPage(2);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->GetDialogId(), 103);
    EXPECT_EQ(Text(second->GetTitle()), "General options");
    second->Release();
    EXPECT_EQ(kept->GetPage(3), nullptr);
    EXPECT_EQ(dialog->RemoveChapter(chapter), 1);
    EXPECT_EQ(dialog->RemoveChapter(chapter), 0);
    EXPECT_EQ(chapter->RefCount(), 1u);
    // A chapter left registered (the add-on does not withdraw it at stop) is let go by the IDE.
    dialog->AddChapter(chapter, 0);
    chapter->Release();
    EXPECT_EQ(chapter->RefCount(), 1u);
    ide.DropAddOnObjects();
    EXPECT_EQ(ide.OptionsDialog().ChapterCount(), 0u);
    dialog->Release();
}

} // namespace
} // namespace host
} // namespace qelvo
