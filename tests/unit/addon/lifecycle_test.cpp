// The start and stop sequences with the stand-in IDE's services, a recording shell and an
// in-memory registry: their orders, the bar's visibility setting, the services released, a part
// that cannot be made, and the fatal end without the OptionService.
#include "addon/lifecycle.h"
#include "core/globals.h"
#include "codegen/code_generator.h"
#include "core/help.h"
#include "core/project_session.h"
#include "core/services.h"
#include "core/tool_table.h"
#include "foundation/settings.h"
#include "memory_registry.h"
#include "navigation/editor_menu.h"
#include "navigation/quick_find.h"
#include "recorders.h"
#include "stand_in_ide.h"
#include "temp_dir.h"
#include "topbar/bar_menu.h"
#include "topbar/node_menus.h"
#include "topbar/top_bar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace qelvo;
using qelvo::testing_support::MemoryRegistry;
using qelvo::testing_support::MessageRecorder;

namespace {

// The add-on's module as the IDE loads it, which gives the help file its name.
std::string AddonModule(void*) { return "C:\\BC5\\QELVO\\QELVOADD.DLL"; }
const bool moduleNamed = (HelpSystem.moduleFileName = AddonModule, true);

class RecordingShell final : public AddonShell {
public:
    void DescribeSystem(AddonEnvironment& environment) override {
        calls.push_back("describe");
        environment.newShell = newShell;
    }
    bool InitializeOle() override {
        calls.push_back("ole");
        return oleWorks;
    }
    void UninitializeOle() override { calls.push_back("no ole"); }
    void* CreateBar(bool isNewShell) override {
        calls.push_back(isNewShell ? "bar new shell" : "bar old shell");
        return &window;
    }
    void ShowBar(void* w) override { calls.push_back(w == &window ? "show" : "show ?"); }
    void DestroyBar(void* w) override {
        calls.push_back(w == &window ? "destroy" : "destroy ?");
        servicesAtDestroy = Services != nullptr;
    }
    void CreateHooks(void* w) override { calls.push_back(w == &window ? "hooks" : "hooks ?"); }
    void DeleteHooks() override {
        calls.push_back("unhook");
        editorMenuAtUnhook = EditorMenus != nullptr;
        quickFindAtUnhook = QuickFinder != nullptr;
        helpAtUnhook = Help != nullptr;
        generatorAtUnhook = CodeGenerator != nullptr;
    }

    std::vector<std::string> calls;
    int newShell = 1;
    bool oleWorks = true;
    bool servicesAtDestroy = false;
    bool editorMenuAtUnhook = false, quickFindAtUnhook = true;
    bool helpAtUnhook = false, generatorAtUnhook = true;
    int window = 0;
};

// The groups in the order their first value was written.
std::vector<std::string> GroupOrder(const std::vector<std::string>& log) {
    std::vector<std::string> groups;
    for (const std::string& entry : log) {
        std::string key = entry.substr(0, entry.find('|'));
        std::string group = key.substr(std::string(kAddonKey).size() + 1);
        if (groups.empty() || groups.back() != group)
            groups.push_back(group);
    }
    return groups;
}

// The stand-in's services object without the OptionService.
class WithoutOptions final : public ide::IdeServices {
public:
    explicit WithoutOptions(ide::IdeServices* inner) : inner_(inner) {}
    ide::IdeResult QELVO_IDECALL QueryInterface(const ide::IdeGuid& id, void** out) override {
        if (ide::IdeGuidEqual(id, ide::OptionService::kId)) {
            *out = nullptr;
            return ide::kIdeNoInterface;
        }
        return inner_->QueryInterface(id, out);
    }
    uint32_t QELVO_IDECALL AddRef() override { return inner_->AddRef(); }
    uint32_t QELVO_IDECALL Release() override { return inner_->Release(); }
    ide::HostString* QELVO_IDECALL NewHostString() override { return inner_->NewHostString(); }
    ide::HostFileReader* QELVO_IDECALL NewHostFileReader() override {
        return inner_->NewHostFileReader();
    }

private:
    ide::IdeServices* inner_;
};

class StderrSink final : public platform::MessageSink {
public:
    int Show(void*, const char* text, const char* title, unsigned) override {
        std::fprintf(stderr, "%s: %s\n", title, text);
        return platform::kIdOk;
    }
    void Tone(unsigned, unsigned) override {}
};

} // namespace

