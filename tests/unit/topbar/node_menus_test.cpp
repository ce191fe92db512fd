// The node menus planned from projects built in the test: the node kinds, the '#' rule, both
// layouts, the column breaks, the removal of empty bar popups, the lists behind the commands,
// the items' status texts and the search of a container by name.
#include "menus_fixture.h"

#include <string>

using namespace qelvo;
using namespace qelvo::testing_support;

TEST(NodeKinds, ByTypeAndWhatLiesBelow) {
    EXPECT_EQ(KindOf(".obj", true), NodeKind::Hidden);
    EXPECT_EQ(KindOf(".obj", false), NodeKind::Hidden);
    EXPECT_EQ(KindOf(".exe", true), NodeKind::Container);
    EXPECT_EQ(KindOf(".exe", false), NodeKind::FileItem);
    EXPECT_EQ(KindOf(".dll", true), NodeKind::Container);
    EXPECT_EQ(KindOf(".dll", false), NodeKind::FileItem);
    EXPECT_EQ(KindOf(".lib", true), NodeKind::Container);
    EXPECT_EQ(KindOf(".lib", false), NodeKind::Hidden);
    EXPECT_EQ(KindOf(".cpp", true), NodeKind::FileItem) << "children of a source are not shown";
    EXPECT_EQ(KindOf("SourcePool", true), NodeKind::Container);
    EXPECT_EQ(KindOf("SourcePool", false), NodeKind::Hidden);
    EXPECT_EQ(KindOf("", false), NodeKind::Hidden) << "an empty type has no dot";
    // Compared exactly: the upper-case type is another type.
    EXPECT_EQ(KindOf(".EXE", true), NodeKind::FileItem);
    EXPECT_EQ(KindOf(".OBJ", false), NodeKind::FileItem);
    EXPECT_FALSE(LeafCounts(".obj"));
    EXPECT_FALSE(LeafCounts(".lib"));
    EXPECT_TRUE(LeafCounts("SourcePool")) << "counts, though it is then not shown";
}

TEST(ColumnBreaks, EveryMenuSizeItemsAfterTheFirst) {
    EXPECT_FALSE(StartsColumn(0, 10));
    EXPECT_FALSE(StartsColumn(9, 10));
    EXPECT_TRUE(StartsColumn(10, 10));
    EXPECT_FALSE(StartsColumn(11, 10));
    EXPECT_TRUE(StartsColumn(20, 10));
    EXPECT_FALSE(StartsColumn(5, 0)) << "a menu size of 0 breaks nothing (and divides nothing)";
}

TEST_F(MenusTest, SourcePoolStartingWithAHashedChildIsNotShown) {
    ide::IdeNode root = OpenProject();
    ide::IdeNode pool = Add(root, "Pool", "SourcePool");
    Add(pool, "#OLD", "SourcePool");
    Add(pool, "a.cpp", ".cpp");
    Add(root, "main.cpp", ".cpp");
    EXPECT_EQ(Build(1), "Qelvo{}, main.cpp=10000");
    EXPECT_EQ(Build(0), "Qelvo{}, APP.IDE{main.cpp=10000}");
    EXPECT_EQ(NodeMenus.containers.count, 1) << "Pool got no popup";
}

TEST_F(MenusTest, HashedCaptionEndsItsSiblings) {
    ide::IdeNode root = OpenProject();
    ide::IdeNode pool = Add(root, "Pool", "SourcePool");
    Add(pool, "A.cpp", ".cpp");
    Add(pool, "#B.cpp", ".cpp");
    Add(pool, "C.cpp", ".cpp");
    EXPECT_EQ(Build(1), "Qelvo{}, Pool{A.cpp=10000}");
    EXPECT_EQ(Build(0), "Qelvo{}, Pool{A.cpp=10000}") << "the empty root popup was removed";
    // A '#' source pool hides what follows it too, in both layouts.
    ide::IdeNode hidden = Add(root, "#Attic", "SourcePool");
    Add(hidden, "x.cpp", ".cpp");
    Add(root, "late.cpp", ".cpp");
    EXPECT_EQ(Build(1), "Qelvo{}, Pool{A.cpp=10000}");
}

