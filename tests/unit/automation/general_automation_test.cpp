// The general automation over the stand-in IDE's services with a recording windows port: the
// auto-save clock, the Make start and end in their order, the Make client's registration, the
// project view at opening and the single-instance rule.
#include "addon_parts.h"
#include "automation/general_automation.h"
#include "foundation/settings.h"
#include "memory_registry.h"
#include "recorders.h"
#include "stand_in_ide.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qelvo;
using namespace qelvo::ide;
using testing_support::AddonParts;
using testing_support::MemoryRegistry;
using testing_support::MessageRecorder;

namespace {

class RecordingWindows final : public IdeWindowsPort {
public:
    bool FrameEnabled() override {
        log.push_back("enabled?");
        return enabled;
    }
    void SendFrameCommand(int command) override {
        log.push_back("send " + std::to_string(command));
    }
    void PostFrameCommand(int command) override {
        log.push_back("post " + std::to_string(command));
    }
    void ClearMessages() override { log.push_back("clear"); }
    void* FindMdiChild(const char* windowClass) override {
        std::string name = windowClass;
        if (name == "BCW5Message" && messageOpen) return &message;
        if (name == "BCW5Project") return &project;
        return nullptr;
    }
    WindowPlace WindowRect(void* window) override {
        WindowPlace r;
        r.left = window == &message ? 10 : 500;
        r.top = 300;
        r.right = r.left + 200;
        r.bottom = 400;
        return r;
    }
    void CloseWindow(void* window) override { log.push_back("close " + Name(window)); }
    void PlaceMdiChild(const char* windowClass, const WindowPlace& r) override {
        log.push_back(std::string("place ") + windowClass + " " + std::to_string(r.left) + "," +
                      std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                      std::to_string(r.bottom));
    }
    void* FindStatusWindow() override { return &status; }
    void Minimise(void* window) override { log.push_back("minimise " + Name(window)); }
    void Restore(void* window) override { log.push_back("restore " + Name(window)); }
    bool ActivateOtherFrame() override {
        log.push_back("other frame?");
        return otherIde;
    }
    void EndProcess() override { log.push_back("end"); }

    std::string Name(void* w) const {
        return w == &message   ? "message"
               : w == &project ? "project"
               : w == &status  ? "status"
                               : "?";
    }

    std::vector<std::string> log;
    bool enabled = true, messageOpen = true, otherIde = false;
    int message = 0, project = 0, status = 0;
};

// Views 1 to 3 in a ring: two editors and a viewer that is not one.
struct RingEditor : IUnknownImp<EditorService> {
    explicit RingEditor(host::StandInIde& ide) : ide_(ide) {}
    void QELVO_IDECALL BeginAccess() override {}
    void QELVO_IDECALL EndAccess() override {}
    void QELVO_IDECALL Update() override {}
    void QELVO_IDECALL ScrollToLine(int32_t) override {}
    IdeView QELVO_IDECALL FindView(HostString* name) override {
        if (name) name->Release();
        return views ? 1 : 0;
    }
    int32_t QELVO_IDECALL ViewKind(IdeView view) override { return view == 2 ? 2 : kViewIsEditor; }
    HostString* QELVO_IDECALL ViewFileName(IdeView view) override {
        HostString* s = ide_.Services()->NewHostString();
        s->SetText(view == 1   ? "C:\\APP\\SRC\\MAIN.CPP"
                   : view == 2 ? "C:\\APP\\ICON.ICO"
                               : "C:\\APP\\INCLUDE\\util.h");
        return s;
    }
    void QELVO_IDECALL CaretPosition(int32_t*, int32_t*) override {}
    void QELVO_IDECALL InsertText(HostString* text) override {
        if (text) text->Release();
    }
    void QELVO_IDECALL SetCaret(int32_t, int32_t) override {}
    IdeView QELVO_IDECALL NextView(IdeView view) override { return view % 3 + 1; }
    HostString* QELVO_IDECALL CaretLineText(int32_t) override { return nullptr; }
    IdeBool QELVO_IDECALL SaveView(IdeView view) override {
        saved.push_back(view);
        return 1;
    }
    void QELVO_IDECALL SelectView(IdeView) override {}
    void QELVO_IDECALL GotoLine(int32_t, int32_t) override {}

    host::StandInIde& ide_;
    bool views = true;
    std::vector<IdeView> saved;
};

const std::string kGeneral = std::string(kAddonKey) + "\\General";

class Automated : public ::testing::Test {
protected:
    void SetUp() override {
        previous = SetIdeWindowsPort(&windows);
        editor = new RingEditor(ide);
        ide.SetEditorService(editor);
    }
    void TearDown() override {
        parts.reset();
        ide.SetEditorService(nullptr);
        editor->Release();
        SetIdeWindowsPort(previous);
        EXPECT_EQ(MakeClient::Live(), 0);
        EXPECT_EQ(ide.ServiceReferences(), 0u);
    }
    void Set(const char* name, const char* value) {
        registry.values[MemoryRegistry::Key(kGeneral.c_str(), name)] = std::string(value) + '\0';
    }
    void Start() {
        parts.reset(new AddonParts(
            kPartAutomation | kPartStatus | kPartEditorAccess | kPartProjects, ide.Services()));
    }
    void OpenProject() {
        ASSERT_TRUE(ide.Projects().Open(
            dir.Write("APP.IDE", "QelvoStandInProject 1\nNode\n  Name \"APP\"\nEnd\n")));
    }
    size_t Saves() const { return editor->saved.size(); }

