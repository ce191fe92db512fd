// The stand-in IDE's projects seen through the IDE's interfaces, as an add-on sees them: the
// node tree of the sample, node changes and their notifications, node options with their exact
// sizes, directory options, saving, closing, and project files that cannot be read.
#include "host_test_support.h"
#include "recorders.h"
#include "stand_in_ide.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qelvo {
namespace host {
namespace {

using testing_support::MessageRecorder;
using testing_support::RecordingProjectClient;
using testing_support::RecordingSaveClient;
using testing_support::TempDir;
using testing_support::Text;

class ProjectHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), dir.path()));
        services = ide.Services();
        project = ide::QueryService<ide::ProjectService>(services);
        ASSERT_TRUE(project);
    }
    void TearDown() override {
        if (project) project->Release();
        ide.Projects().Close(false);
        ide.DropAddOnObjects();
        EXPECT_EQ(ide.ServiceReferences(), 0u);
        EXPECT_EQ(ide.OverReleases(), 0u);
        EXPECT_EQ(LiveObjects(ObjectKind::String), 0);
        EXPECT_EQ(LiveObjects(ObjectKind::NodeInfo), 0);
    }
    std::string ProjectPath() const { return dir.File("APP.IDE"); }
    ide::HostString* Str(const char* text) { return ide::MakeHostString(services, text); }

    // One line per node, indented by depth: "caption [type] file -> output".
    void Walk(ide::IdeNode node, int depth, std::string& out) {
        for (; node != 0;) {
            ide::INodeInfo* info = project->NodeInfo(node);
            ASSERT_TRUE(info);
            std::string file = Text(info->GetFileName());
            std::string relative = file.compare(0, dir.path().size(), dir.path()) == 0
                                       ? "." + file.substr(dir.path().size())
                                       : file;
            std::string output = Text(info->GetOutputPath());
            out += std::string(static_cast<size_t>(depth) * 2, ' ') + Text(info->GetName()) + " [" +
                   Text(info->GetType()) + "] " + relative;
            if (!output.empty()) out += " -> " + output.substr(dir.path().size() + 1);
            out += "\n";
            Walk(info->GetFirstChild(), depth + 1, out);
            node = info->GetNextSibling();
            info->Release();
        }
    }

    TempDir dir;
    StandInIde ide;
    ide::IdeServices* services = nullptr;
    ide::ProjectService* project = nullptr;
};

TEST_F(ProjectHostTest, WalksTheSampleProjectsNodeTree) {
    EXPECT_EQ(project->QueryProjectLoaded(), ide::kIdeFalse);
    EXPECT_EQ(project->TopNode(), 0u);
    ASSERT_TRUE(ide.Projects().Open(ProjectPath()));
    EXPECT_EQ(project->QueryProjectLoaded(), ide::kIdeOk);
    std::string tree;
    Walk(project->TopNode(), 0, tree);
    EXPECT_EQ(tree, "APP [.ide] .\\APP.IDE\n"
                    "  app.exe [.exe] .\\bin\\APP.EXE -> bin\\APP.EXE\n"
                    "    Sources [SourcePool] Sources\n"
                    "      main.cpp [.cpp] .\\src\\main.cpp -> obj\\main.obj\n"
                    "      Drawing [SourcePool] Drawing\n"
                    "        shapes.cpp [.cpp] .\\src\\shapes.cpp -> obj\\shapes.obj\n"
                    "        canvas.cpp [.cpp] .\\src\\canvas.cpp -> obj\\canvas.obj\n"
                    "      util.cpp [.cpp] .\\src\\util.cpp -> obj\\util.obj\n"
                    "      #Obsolete [SourcePool] #Obsolete\n"
                    "        old.cpp [.cpp] .\\src\\old.cpp\n"
                    "      legacy.cpp [.cpp] .\\src\\legacy.cpp\n"
                    "    app.rc [.rc] .\\res\\app.rc -> obj\\app.res\n"
                    "    VERSION.RC [.rc] .\\VERSION.RC -> obj\\VERSION.res\n"
                    "    app.def [.def] .\\app.def\n"
                    "    mathlib.lib [.lib] .\\lib\\MATHLIB.LIB -> lib\\MATHLIB.LIB\n"
                    "      mathlib.cpp [.cpp] .\\lib\\mathlib.cpp -> obj\\mathlib.obj\n"
                    "    startup.obj [.obj] .\\lib\\startup.obj\n"
                    "  convert.exe [.exe] .\\bin\\CONVERT.EXE -> bin\\CONVERT.EXE\n"
                    "    convert.cpp [.cpp] .\\tools\\convert.cpp -> obj\\convert.obj\n"
                    "    VERSION.RC [.rc] .\\tools\\VERSION.RC\n"
                    "  Headers [SourcePool] Headers\n"
                    "    shapes.h [.h] .\\include\\shapes.h\n"
                    "    canvas.h [.h] .\\include\\canvas.h\n"
                    "    util.h [.h] .\\include\\util.h\n"
                    "    app.rh [.rh] .\\res\\app.rh\n"
                    "  DELIVERY [SourcePool] DELIVERY\n"
                    "    APP.EXE [.exe] .\\bin\\APP.EXE\n"
                    "    APP.HLP [.hlp] .\\doc\\APP.HLP\n");

    ide::IdeNode util = project->FindNode(Str((dir.path() + "\\SRC\\UTIL.CPP").c_str()));
    ASSERT_NE(util, 0u);
    ide::INodeInfo* info = project->NodeInfo(util);
    EXPECT_EQ(Text(info->GetDescription()), "Shared helpers");
    EXPECT_EQ(info->GetNextSibling(), project->FindNode(Str("#Obsolete")));
    ide::INodeInfo* parent = project->NodeInfo(info->GetParent());
    EXPECT_EQ(Text(parent->GetName()), "Sources");
    parent->Release();
    info->Release();
    EXPECT_EQ(project->FindNode(Str("nowhere.cpp")), 0u);
    EXPECT_EQ(project->FindNode(nullptr), 0u);
    EXPECT_EQ(project->NodeInfo(0), nullptr);
}