TEST_F(MenusTest, ExecutablesWithAndWithoutChildren) {
    ide::IdeNode root = OpenProject();
    ide::IdeNode app = Add(root, "app.exe", ".exe");
    Add(app, "main.cpp", ".cpp");
    ide::IdeNode tool = Add(root, "tool.exe", ".exe");
    ide::IdeNode onlyObj = Add(root, "old.exe", ".exe");
    Add(onlyObj, "old.obj", ".obj");
    EXPECT_EQ(Build(1), "Qelvo{run app.exe=300}, app.exe{main.cpp=10000}, tool.exe=10001, "
                        "old.exe=10002");
    ASSERT_EQ(NodeMenus.exes.count, 1);
    EXPECT_EQ(NodeMenus.exes.nodes[0], app);
    EXPECT_EQ(NodeMenus.nodes.At(1)->node, tool);
    EXPECT_EQ(NodeMenus.nodes.At(2)->node, onlyObj) << "nothing displayable below: a file item";

    EXPECT_EQ(Build(0), "Qelvo{run app.exe=300}, APP.IDE{tool.exe=10001, old.exe=10002}, "
                        "app.exe{main.cpp=10000}");
    EXPECT_EQ(NodeMenus.exes.count, 1);
}

TEST_F(MenusTest, LibrariesAndObjects) {
    ide::IdeNode root = OpenProject();
    Add(root, "empty.lib", ".lib");
    Add(root, "start.obj", ".obj");
    ide::IdeNode objWithChild = Add(root, "odd.obj", ".obj");
    Add(objWithChild, "odd.cpp", ".cpp");
    ide::IdeNode lib = Add(root, "math.lib", ".lib");
    Add(lib, "math.cpp", ".cpp");
    ide::IdeNode libOfObjs = Add(root, "objs.lib", ".lib");
    Add(libOfObjs, "a.obj", ".obj");
    ide::IdeNode dll = Add(root, "ui.dll", ".dll");
    Add(dll, "ui.obj", ".obj");
    Add(root, "a.rc", ".rc");
    EXPECT_EQ(Build(1), "Qelvo{}, math.lib{math.cpp=10000}, ui.dll=10001, a.rc=10002");
    EXPECT_EQ(Build(0), "Qelvo{}, APP.IDE{ui.dll=10001, a.rc=10002}, math.lib{math.cpp=10000}");
}

TEST_F(MenusTest, SourceWithChildrenIsAFileItemAndHidesThem) {
    ide::IdeNode root = OpenProject();
    ide::IdeNode main = Add(root, "main.cpp", ".cpp");
    Add(main, "main.h", "AutoDepend");
    ide::IdeNode deps = Add(root, "Deps", "AutoDepend");
    Add(deps, "stdio.h", ".h");
    EXPECT_EQ(Build(1), "Qelvo{}, main.cpp=10000, Deps{stdio.h=10001}");
}

TEST_F(MenusTest, LinearOrderRootThenEachContainerBeforeItsOwn) {
    ide::IdeNode root = OpenProject();
    Add(root, "top.cpp", ".cpp");
    ide::IdeNode p1 = Add(root, "P1", "SourcePool");
    Add(p1, "a.cpp", ".cpp");
    ide::IdeNode p11 = Add(p1, "P11", "SourcePool");
    Add(p11, "deep.cpp", ".cpp");
    Add(p1, "b.cpp", ".cpp");
    ide::IdeNode p2 = Add(root, "P2", "SourcePool");
    Add(p2, "c.cpp", ".cpp");
    EXPECT_EQ(Build(0), "Qelvo{}, APP.IDE{top.cpp=10000}, P1{a.cpp=10001, b.cpp=10003}, "
                        "P11{deep.cpp=10002}, P2{c.cpp=10004}");
    // Every container has its popup on the bar, the bar owning each.
    ASSERT_EQ(NodeMenus.containers.count, 4);
    EXPECT_EQ(NodeMenus.containers.At(0)->node, root);
    EXPECT_EQ(NodeMenus.containers.At(2)->node, p11);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(NodeMenus.containers.At(i)->owner, MenuPlan::kBar);
    EXPECT_EQ(Build(1), "Qelvo{}, top.cpp=10000, P1{a.cpp=10001, P11{deep.cpp=10002}, "
                        "b.cpp=10003}, P2{c.cpp=10004}");
    // A nested popup is placed (and listed) while its parent's is still being filled.
    EXPECT_EQ(NodeMenus.containers.At(0)->node, p11);
    EXPECT_EQ(NodeMenus.containers.At(1)->node, p1);
    EXPECT_EQ(NodeMenus.containers.At(0)->owner, NodeMenus.containers.At(1)->popup);
    EXPECT_EQ(NodeMenus.containers.At(1)->owner, MenuPlan::kBar);
}

