// The project client holder: its clients' registration and lifetime, the project notifications
// (path, open flag, rebuilds, renames in place) and the project functions.
#include "foundation/project_options.h"
#include "menus_fixture.h"

#include <string>

using namespace qelvo;
using namespace qelvo::testing_support;

TEST_F(MenusTest, ProjectFunctionsWithAndWithoutAProject) {
    EXPECT_EQ(ProjectOpen(), 0);
    EXPECT_STREQ(ProjectName(), "Default");
    EXPECT_EQ(ProjectDirectory(), platform::CurrentDirectory());
    OpenProject();
    EXPECT_EQ(ProjectOpen(), 1);
    EXPECT_STREQ(ProjectName(), "APP.IDE");
    EXPECT_EQ(ProjectDirectory(), dir.path());
    // The texts are cut from the path the project was opened with.
    std::strcpy(Projects->projectPath, "C:\\WORK\\APP.IDE");
    EXPECT_STREQ(ProjectName(), "APP.IDE");
    EXPECT_STREQ(ProjectDirectory(), "C:\\WORK");
    std::strcpy(Projects->projectPath, "C:/WORK/SUB/B.IDE");
    EXPECT_STREQ(ProjectName(), "B.IDE");
    EXPECT_STREQ(ProjectDirectory(), "C:/WORK/SUB");
    std::strcpy(Projects->projectPath, "BARE.IDE");
    EXPECT_STREQ(ProjectName(), "BARE.IDE");
    EXPECT_STREQ(ProjectDirectory(), "") << "no separator, no directory";
    ASSERT_TRUE(ide.Projects().Close(false));
    EXPECT_EQ(ProjectOpen(), 0);
    EXPECT_STREQ(ProjectName(), "Default");
}

TEST_F(MenusTest, ProjectFunctionsWithoutTheHolder) {
    OpenProject();
    ProjectTestA* holder = Projects;
    Projects = nullptr;
    EXPECT_EQ(ProjectOpen(), 0);
    EXPECT_STREQ(ProjectName(), "Default");
    EXPECT_EQ(ProjectServiceOrNull(), nullptr);
    Projects = holder;
}

TEST_F(MenusTest, TheHolderPassesThroughToTheService) {
    ide::IdeNode root = OpenProject();
    ide::IdeNode main = Add(root, "main.cpp", ".cpp");
    EXPECT_EQ(Projects->TopNode(), root);
    EXPECT_EQ(Projects->FindNode((dir.path() + "\\MAIN.CPP").c_str()), main);
    EXPECT_EQ(Projects->FindNode("nowhere.cpp"), 0u);
    // The per-project options go through the holder's service while it exists.
    SetProjectInt("Qelvo_HIERARCH", 1);
    EXPECT_EQ(GetProjectInt("Qelvo_HIERARCH", 7), 1);
}

TEST_F(MenusTest, NotificationsWhileAProjectIsOpen) {
    ASSERT_NE(Projects->Client(), nullptr);
    ASSERT_NE(Projects->SaveClient(), nullptr);
    EXPECT_EQ(ide.Projects().ClientCount(), 1u);
    EXPECT_EQ(ide.Projects().SaveClientCount(), 1u);
    EXPECT_FALSE(Projects->projectOpen);

    ide::IdeNode root = OpenProject();
    EXPECT_STREQ(Projects->projectPath, projectPath.c_str());
    EXPECT_TRUE(Projects->projectOpen);
    EXPECT_EQ(shell.rebuilds, 1) << "the bar is built when the project opens";

    ide::ProjectService* service = Projects->Service();
    ide::IdeNode added = service->AddNode(root, ide::MakeHostString(Services, "x.cpp"), nullptr, 0);
    ASSERT_NE(added, 0u);
    EXPECT_EQ(shell.rebuilds, 2);
    EXPECT_EQ(NodeBar(shell.plan), "Qelvo, APP.IDE{x.cpp=10000}");
    ide.Projects().SetDescription(added, "changed");
    EXPECT_EQ(shell.rebuilds, 3);
    Projects->Client()->OnNodeMoved(added);
    EXPECT_EQ(shell.rebuilds, 4);
    ide.Projects().SetDirectoryOption(added, 1, "include");
    EXPECT_EQ(shell.rebuilds, 4) << "option changes are ignored";
    service->RemoveNode(added);
    EXPECT_EQ(shell.rebuilds, 5);
    EXPECT_EQ(Projects->Client()->QueryCloseProject(), 0);

    ASSERT_TRUE(ide.Projects().Close(true)) << "the add-on never keeps the project open";
    EXPECT_FALSE(Projects->projectOpen);
    Projects->Client()->OnNodeAdded(root);
    Projects->Client()->OnNodeChanged(root);
    Projects->Client()->OnNodeRenamed(root);
    EXPECT_EQ(shell.rebuilds, 5) << "nothing is rebuilt without a project";
    EXPECT_TRUE(shell.replaced.empty());
}