TEST_F(ProjectHostTest, NotifiesItsClientsInOrder) {
    std::vector<std::string> log;
    auto* first = new RecordingProjectClient(log, "first");
    auto* second = new RecordingProjectClient(log, "second");
    auto* saver = new RecordingSaveClient(log);
    ide::ProjectSaveService* save = ide::QueryService<ide::ProjectSaveService>(services);
    ASSERT_TRUE(save);
    EXPECT_EQ(project->AddClient(first), 1);
    EXPECT_EQ(project->AddClient(first), 0); // once
    EXPECT_EQ(project->AddClient(second), 1);
    EXPECT_EQ(save->AddClient(saver), 1);
    EXPECT_EQ(first->RefCount(), 2u);

    ASSERT_TRUE(ide.Projects().Open(ProjectPath()));
    ide::IdeNode top = project->TopNode();
    ide::IdeNode added = project->AddNode(top, Str("extra.cpp"), nullptr, 0);
    ASSERT_NE(added, 0u);
    EXPECT_TRUE(ide.Projects().Rename(added, "renamed.cpp"));
    EXPECT_TRUE(ide.Projects().SetDescription(added, "new"));
    EXPECT_EQ(project->SetNodeOption(added, Str("Opt"), "ab", 2), 1);
    EXPECT_EQ(project->RemoveNode(added), 1);
    EXPECT_EQ(project->RemoveClient(second), 1);
    EXPECT_TRUE(ide.Projects().Save());
    EXPECT_TRUE(ide.Projects().Close());

    const std::string path = ProjectPath();
    EXPECT_EQ(log, (std::vector<std::string>{
                       "first: opened " + path, "second: opened " + path, "first: added",
                       "second: added", "first: renamed", "second: renamed", "first: changed",
                       "second: changed", "first: options", "second: options", "first: removed",
                       "second: removed", "save: saving", "save: saved", "first: may close",
                       "save: saving", "save: saved", "first: closed"}));

    EXPECT_EQ(project->RemoveClient(second), 0);
    EXPECT_EQ(project->RemoveClient(first), 1);
    EXPECT_EQ(save->RemoveClient(saver), 1);
    save->Release();
    EXPECT_EQ(first->RefCount(), 1u);
    first->Release();
    second->Release();
    saver->Release();
}

TEST_F(ProjectHostTest, AClientCanKeepTheProjectOpen) {
    std::vector<std::string> log;
    auto* client = new RecordingProjectClient(log);
    project->AddClient(client);
    ASSERT_TRUE(ide.Projects().Open(ProjectPath()));
    client->keepOpen = 1;
    EXPECT_FALSE(ide.Projects().Close());
    EXPECT_EQ(project->QueryProjectLoaded(), ide::kIdeOk);
    // Opening another project closes this one first, so it is refused too.
    EXPECT_FALSE(ide.Projects().Open(ProjectPath()));
    client->keepOpen = 0;
    EXPECT_TRUE(ide.Projects().Close(false));
    EXPECT_EQ(log.back(), "client: closed");
    project->RemoveClient(client);
    client->Release();
}