TEST_F(MenusTest, EmptyPopupsLeaveTheBarButEntriesStay) {
    ide::IdeNode root = OpenProject();
    ide::IdeNode p1 = Add(root, "P1", "SourcePool");
    ide::IdeNode p11 = Add(p1, "P11", "SourcePool");
    Add(p11, "x.cpp", ".cpp");
    ide::IdeNode p2 = Add(root, "P2", "SourcePool");
    Add(p2, "y.cpp", ".cpp");
    EXPECT_EQ(Build(0), "Qelvo{}, P11{x.cpp=10000}, P2{y.cpp=10001}");
    EXPECT_EQ(NodeMenus.containers.count, 4) << "the removed popups keep their entries";
    // The first popup is never removed, even when it is empty.
    EXPECT_TRUE(plan.Menu(plan.firstPopup).items.empty());
}

TEST_F(MenusTest, ColumnBreaksWithMenuSizeTen) {
    ide::IdeNode root = OpenProject();
    ide::IdeNode pool = Add(root, "Pool", "SourcePool");
    for (int i = 1; i <= 25; ++i)
        Add(pool, "f" + std::to_string(i) + ".cpp", ".cpp");
    ide::IdeNode sub = Add(pool, "Sub", "SourcePool");
    Add(sub, "s.cpp", ".cpp");
    Build(1, 10);
    const PlannedMenu& menu = plan.Menu(NodeMenus.containers.At(1)->popup);
    ASSERT_EQ(menu.items.size(), 26u);
    for (size_t i = 0; i < menu.items.size(); ++i)
        EXPECT_EQ(menu.items[i].columnBreak, i == 10 || i == 20) << "item " << i + 1;
    EXPECT_EQ(menu.items[10].text, "f11.cpp");
    EXPECT_FALSE(menu.items[25].columnBreak) << "containers count with the files";
    // Linear: the pool's popup counts its own files; the sub-pool's popup starts at 0.
    Build(0, 10);
    const PlannedMenu& linear = plan.Menu(NodeMenus.containers.At(1)->popup);
    ASSERT_EQ(linear.items.size(), 25u);
    EXPECT_TRUE(linear.items[20].columnBreak);
    // A size outside 10 to 99 is taken as the nearest limit.
    Build(1, 0);
    EXPECT_TRUE(plan.Menu(NodeMenus.containers.At(1)->popup).items[10].columnBreak);
}

TEST_F(MenusTest, BarUsesTheSettingsAndNothingWithoutAProject) {
    BuildBar(plan);
    EXPECT_EQ(Render(plan, MenuPlan::kBar),
              "Qelvo{Last Includes{}, -, Options...=199, Help...=196}")
        << "no project";
    ide::IdeNode root = OpenProject();
    Add(root, "a.cpp", ".cpp");
    Bar->settings.hierarchical = 1;
    BuildBar(plan);
    EXPECT_EQ(NodeBar(plan), "Qelvo, a.cpp=10000");
    Bar->settings.hierarchical = 0;
    BuildBar(plan);
    EXPECT_EQ(NodeBar(plan), "Qelvo, APP.IDE{a.cpp=10000}");
    Bar->settings.hierarchical = 2;
    BuildBar(plan);
    EXPECT_EQ(NodeBar(plan), "Qelvo");
    EXPECT_EQ(NodeMenus.nodes.count, 0);
}