TEST_F(MenusTest, ProjectOpenedWithoutAProjectLoadedLeavesTheFlag) {
    Projects->Client()->OnProjectOpened(nullptr);
    EXPECT_FALSE(Projects->projectOpen);
    EXPECT_STREQ(Projects->projectPath, "");
}

TEST_F(MenusTest, RenamesChangeOneCaptionInPlace) {
    WriteInt("TopBar", "Hierarchical", 1); // the layout of a project that stores none
    projectPath = dir.Write("APP.IDE", "QelvoStandInProject 1\nNode\n  Name \"APP\"\n"
                                       "  Node\n    Name \"Pool\"\n    Type \"SourcePool\"\n"
                                       "    Node\n      Name \"a.cpp\"\n    End\n  End\n"
                                       "  Node\n    Name \"b.cpp\"\n  End\n"
                                       "  Node\n    Name \"fixed.cpp\"\n"
                                       "    File \"src\\fixed.cpp\"\n  End\nEnd\n");
    ASSERT_TRUE(ide.Projects().Open(projectPath));
    ASSERT_EQ(NodeBar(shell.plan),
              "Qelvo, Pool{a.cpp=10000}, b.cpp=10001, fixed.cpp=10002");
    const std::vector<ide::IdeNode>& top =
        ide.Projects().Current()->Node(ide.Projects().Current()->Top())->children;
    ide::IdeNode pool = top[0], b = top[1], fixed = top[2];

    ASSERT_TRUE(ide.Projects().Rename(pool, "Sources"));
    EXPECT_EQ(shell.replaced, std::vector<std::string>{"0:1 Sources"});
    EXPECT_EQ(shell.redraws, 1);
    EXPECT_EQ(NodeBar(shell.plan),
              "Qelvo, Sources{a.cpp=10000}, b.cpp=10001, fixed.cpp=10002");

    ASSERT_TRUE(ide.Projects().Rename(b, "c.cpp"));
    EXPECT_EQ(shell.replaced.back(), "0:2 c.cpp");
    EXPECT_EQ(shell.redraws, 1) << "a file item is changed without redrawing the bar";

    // The file name, hence the caption, of a node with its own file does not change.
    ASSERT_TRUE(ide.Projects().Rename(fixed, "other.cpp"));
    ASSERT_TRUE(ide.Projects().Rename(pool, "Sources"));
    EXPECT_EQ(shell.replaced.size(), 2u);
    EXPECT_EQ(shell.rebuilds, 1) << "renames never rebuild";
}

TEST_F(MenusTest, RenameOfAPopupTakenOffTheBarDoesNothing) {
    ide::IdeNode root = OpenProject();
    ide::IdeNode p1 = Add(root, "P1", "SourcePool");
    ide::IdeNode p11 = Add(p1, "P11", "SourcePool");
    Add(p11, "x.cpp", ".cpp");
    shell.RebuildBar();
    ASSERT_EQ(NodeBar(shell.plan), "Qelvo, P11{x.cpp=10000}");
    ASSERT_TRUE(ide.Projects().Rename(p1, "Gone"));
    EXPECT_TRUE(shell.replaced.empty());
    ASSERT_TRUE(ide.Projects().Rename(p11, "Deep"));
    EXPECT_EQ(shell.replaced, std::vector<std::string>{"0:1 Deep"});
}

TEST(ProjectClients, DeletedWhenTheHolderGoes) {
    MemoryRegistry registry;
    host::StandInIde ide;
    {
        ProjectTestA holder(ide.Services());
        EXPECT_EQ(ProjectClientImpl::Live(), 1);
        EXPECT_EQ(ProjectClient2Impl::Live(), 1);
        EXPECT_EQ(holder.Client()->RefCount(), 2u) << "ours and the IDE's";
        EXPECT_EQ(holder.SaveClient()->RefCount(), 2u);
    }
    EXPECT_EQ(ProjectClientImpl::Live(), 0);
    EXPECT_EQ(ProjectClient2Impl::Live(), 0);
    EXPECT_EQ(ide.Projects().ClientCount(), 0u);
    EXPECT_EQ(ide.Projects().SaveClientCount(), 0u);
    EXPECT_EQ(ide.ServiceReferences(), 0u);
    EXPECT_EQ(ide.OverReleases(), 0u);
}
