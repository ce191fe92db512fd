// The bar's own menu, its handling of project opening, closing and saving with the per-project
// options, the recent projects it follows, and the quick node edits.
#include "core/project_values.h"
#include "core/recent_lists.h"
#include "foundation/project_options.h"
#include "foundation/settings.h"
#include "menus_fixture.h"
#include "topbar/bar_menu.h"
#include "topbar/quick_edits.h"

#include <string>
#include <vector>

using namespace qelvo;
using namespace qelvo::testing_support;

namespace {

const char kProjectPopups[] =
    "-, Tasks{Manage...=171, Flash...=173}, "
    "Groupware{Get...=175, Send...=176, -, Report...=177, Server report...=178, -, Mail...=174}, "
    "HTML{Generate=194, Run=195}, -, Options...=199, Help...=196";

class BarTest : public MenusTest {
protected:
    void TearDown() override {
        *ProjectValues.groupwareEnabled = 1;
        MenusTest::TearDown();
    }
    std::string First() {
        BuildBar(plan);
        const PlannedItem& item = plan.Menu(MenuPlan::kBar).items.at(0);
        return item.text + "{" + Render(plan, item.popup) + "}";
    }
    // A project file holding the top node's options as given (name, bytes).
    std::string WriteProject(const std::string& name, const std::string& options) {
        return dir.Write(name, "QelvoStandInProject 1\nNode\n  Name \"APP\"\n" + options +
                                   "  Node\n    Name \"a.cpp\"\n  End\nEnd\n");
    }
    std::vector<std::string> RecentProjects() {
        std::vector<std::string> list;
        for (int i = 0; i < Recent.projects.count; ++i)
            list.push_back(Recent.projects.At(i));
        return list;
    }
    std::string OptionBytes(const char* name) {
        host::Project* project = ide.Projects().Current();
        const host::NodeOption* option = project->Option(project->Top(), name);
        return option ? std::string(option->bytes.begin(), option->bytes.end()) : "<absent>";
    }
};

TEST_F(BarTest, WithoutAProjectTheFirstPopupHasItsFixedItemsOnly) {
    EXPECT_EQ(First(), "Qelvo{Last Includes{}, -, Options...=199, Help...=196}");
    EXPECT_EQ(plan.Menu(MenuPlan::kBar).items.size(), 1u);
}

TEST_F(BarTest, RecentProjectsThenRunItemsThenLastIncludes) {
    RememberProject("C:\\OLD\\OLD.IDE");
    RecordInclude("C:\\SRC\\a.h");
    ide::IdeNode root = OpenProject();
    ide::IdeNode exe = Add(root, "app.exe", ".exe");
    Add(exe, "main.cpp", ".cpp");
    EXPECT_EQ(First(), std::string("Qelvo{OLD.IDE=200, -, run app.exe=300, -, "
                                   "Last Includes{a.h=400}, ") +
                           kProjectPopups + "}");
    ForgetProject("C:\\OLD\\OLD.IDE");
    EXPECT_EQ(First(), std::string("Qelvo{run app.exe=300, -, Last Includes{a.h=400}, ") +
                           kProjectPopups + "}");
}

TEST_F(BarTest, NeitherRecentProjectsNorProgramsStartsWithLastIncludes) {
    OpenProject();
    EXPECT_EQ(First(), std::string("Qelvo{Last Includes{}, ") + kProjectPopups + "}");
}

TEST_F(BarTest, GroupwareAndHtmlPopupsFollowTheirSettings) {
    *ProjectValues.groupwareEnabled = 0;
    WriteProject("APP.IDE", "  Option \"Qelvo_HTMLEN\" 4 00000000\n");
    ASSERT_TRUE(ide.Projects().Open(dir.File("APP.IDE")));
    EXPECT_EQ(First(),
              "Qelvo{Last Includes{}, -, Tasks{Manage...=171, Flash...=173}, -, Options...=199, "
              "Help...=196}");
}

TEST_F(BarTest, TheProjectViewHidesTheNodeMenusWhenHideWithViewIsOn) {
    WriteProject("APP.IDE", "  Option \"Qelvo_HIDEWITHVIEW\" 4 01000000\n");
    shell.projectView = true;
    ASSERT_TRUE(ide.Projects().Open(dir.File("APP.IDE")));
    EXPECT_EQ(HideNodeMenusNow(), 50);
    EXPECT_EQ(NodeBar(shell.plan), "Qelvo");
    shell.projectView = false; // the view closed: command 103 rebuilds the bar
    RebuildBar();
    EXPECT_EQ(NodeBar(shell.plan), "Qelvo, APP.IDE{a.cpp=10000}");
}

TEST_F(BarTest, AbsentLayoutOptionsTakeTheRegistryLayoutAndNoHiding) {
    WriteInt("TopBar", "Hierarchical", 1);
    WriteInt("TopBar", "HideWithView", 1);
    Bar->settings.hierarchical = 0;
    OpenProject();
    EXPECT_EQ(Bar->settings.hierarchical, 1) << "Qelvo_HIERARCH absent: the registry's value";
    EXPECT_EQ(Bar->settings.hideWithView, 0) << "Qelvo_HIDEWITHVIEW absent: 0";
}

TEST_F(BarTest, TheProjectsOwnLayoutWins) {
    WriteInt("TopBar", "Hierarchical", 1);
    WriteProject("APP.IDE", "  Option \"Qelvo_HIERARCH\" 4 02000000\n");
    ASSERT_TRUE(ide.Projects().Open(dir.File("APP.IDE")));
    EXPECT_EQ(Bar->settings.hierarchical, 2);
    EXPECT_EQ(NodeBar(shell.plan), "Qelvo");
}

TEST_F(BarTest, ATextOptionIsItsPrefixItsTextAndItsTerminator) {
    OpenProject();
    *ProjectValues.htmlFilters = "*.c";
    ASSERT_TRUE(ide.Projects().Save());
    EXPECT_EQ(OptionBytes("Qelvo_HTMLFI"), std::string("~*.c\0", 5));
    EXPECT_EQ(OptionBytes("QelvoGroupwareServer"), std::string("~\0", 2));
    EXPECT_EQ(OptionBytes("Qelvo_HTMLEN"), std::string("\1\0\0\0", 4));
}

TEST_F(BarTest, ADeliveryPairWithoutItsTypeIsLeftOut) {
    WriteProject("APP.IDE", "  Option \"Qelvo_NB_ODR\" 4 03000000\n"
                            "  Option \"Qelvo_ODR_TYP_0\" 6 2B2E65786500\n"
                            "  Option \"Qelvo_ODR_REP_0\" 5 2B62696E00\n"
                            "  Option \"Qelvo_ODR_REP_1\" 5 2B6C696200\n"
                            "  Option \"Qelvo_ODR_TYP_2\" 6 2B2E686C7000\n"
                            "  Option \"Qelvo_ODR_REP_2\" 5 2B646F6300\n");
    ASSERT_TRUE(ide.Projects().Open(dir.File("APP.IDE")));
    ASSERT_EQ(ProjectValues.deliveries->count, 2);
    EXPECT_STREQ(ProjectValues.deliveries->At(0)->type.c_str(), ".exe");
    EXPECT_STREQ(ProjectValues.deliveries->At(0)->folder.c_str(), "bin");
    EXPECT_STREQ(ProjectValues.deliveries->At(1)->type.c_str(), ".hlp");
    EXPECT_STREQ(ProjectValues.deliveries->At(1)->folder.c_str(), "doc");
}

// Every per-project option, written in the IDE's write order, comes back byte for byte.
TEST_F(BarTest, TheOptionsSurviveASaveACloseAndAReopen) {
    const char* options =
        "  Option \"Qelvo_HIERARCH\" 4 01000000\n"
        "  Option \"Qelvo_HIDEWITHVIEW\" 4 01000000\n"
        "  Option \"Qelvo_WITHDELIVERY\" 4 00000000\n"
        "  Option \"Qelvo_NB_ODR\" 4 01000000\n"
        "  Option \"Qelvo_ODR_TYP_0\" 6 2B2E65786500\n"
        "  Option \"Qelvo_ODR_REP_0\" 5 2B62696E00\n"
        "  Option \"Qelvo_NB_MAIL\" 4 01000000\n"
        "  Option \"Qelvo_MAIL_PJ_0\" 9 2B616E6E6140787900\n"
        "  Option \"QelvoGroupwareServer\" 7 7E5C5C73727600\n"
        "  Option \"Qelvo_EWindows\" 4 01000000\n"
        "  Option \"Qelvo_GenRC\" 4 01000000\n"
        "  Option \"Qelvo_HTMLEN\" 4 00000000\n"
        "  Option \"Qelvo_HTMLAU\" 4 01000000\n"
        "  Option \"Qelvo_HTMLFI\" 5 7E2A2E6300\n";
    std::string path = WriteProject("APP.IDE", options);
    ASSERT_TRUE(ide.Projects().Open(path));
    const char* names[] = {"Qelvo_HIERARCH",  "Qelvo_HIDEWITHVIEW", "Qelvo_WITHDELIVERY",
                           "Qelvo_NB_ODR",    "Qelvo_ODR_TYP_0",    "Qelvo_ODR_REP_0",
                           "Qelvo_NB_MAIL",   "Qelvo_MAIL_PJ_0",    "QelvoGroupwareServer",
                           "Qelvo_EWindows",  "Qelvo_GenRC",        "Qelvo_HTMLEN",
                           "Qelvo_HTMLAU",    "Qelvo_HTMLFI"};
    std::vector<std::string> before;
    for (const char* name : names)
        before.push_back(OptionBytes(name));
    ASSERT_TRUE(ide.Projects().Close(true));
    ASSERT_TRUE(ide.Projects().Open(path));
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(OptionBytes(names[i]), before[i]) << names[i];
    EXPECT_EQ(*ProjectValues.eWindows, 1);
    EXPECT_EQ(*ProjectValues.withDelivery, 0);
    EXPECT_STREQ(ProjectValues.groupwareServer->c_str(), "\\\\srv");
}

TEST_F(BarTest, SavingWritesTheOptionsInTheIdesOrder) {
    OpenProject();
    std::vector<std::string> order;
    ASSERT_TRUE(ide.Projects().Save());
    host::Project* project = ide.Projects().Current();
    for (const host::NodeOption& option : project->Node(project->Top())->options)
        order.push_back(option.name);
    EXPECT_EQ(order, (std::vector<std::string>{
                         "Qelvo_HIERARCH", "Qelvo_HIDEWITHVIEW", "Qelvo_WITHDELIVERY",
                         "Qelvo_NB_ODR", "Qelvo_NB_MAIL", "QelvoGroupwareServer",
                         "Qelvo_EWindows", "Qelvo_GenRC", "Qelvo_HTMLEN", "Qelvo_HTMLAU",
                         "Qelvo_HTMLFI"}));
}

TEST_F(BarTest, RecentProjectsFollowOpeningAndClosing) {
    std::string a = WriteProject("A.IDE", ""), b = WriteProject("B.IDE", "");
    ASSERT_TRUE(ide.Projects().Open(a));
    ASSERT_TRUE(ide.Projects().Open(b)); // closes A
    ASSERT_TRUE(ide.Projects().Open(a));
    EXPECT_EQ(RecentProjects(), std::vector<std::string>{b}) << "A is open";
    ASSERT_TRUE(ide.Projects().Close(true));
    EXPECT_EQ(RecentProjects(), (std::vector<std::string>{a, b}));
    EXPECT_GE(shell.collapses, 3);
    EXPECT_EQ(shell.placements, 1) << "moved to its margins at the first project only";
}

TEST_F(BarTest, ARecentProjectIsOpenedWithTheProjectTool) {
    std::string b = WriteProject("B.IDE", "");
    RememberProject(b.c_str());
    OpenRecentProject(1);
    EXPECT_EQ(ide.Frame().StatusText(), "Internal error: not enough files");
    OpenRecentProject(0);
    EXPECT_EQ(Runs(), std::vector<std::string>{"Project " + b});
    EXPECT_STREQ(Projects->projectPath, b.c_str());
}

TEST_F(BarTest, HintsOfTheRecentItems) {
    RememberProject("C:\\P\\B.IDE");
    RecordInclude("C:\\SRC\\a.h");
    struct {
        unsigned command;
        const char* hint;
    } cases[] = {
        {200, "Switch to project C:\\P\\B.IDE"}, {400, "Open C:\\SRC\\a.h"},
        {196, "Open help window"},                {199, "Open options dialog"},
        {171, " "},                               {201, " "},
    };
    for (const auto& c : cases) {
        ShowMenuStatus(c.command);
        EXPECT_EQ(ide.Frame().StatusText(), c.hint) << c.command;
    }
}

// ---- Quick edits --------------------------------------------------------------------------

class QuickEdits : public BarTest {
protected:
    void SetUp() override {
        BarTest::SetUp();
        root = OpenProject();
        pool = Add(root, "Pool", "SourcePool");
        clicked = Add(pool, "main.cpp", ".cpp");
    }
    std::string NameOf(ide::IdeNode node) { return node ? Node(node).name : "<none>"; }
    ide::IdeNode ParentOf(ide::IdeNode node) { return Node(node).parent; }
    ide::IdeNode root = 0, pool = 0, clicked = 0;
};

TEST_F(QuickEdits, ANameWithoutADotBecomesACppFile) {
    struct {
        const char* typed;
        const char* added;
    } cases[] = {{"util", "util.cpp"}, {"util.c", "util.c"}, {"..\\lib\\util", "..\\lib\\util"}};
    for (const auto& c : cases) {
        QuickAddInput input;
        input.name = c.typed;
        QuickAddOutcome outcome = QuickAdd(clicked, input);
        EXPECT_EQ(outcome.warning, nullptr);
        ASSERT_NE(outcome.node, 0u) << c.typed;
        EXPECT_EQ(NameOf(outcome.node), c.added);
        EXPECT_EQ(ParentOf(outcome.node), pool) << "in the clicked file's container";
    }
}

TEST_F(QuickEdits, ANewContainerAtEachLevel) {
    struct {
        QuickAddInput::Level level;
        const char* label;
    } cases[] = {{QuickAddInput::kSibling, "sibling"},
                 {QuickAddInput::kParent, "parent"},
                 {QuickAddInput::kRoot, "root"}};
    for (const auto& c : cases) {
        QuickAddInput input;
        input.name = "x";
        input.newContainer = true;
        input.level = c.level;
        input.container = std::string("New ") + c.label;
        QuickAddOutcome outcome = QuickAdd(clicked, input);
        ASSERT_NE(outcome.node, 0u) << c.label;
        ide::IdeNode container = ParentOf(outcome.node);
        EXPECT_EQ(Node(container).type, "SourcePool");
        EXPECT_EQ(NameOf(container), input.container);
        // The clicked file's container lies directly below the root, so "parent" is the root.
        EXPECT_EQ(ParentOf(container), c.level == QuickAddInput::kSibling ? pool : root)
            << c.label;
    }
}

TEST_F(QuickEdits, MissingNamesKeepTheDialogOpen) {
    QuickAddInput input;
    EXPECT_STREQ(QuickAdd(clicked, input).warning, "You should specify a node name !");
    input.name = "x";
    input.newContainer = true;
    EXPECT_STREQ(QuickAdd(clicked, input).warning, "You should specify a container name !");
    EXPECT_EQ(Node(pool).children.size(), 1u) << "nothing was added";
}

TEST_F(QuickEdits, RemovalAsksFirst) {
    Node(clicked).description = "the entry";
    Build(0);
    ASSERT_EQ(NodeMenus.nodes.count, 1);
    messages.Answer(platform::kIdNo);
    QuickRemoveNode(0);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title, "Confirmation");
    EXPECT_EQ(messages.messages[0].text,
              "Okay to remove\n" + dir.path() + "\\main.cpp : the entry ?");
    EXPECT_EQ(messages.messages[0].flags, platform::kMbYesNo | platform::kMbIconQuestion);
    EXPECT_EQ(Node(pool).children.size(), 1u);
    messages.Answer(platform::kIdYes);
    QuickRemoveNode(0);
    EXPECT_TRUE(Node(pool).children.empty());
}

} // namespace