TEST_F(MenusTest, AHundredRunItemsAtMost) {
    ide::IdeNode root = OpenProject();
    for (int i = 0; i < 105; ++i) {
        ide::IdeNode exe = Add(root, "p" + std::to_string(i) + ".exe", ".exe");
        Add(exe, "m" + std::to_string(i) + ".cpp", ".cpp");
    }
    Build(1);
    EXPECT_EQ(NodeMenus.exes.count, 100);
    EXPECT_EQ(plan.Menu(plan.firstPopup).items.size(), 100u);
    EXPECT_EQ(plan.Menu(plan.firstPopup).items[99].command, 399u);
    EXPECT_EQ(NodeMenus.containers.count, 105) << "the executables beyond still get popups";
}

TEST_F(MenusTest, LongCaptionsAreCut) {
    ide::IdeNode root = OpenProject();
    std::string longName(120, 'n');
    Add(root, longName + ".cpp", ".cpp");
    Build(1);
    EXPECT_EQ(plan.Menu(MenuPlan::kBar).items[1].text, std::string(79, 'n'));
}

TEST_F(MenusTest, StatusTextsOfTheItems) {
    ide::IdeNode root = OpenProject();
    ide::IdeNode app = Add(root, "app.exe", ".exe");
    Node(app).output = "bin\\APP.EXE";
    Node(app).description = "Draws shapes";
    ide::IdeNode main = Add(app, "main.cpp", ".cpp");
    Add(app, "plain.exe", ".exe");
    Node(main).description = "Entry";
    Build(1);
    std::string directory = dir.path();
    EXPECT_EQ(ExeItemText(0), directory + "\\bin\\APP.EXE : Draws shapes");
    EXPECT_STREQ(ExeItemText(1), "nothing !");
    EXPECT_STREQ(ExeItemText(-1), "nothing !");
    EXPECT_EQ(NodeItemText(0), directory + "\\main.cpp : Entry");
    EXPECT_EQ(NodeItemText(1), directory + "\\plain.exe") << "no description, no separator";
    EXPECT_STREQ(NodeItemText(2), "a file in the project ...");
    EXPECT_STREQ(NodeItemText(-5), "a file in the project ...");
    // Nodes the IDE no longer knows.
    ide.Projects().Current()->Remove(app);
    EXPECT_STREQ(ExeItemText(0), "a bad file in the project ...");
    EXPECT_STREQ(NodeItemText(0), "a bad file in the project ...");
}

TEST_F(MenusTest, FindContainerByUpperCaseName) {
    ide::IdeNode root = OpenProject();
    EXPECT_EQ(FindContainer(root, "DELIVERY"), 0u) << "no children";
    ide::IdeNode app = Add(root, "app.exe", ".exe");
    ide::IdeNode sources = Add(app, "Sources", "SourcePool");
    Add(sources, "main.cpp", ".cpp");
    ide::IdeNode nested = Add(sources, "Delivery", "SourcePool");
    Add(nested, "x.exe", ".exe");
    ide::IdeNode top = Add(root, "DELIVERY", "SourcePool");
    Add(top, "y.exe", ".exe");
    Add(root, "delivery", "SourcePool"); // no children: passed over
    EXPECT_EQ(FindContainer(root, "DELIVERY"), nested) << "depth first, in sibling order";
    EXPECT_EQ(FindContainer(sources, "DELIVERY"), nested);
    EXPECT_EQ(FindContainer(root, "SOURCES"), sources);
    EXPECT_EQ(FindContainer(root, "APP.EXE"), 0u) << "a type with a dot is no container";
    EXPECT_EQ(FindContainer(root, "Delivery"), 0u) << "the name given is upper case";
    EXPECT_EQ(FindContainer(0, "DELIVERY"), 0u);
    // A name longer than 249 characters counts as empty.
    ide::IdeNode longPool = Add(root, std::string(250, 'L'), "SourcePool");
    Add(longPool, "z.cpp", ".cpp");
    EXPECT_EQ(FindContainer(root, std::string(250, 'L').c_str()), 0u);
    EXPECT_EQ(FindContainer(root, ""), longPool);
}
