#include "menus_fixture.h"

#include "core/recent_lists.h"
#include "core/window_rules.h"

namespace qelvo {
namespace testing_support {

bool RecordingBarShell::TitleMatches(const std::string& title, const char* part) {
    return TitleMatchesPart(title.c_str(), part);
}

void MenusTest::SetUp() {
    startDirectory = platform::CurrentDirectory();
    liveInfos = host::LiveObjects(host::ObjectKind::NodeInfo);
    liveStrings = host::LiveObjects(host::ObjectKind::String);
    parts.reset(new AddonParts(kPartTopBar | kPartStatus | kPartTools | kPartProjects,
                               ide.Services()));
    previousShell_ = SetTopBarShell(&shell);
    NodeMenus.Clear();
    LoadRecentLists(); // empty: the registry is the test's own
}

void MenusTest::TearDown() {
    SetTopBarShell(previousShell_);
    NodeMenus.Clear();
    parts.reset();
    // The tool lookup made the project's directory current: leave it before it goes.
    platform::ChangeDirectory(startDirectory.c_str());
    EXPECT_EQ(ide.ServiceReferences(), 0u);
    EXPECT_EQ(ide.OverReleases(), 0u);
    EXPECT_EQ(host::LiveObjects(host::ObjectKind::NodeInfo), liveInfos)
        << "every NodeInfo released";
    EXPECT_EQ(host::LiveObjects(host::ObjectKind::String), liveStrings)
        << "every HostString released";
}

ide::IdeNode MenusTest::OpenProject() {
    projectPath = dir.Write("APP.IDE", "QelvoStandInProject 1\nNode\n  Name \"APP\"\nEnd\n");
    EXPECT_TRUE(ide.Projects().Open(projectPath));
    return ide.Projects().Current()->Top();
}

ide::IdeNode MenusTest::Add(ide::IdeNode parent, const std::string& name,
                            const std::string& type) {
    return ide.Projects().Current()->Add(parent, name, type);
}

std::string MenusTest::Build(int layout, int menuSize) {
    plan = MenuPlan();
    plan.firstPopup = plan.NewPopup();
    plan.AppendPopup(MenuPlan::kBar, "Qelvo", plan.firstPopup);
    NodeMenus.Clear();
    int counter = 0;
    NodeMenuBuilder builder(Projects->Service(), plan, NodeMenus, menuSize);
    builder.BuildNodeMenus(layout, counter);
    EXPECT_EQ(counter, NodeMenus.nodes.count);
    return Render(plan, MenuPlan::kBar);
}

std::vector<std::string> MenusTest::Runs() {
    std::vector<std::string> runs;
    for (const host::ToolRun& run : ide.Tools().Runs())
        runs.push_back(run.tool + " " + (run.node ? std::to_string(run.node) : run.fileName));
    return runs;
}

} // namespace testing_support
} // namespace qelvo