    MemoryRegistry registry;
    MessageRecorder messages;
    RecordingWindows windows;
    IdeWindowsPort* previous = nullptr;
    host::StandInIde ide;
    RingEditor* editor = nullptr;
    testing_support::TempDir dir;
    std::unique_ptr<AddonParts> parts;
};

TEST_F(Automated, AutoSaveAtTheThreeHundredthTickWithFiveMinutes) {
    Set("TimerSave", "1");
    Set("TimerCount", "5");
    Start();
    OpenProject();
    for (int i = 0; i < 299; ++i)
        Automation->Tick();
    EXPECT_EQ(Saves(), 0u);
    Automation->Tick();
    EXPECT_EQ(editor->saved, (std::vector<IdeView>{1, 3})) << "the viewer is no editor";
    EXPECT_EQ(ide.Frame().StatusText(), "Auto-save (5 min) : MAIN.CPP, util.h.");
    EXPECT_EQ(Automation->tickCount, 0);
}

TEST_F(Automated, ADisabledFrameRestartsTheCountWithoutSaving) {
    Set("TimerSave", "1");
    Set("TimerCount", "5");
    Start();
    OpenProject();
    windows.enabled = false;
    for (int i = 0; i < 300; ++i)
        Automation->Tick();
    EXPECT_EQ(Saves(), 0u);
    EXPECT_EQ(Automation->tickCount, 0);
    windows.enabled = true;
    for (int i = 0; i < 299; ++i)
        Automation->Tick();
    EXPECT_EQ(Saves(), 0u) << "a full period again";
    Automation->Tick();
    EXPECT_EQ(Saves(), 2u);
}

TEST_F(Automated, TimerCountZeroSavesAtEveryTickAndNothingWithoutEditorsOrProject) {
    Set("TimerSave", "1");
    Set("TimerCount", "0");
    Start();
    Automation->Tick();
    EXPECT_EQ(Saves(), 0u) << "no project";
    OpenProject();
    Automation->Tick();
    Automation->Tick();
    EXPECT_EQ(Saves(), 4u);
    editor->views = false;
    size_t shown = ide.Frame().StatusLog().size();
    Automation->Tick();
    EXPECT_EQ(ide.Frame().StatusLog().size(), shown) << "nothing shown without editors";
}

TEST_F(Automated, MakeClosesAndRestoresInItsOrder) {
    for (const char* name :
         {"ClearOnMake", "CloseOnMake", "CloseProjectOnMake", "IconizeStatusOnMake"})
        Set(name, "1");
    Start();
    static std::vector<std::string>* log = &windows.log;
    Automation->beforeMake = [] { log->push_back("generate"); };
    OpenProject();
    EXPECT_EQ(ide.Make().ClientCount(), 1u);
    windows.log.clear();
    ide.Make().Run();
    EXPECT_EQ(windows.log,
              (std::vector<std::string>{"generate", "send 13252", "clear", "close message",
                                        "close project", "minimise status", "send 13251",
                                        "place BCW5Project 500,300,700,400", "send 13252",
                                        "place BCW5Message 10,300,210,400", "restore status"}));
    // The message window already closed at the next Make: it stays closed.
    windows.messageOpen = false;
    windows.log.clear();
    ide.Make().Run();
    EXPECT_EQ(windows.log,
              (std::vector<std::string>{"generate", "send 13252", "clear", "close project",
                                        "minimise status", "send 13251",
                                        "place BCW5Project 500,300,700,400", "restore status"}));
    ide.Projects().Close();
    EXPECT_EQ(ide.Make().ClientCount(), 0u);
}

TEST_F(Automated, NothingAroundMakeWithTheSettingsOff) {
    for (const char* name :
         {"ClearOnMake", "CloseOnMake", "CloseProjectOnMake", "IconizeStatusOnMake"})
        Set(name, "0");
    Start();
    OpenProject();
    windows.log.clear();
    ide.Make().Run();
    EXPECT_TRUE(windows.log.empty());
}

TEST_F(Automated, ProjectViewAtOpeningWhenTheFrameIsEnabled) {
    Set("ViewOnOpen", "1");
    Set("Unic", "0");
    Start();
    OpenProject();
    EXPECT_EQ(windows.log, (std::vector<std::string>{"enabled?", "post 13251"}));
    windows.enabled = false;
    windows.log.clear();
    OpenProject();
    EXPECT_EQ(windows.log, (std::vector<std::string>{"enabled?"}));
}

TEST_F(Automated, SingleInstanceEndsTheSecondIde) {
    Set("Unic", "1");
    windows.otherIde = true;
    Start();
    EXPECT_EQ(windows.log, (std::vector<std::string>{"other frame?", "end"}));
    parts.reset();
    windows.log.clear();
    windows.otherIde = false;
    Start();
    EXPECT_EQ(windows.log, (std::vector<std::string>{"other frame?"}));
    parts.reset(); // writes the settings back
    Set("Unic", "0");
    windows.log.clear();
    windows.otherIde = true;
    Start();
    EXPECT_TRUE(windows.log.empty()) << "not asked with Unic off";
}

// The IDE's services without a MakeService.
TEST(MakeClientRegistration, WithoutMakeServiceTheErreurBox) {
    MemoryRegistry registry;
    MessageRecorder messages;
    GeneralAutomation automation(nullptr);
    automation.RegisterMakeClient();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Creation SMK impossible");
    EXPECT_EQ(messages.messages[0].title, "Erreur");
    EXPECT_EQ(messages.messages[0].flags, 0u);
    EXPECT_EQ(messages.messages[0].owner, nullptr);
    EXPECT_EQ(MakeClient::Live(), 0);
}

} // namespace