TEST(Lifecycle, StartAndStopInTheirOrders) {
    MemoryRegistry registry;
    host::StandInIde ide;
    RecordingShell shell;
    ASSERT_TRUE(StartAddon(ide.Services(), shell));
    EXPECT_EQ(shell.calls,
              (std::vector<std::string>{"ole", "describe", "bar new shell", "show", "hooks"}));
    EXPECT_EQ(AddonWindow, &shell.window);
    ASSERT_NE(Tools, nullptr);
    EXPECT_EQ(Tools->count, 8);
    ASSERT_NE(Bar, nullptr);
    EXPECT_EQ(Bar->settings.leftMargin, -1);
    EXPECT_EQ(registry.writes, 0) << "nothing is written until stop";
    EXPECT_GT(ide.ServiceReferences(), 0u);
    ASSERT_NE(Projects, nullptr);
    ASSERT_NE(Help, nullptr);
    EXPECT_STREQ(Help->helpFile, "C:\\BC5\\QELVO\\QELVOADD.hlp");
    EXPECT_NE(CodeGenerator, nullptr);
    EXPECT_EQ(ide.Projects().ClientCount(), 1u) << "the project client registered";
    EXPECT_EQ(ide.Projects().SaveClientCount(), 1u);
    EXPECT_EQ(ide.OptionsDialog().ChapterCount(), 1u) << "the options chapter added";

    ShowStatusText("Delivery done");
    ASSERT_FALSE(ide.Frame().StatusLog().empty());
    EXPECT_EQ(ide.Frame().StatusText(), "Delivery done");

    shell.calls.clear();
    StopAddon(shell);
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"unhook", "destroy", "no ole"}));
    EXPECT_FALSE(shell.quickFindAtUnhook) << "quick find goes before the hooks";
    EXPECT_TRUE(shell.editorMenuAtUnhook) << "the editor menu goes after them";
    EXPECT_FALSE(shell.generatorAtUnhook) << "the dialog code generator goes first";
    EXPECT_TRUE(shell.helpAtUnhook) << "help goes after the hooks";
    EXPECT_EQ(Help, nullptr);
    EXPECT_EQ(CodeGenerator, nullptr);
    EXPECT_TRUE(shell.servicesAtDestroy) << "the services go after the bar";
    EXPECT_EQ(GroupOrder(registry.writeLog),
              (std::vector<std::string>{"TopBar", "Mail", "QuickFind", "Menus", "TopBar",
                                        "Completion", "General", "Tasks", "Groupware", "HTML"}))
        << "the recent lists first, then the parts";
    EXPECT_EQ(ide.ServiceReferences(), 0u);
    EXPECT_EQ(ide.OverReleases(), 0u);
    EXPECT_EQ(Services, nullptr);
    EXPECT_EQ(Tools, nullptr);
    EXPECT_EQ(Projects, nullptr);
    EXPECT_EQ(ide.Projects().ClientCount(), 0u);
    EXPECT_EQ(ide.Projects().SaveClientCount(), 0u);
    // Withdrawn, so the IDE keeps nothing of an unloaded add-on.
    EXPECT_EQ(ide.OptionsDialog().ChapterCount(), 0u);
    EXPECT_EQ(ProjectClientImpl::Live(), 0) << "both clients deleted";
    EXPECT_EQ(ProjectClient2Impl::Live(), 0);
    EXPECT_EQ(AddonWindow, nullptr);

    shell.calls.clear();
    StopAddon(shell);
    EXPECT_TRUE(shell.calls.empty()) << "a second stop does nothing";
}

TEST(Lifecycle, SettingsWrittenAtStopAreReadAtTheNextStart) {
    MemoryRegistry registry;
    host::StandInIde ide;
    RecordingShell shell;
    ASSERT_TRUE(StartAddon(ide.Services(), shell));
    Bar->settings.menuSize = 20;
    StopAddon(shell);
    EXPECT_EQ(ReadInt("TopBar", "MenuSize", 50), 20);
    ASSERT_TRUE(StartAddon(ide.Services(), shell));
    EXPECT_EQ(Bar->settings.menuSize, 20);
    StopAddon(shell);
}

TEST(Lifecycle, TheBarStaysHiddenWhenTheTopBarIsOff) {
    MemoryRegistry registry;
    WriteInt("TopBar", "Enabled", 0);
    host::StandInIde ide;
    RecordingShell shell;
    shell.newShell = 0;
    ASSERT_TRUE(StartAddon(ide.Services(), shell));
    EXPECT_EQ(shell.calls,
              (std::vector<std::string>{"ole", "describe", "bar old shell", "hooks"}));
    EXPECT_EQ(Bar->settings.leftMargin, 17) << "the old shell's default";
    StopAddon(shell);
}