TEST_F(ProjectHostTest, AddsFindsAndRemovesNodes) {
    ASSERT_TRUE(ide.Projects().Open(ProjectPath()));
    ide::IdeNode top = project->TopNode();
    // Without a type the node's type comes from its name, and so does its file.
    ide::IdeNode util = project->AddNode(top, Str("lib\\tools.c"), nullptr, 0);
    ASSERT_NE(util, 0u);
    ide::INodeInfo* info = project->NodeInfo(util);
    EXPECT_EQ(Text(info->GetType()), ".c");
    EXPECT_EQ(Text(info->GetFileName()), dir.path() + "\\lib\\tools.c");
    EXPECT_EQ(info->GetParent(), top);
    info->Release();
    EXPECT_EQ(project->FindNode(Str((dir.path() + "\\LIB\\TOOLS.C").c_str())), util);

    ide::IdeNode pool = project->AddNode(top, Str("New pool"), Str("SourcePool"), 0);
    ASSERT_NE(pool, 0u);
    ide::IdeNode inner = project->AddNode(pool, Str("inner.cpp"), nullptr, 0);
    info = project->NodeInfo(pool);
    EXPECT_EQ(Text(info->GetFileName()), "New pool");
    EXPECT_EQ(info->GetFirstChild(), inner);
    info->Release();

    EXPECT_EQ(project->AddNode(top, Str(""), nullptr, 0), 0u);
    EXPECT_EQ(project->AddNode(0x7fffffff, Str("x.cpp"), nullptr, 0), 0u);
    EXPECT_EQ(project->RemoveNode(top), 0);
    EXPECT_EQ(project->RemoveNode(pool), 1);
    EXPECT_EQ(project->NodeInfo(inner), nullptr);
    EXPECT_EQ(project->RemoveNode(pool), 0);
    // Information taken before a removal answers nothing afterwards.
    info = project->NodeInfo(util);
    EXPECT_EQ(project->RemoveNode(util), 1);
    EXPECT_EQ(Text(info->GetName()), "");
    EXPECT_EQ(info->GetParent(), 0u);
    info->Release();

    ide.Projects().Close(false);
    EXPECT_EQ(project->AddNode(top, Str("late.cpp"), nullptr, 0), 0u);
    EXPECT_EQ(project->NodeInfo(top), nullptr);
}

TEST_F(ProjectHostTest, KeepsNodeOptionsWithTheirExactSizesThroughASave) {
    ASSERT_TRUE(ide.Projects().Open(ProjectPath()));
    ide::IdeNode top = project->TopNode();
    const int32_t hierarchical = 1;
    const char text[] = "~*.c";   // 5 bytes with its zero
    const char emptyText[] = "~"; // 2 bytes
    const char mail[] = "+ann@example.com";
    ASSERT_EQ(project->SetNodeOption(top, Str("Qelvo_HIERARCH"), &hierarchical, 4), 1);
    ASSERT_EQ(project->SetNodeOption(top, Str("Qelvo_HTMLFI"), text, sizeof text), 1);
    ASSERT_EQ(project->SetNodeOption(top, Str("QelvoGroupwareServer"), emptyText, 2), 1);
    ASSERT_EQ(project->SetNodeOption(top, Str("Qelvo_MAIL_PJ_0"), mail, sizeof mail), 1);
    ASSERT_EQ(project->SetNodeOption(top, Str("Qelvo_Zero"), nullptr, 0), 1);
    EXPECT_EQ(project->SetNodeOption(top, Str(""), text, 1), 0);
    EXPECT_EQ(project->SetNodeOption(0x7fffffff, Str("x"), text, 1), 0);
    ASSERT_TRUE(ide.Projects().Close());

    ASSERT_TRUE(ide.Projects().Open(ProjectPath()));
    top = project->TopNode();
    uint32_t size = 4;
    const void* data = project->GetNodeOption(top, Str("Qelvo_HIERARCH"), &size);
    ASSERT_TRUE(data);
    EXPECT_EQ(size, 4u);
    int32_t value = 0;
    std::memcpy(&value, data, 4);
    EXPECT_EQ(value, 1);
    size = 0;
    data = project->GetNodeOption(top, Str("Qelvo_HTMLFI"), &size);
    ASSERT_TRUE(data);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(std::string(static_cast<const char*>(data), size), std::string("~*.c", 5));
    data = project->GetNodeOption(top, Str("QelvoGroupwareServer"), &size);
    ASSERT_TRUE(data);
    EXPECT_EQ(size, 2u);
    EXPECT_STREQ(static_cast<const char*>(data) + 1, "");
    data = project->GetNodeOption(top, Str("Qelvo_MAIL_PJ_0"), &size);
    EXPECT_EQ(size, sizeof mail);
    // Present with no bytes differs from absent.
    size = 4;
    EXPECT_NE(project->GetNodeOption(top, Str("Qelvo_Zero"), &size), nullptr);
    EXPECT_EQ(size, 0u);
    size = 4;
    EXPECT_EQ(project->GetNodeOption(top, Str("Qelvo_NB_ODR"), &size), nullptr);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(project->GetNodeOption(top, Str("qelvo_hierarch"), &size), nullptr);
}