TEST(Lifecycle, NoStartWithoutOle) {
    MemoryRegistry registry;
    host::StandInIde ide;
    RecordingShell shell;
    shell.oleWorks = false;
    EXPECT_FALSE(StartAddon(ide.Services(), shell));
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"ole"}));
    EXPECT_EQ(Services, nullptr);
    StopAddon(shell);
    EXPECT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(ide.ServiceReferences(), 0u);
}

TEST(LifecycleDeathTest, NoOptionServiceEndsTheProcess) {
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            StderrSink sink;
            platform::SetMessageSink(&sink);
            MemoryRegistry registry;
            host::StandInIde ide;
            WithoutOptions services(ide.Services());
            RecordingShell shell;
            StartAddon(&services, shell);
        },
        ::testing::ExitedWithCode(3), "Erreur: Assertion failed: svr!=NULL");
}

// A part whose creation fails (an exhausted heap) stays null: the add-on starts without it, runs
// a project session and stops, and nothing else is lost.
TEST(Lifecycle, APartThatCannotBeMadeIsLeftOut) {
    static AddonPart failing;
    const struct {
        AddonPart part;
        const char* group; // its settings group, never written when it does not exist
    } cases[] = {
        {kPartQuickFind, "QuickFind"}, {kPartEditorMenu, "Menus"},   {kPartTopBar, "TopBar"},
        {kPartCompletion, "Completion"}, {kPartAutomation, "General"}, {kPartStatus, nullptr},
        {kPartTools, nullptr},         {kPartProjects, nullptr},     {kPartOptions, nullptr},
        {kPartMail, "Mail"},           {kPartEditorAccess, nullptr}, {kPartHtml, "HTML"},
        {kPartDelivery, nullptr},      {kPartTasks, "Tasks"},         {kPartGroupware, "Groupware"},
    };
    testing_support::TempDir dir;
    std::string project =
        dir.Write("APP.IDE", "QelvoStandInProject 1\nNode\n  Name \"APP\"\nEnd\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.part);
        failing = c.part;
        FailPartCreation = [](AddonPart part) { return part == failing; };
        MemoryRegistry registry;
        host::StandInIde ide;
        RecordingShell shell;
        ASSERT_TRUE(StartAddon(ide.Services(), shell));
        FailPartCreation = nullptr;
        EXPECT_EQ(Bar == nullptr, c.part == kPartTopBar);
        EXPECT_EQ(Projects == nullptr, c.part == kPartProjects);
        EXPECT_EQ(Options == nullptr, c.part == kPartOptions);
        EXPECT_EQ(std::count(shell.calls.begin(), shell.calls.end(), "show"),
                  c.part == kPartTopBar ? 0 : 1)
            << "the bar is shown only by an existing top bar";

        ASSERT_TRUE(ide.Projects().Open(project));
        ShowStatusText("working");
        String viewer;
        if (Tools) {
            EXPECT_STREQ(Tools->FindTool(".cpp", viewer), "EditText");
        }
        MenuPlan plan;
        BuildBar(plan);
        EXPECT_NE(ProjectDirectory(), nullptr);
        ASSERT_TRUE(ide.Projects().Close(true));

        StopAddon(shell);
        EXPECT_EQ(ide.ServiceReferences(), 0u);
        EXPECT_EQ(ProjectClientImpl::Live(), 0);
        std::vector<std::string> groups = GroupOrder(registry.writeLog);
        for (const char* group :
             {"QuickFind", "Menus", "Completion", "General", "Mail", "Tasks", "Groupware", "HTML"})
            EXPECT_EQ(std::count(groups.begin(), groups.end(), group),
                      c.group && std::string(c.group) == group ? 0 : 1)
                << group;
        // "TopBar" also holds the recent lists, saved whatever part is missing.
        std::string enabled = std::string(kAddonKey) + "\\TopBar|Enabled";
        EXPECT_EQ(std::count(registry.writeLog.begin(), registry.writeLog.end(), enabled),
                  c.part == kPartTopBar ? 0 : 1);
        std::string count = std::string(kAddonKey) + "\\TopBar|NbIDE";
        EXPECT_EQ(std::count(registry.writeLog.begin(), registry.writeLog.end(), count), 1);
        NodeMenus.Clear();
    }
}