TEST_F(ProjectHostTest, OptionsSetWhileSavingAreWrittenWithTheProject) {
    // An add-on writes its project options when told of the save.
    class Writer : public ide::IUnknownImp<ide::IProjectSaveClient> {
    public:
        Writer(ide::ProjectService* p, ide::IdeServices* s) : project(p), services(s) {}
        void QELVO_IDECALL OnProjectSave() override {
            const int32_t on = 1;
            project->SetNodeOption(project->TopNode(), ide::MakeHostString(services, "Qelvo_GenRC"),
                                   &on, 4);
        }
        void QELVO_IDECALL OnProjectSaved() override {}
        ide::ProjectService* project;
        ide::IdeServices* services;
    };
    ide::ProjectSaveService* save = ide::QueryService<ide::ProjectSaveService>(services);
    auto* writer = new Writer(project, services);
    save->AddClient(writer);
    ASSERT_TRUE(ide.Projects().Open(ProjectPath()));
    ASSERT_TRUE(ide.Projects().Close());
    save->RemoveClient(writer);
    writer->Release();
    save->Release();
    EXPECT_NE(
        testing_support::ReadWholeFile(ProjectPath()).find("Option \"Qelvo_GenRC\" 4 01000000"),
        std::string::npos);
}

TEST_F(ProjectHostTest, AnswersDirectoryOptionsOfNodes) {
    ide::OptionService* options = ide::QueryService<ide::OptionService>(services);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->DirectoryOption(1, ide::kIncludeDirectories), nullptr); // no project
    ASSERT_TRUE(ide.Projects().Open(ProjectPath()));
    ide::IdeNode top = project->TopNode();
    ide::IdeNode convert = project->FindNode(Str((dir.path() + "\\tools\\convert.cpp").c_str()));
    ide::IdeNode main = project->FindNode(Str((dir.path() + "\\src\\main.cpp").c_str()));
    EXPECT_EQ(Text(options->DirectoryOption(top, ide::kIncludeDirectories)), "include;lib");
    EXPECT_EQ(Text(options->DirectoryOption(top, ide::kSourceDirectories)), "src;lib;tools");
    EXPECT_EQ(Text(options->DirectoryOption(main, ide::kSourceDirectories)), "src;lib;tools");
    EXPECT_EQ(Text(options->DirectoryOption(convert, ide::kSourceDirectories)), "tools");
    EXPECT_EQ(Text(options->DirectoryOption(convert, ide::kIncludeDirectories)), "include;lib");
    EXPECT_EQ(options->DirectoryOption(top, 2), nullptr);
    EXPECT_EQ(options->DirectoryOption(0x7fffffff, 1), nullptr);
    EXPECT_TRUE(ide.Projects().SetDirectoryOption(main, 1, ""));
    EXPECT_EQ(Text(options->DirectoryOption(main, ide::kIncludeDirectories)), "");
    options->Release();
}

TEST_F(ProjectHostTest, ReportsProjectFilesThatCannotBeReadAndStaysUsable) {
    MessageRecorder recorder;
    std::string missing = dir.File("MISSING.IDE");
    EXPECT_FALSE(ide.Projects().Open(missing));
    std::string truncated = dir.Write("CUT.IDE", "QelvoStandInProject 1\nNode\n  Name \"CUT\"\n");
    EXPECT_FALSE(ide.Projects().Open(truncated));
    std::string malformed =
        dir.Write("BAD.IDE", "QelvoStandInProject 1\nNode\n  Nmae \"x\"\nEnd\n");
    EXPECT_FALSE(ide.Projects().Open(malformed));
    ASSERT_EQ(recorder.messages.size(), 3u);
    EXPECT_EQ(recorder.messages[0].text, "Project file " + missing + " cannot be opened.");
    EXPECT_EQ(recorder.messages[1].text,
              "Project file " + truncated +
                  ", line 3: the file ends inside the node opened at line 2 (its End is missing)");
    EXPECT_EQ(recorder.messages[2].text,
              "Project file " + malformed + ", line 3: unknown keyword \"Nmae\"");
    for (const auto& message : recorder.messages) {
        EXPECT_EQ(message.title, "Borland C++");
        EXPECT_EQ(message.flags, platform::kMbOk | platform::kMbIconStop);
    }
    EXPECT_EQ(project->QueryProjectLoaded(), ide::kIdeFalse);
    EXPECT_EQ(project->TopNode(), 0u);
    // A good project still opens; a bad one afterwards leaves none open.
    ASSERT_TRUE(ide.Projects().Open(ProjectPath()));
    EXPECT_FALSE(ide.Projects().Open(malformed));
    EXPECT_EQ(project->QueryProjectLoaded(), ide::kIdeFalse);
    EXPECT_TRUE(ide.Projects().Open(ProjectPath()));
}

} // namespace
} // namespace host
} // namespace qelvo
