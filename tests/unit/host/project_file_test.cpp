// The stand-in IDE's project file: what it reads, what it refuses (with the file and the line),
// and that writing gives back what was read.
#include "host_test_support.h"
#include "project_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace qelvo {
namespace host {
namespace {

using testing_support::TempDir;

const char kSmall[] = "; a comment\r\n"
                      "QelvoStandInProject 1\r\n"
                      "\r\n"
                      "Node\r\n"
                      "  Directory 1 \"inc;..\\common\"\r\n"
                      "  Option \"Qelvo_HIERARCH\" 4 01000000\r\n"
                      "  Node\r\n"
                      "    Name \"Pool\"\r\n"
                      "    Type \"SourcePool\"\r\n"
                      "    Node\r\n"
                      "      File \"src/a.cpp\"\r\n"
                      "      Description \"100%25 %22quoted%22\"\r\n"
                      "    End\r\n"
                      "  End\r\n"
                      "  Node\r\n"
                      "    Name \"app.exe\"\r\n"
                      "    Output \"..\\bin\\.\\APP.EXE\"\r\n"
                      "    Directory 3 \"src\"\r\n"
                      "  End\r\n"
                      "End\r\n";

std::unique_ptr<Project> Parse(const std::string& text, std::string& error) {
    return ParseProject("C:\\WORK\\APP.IDE", text, error);
}

TEST(ProjectFile, ReadsNodesWithTheirDefaults) {
    std::string error;
    std::unique_ptr<Project> project = Parse(kSmall, error);
    ASSERT_TRUE(project) << error;
    const ProjectNode* top = project->Node(project->Top());
    ASSERT_TRUE(top);
    EXPECT_EQ(top->name, "APP.IDE");
    EXPECT_EQ(top->type, ".ide");
    EXPECT_EQ(project->FileName(project->Top()), "C:\\WORK\\APP.IDE");
    ASSERT_EQ(top->children.size(), 2u);

    ide::IdeNode pool = top->children[0];
    EXPECT_EQ(project->Node(pool)->type, "SourcePool");
    EXPECT_EQ(project->FileName(pool), "Pool"); // a container's file name is its name
    ide::IdeNode source = project->Node(pool)->children.at(0);
    EXPECT_EQ(project->Node(source)->name, "a.cpp");
    EXPECT_EQ(project->Node(source)->type, ".cpp");
    EXPECT_EQ(project->Node(source)->description, "100% \"quoted\"");
    EXPECT_EQ(project->FileName(source), "C:\\WORK\\src\\a.cpp");

    ide::IdeNode exe = top->children[1];
    EXPECT_EQ(project->Node(exe)->type, ".exe");
    EXPECT_EQ(project->FileName(exe), "C:\\WORK\\app.exe");
    EXPECT_EQ(project->OutputPath(exe), "C:\\bin\\APP.EXE");
    EXPECT_EQ(project->OutputPath(source), "");

    EXPECT_EQ(project->FindByFileName("c:\\work\\SRC\\A.CPP"), source);
    EXPECT_EQ(project->FindByFileName("src\\a.cpp"), source);
    EXPECT_EQ(project->FindByFileName("C:\\WORK\\b.cpp"), 0u);
}

TEST(ProjectFile, DirectoryOptionsAreInheritedFromTheNearestAncestor) {
    std::string error;
    std::unique_ptr<Project> project = Parse(kSmall, error);
    ASSERT_TRUE(project) << error;
    const ProjectNode* top = project->Node(project->Top());
    ide::IdeNode source = project->Node(top->children[0])->children[0];
    ide::IdeNode exe = top->children[1];
    std::string text;
    ASSERT_TRUE(project->DirectoryOption(source, 1, text));
    EXPECT_EQ(text, "inc;..\\common");
    ASSERT_TRUE(project->DirectoryOption(source, 3, text));
    EXPECT_EQ(text, "");
    ASSERT_TRUE(project->DirectoryOption(exe, 3, text));
    EXPECT_EQ(text, "src");
    EXPECT_FALSE(project->DirectoryOption(exe, 2, text));
    EXPECT_FALSE(project->DirectoryOption(0x7fffffff, 1, text));
}

TEST(ProjectFile, WritingGivesBackWhatWasRead) {
    std::string error;
    std::unique_ptr<Project> project = Parse(kSmall, error);
    ASSERT_TRUE(project) << error;
    // Options of the add-on's kinds, with their exact sizes, and awkward bytes.
    const unsigned char text[] = {'~', '*', '.', 'c', 0};
    const unsigned char empty[] = {'~', 0};
    const unsigned char odd[] = {0, '"', '%', 0x7f, 0xff, '\n'};
    ASSERT_TRUE(project->SetOption(project->Top(), "Qelvo_HTMLFI", text, sizeof text));
    ASSERT_TRUE(project->SetOption(project->Top(), "Qelvo_EMPTY", empty, sizeof empty));
    ASSERT_TRUE(project->SetOption(project->Top(), "Zero", nullptr, 0));
    ASSERT_TRUE(project->SetOption(project->Top(), "odd \"name\" 100%", odd, sizeof odd));
    project->Node(project->Top())->description = "line\nbreak\ttab";

    std::string written = FormatProject(*project);
    EXPECT_NE(written.find("Option \"Qelvo_HTMLFI\" 5 7E2A2E6300\n"), std::string::npos) << written;
    EXPECT_NE(written.find("Option \"Zero\" 0\n"), std::string::npos) << written;
    EXPECT_NE(written.find("Output \"..\\bin\\.\\APP.EXE\""), std::string::npos) << written;

    std::unique_ptr<Project> again = Parse(written, error);
    ASSERT_TRUE(again) << error << "\n" << written;
    EXPECT_EQ(FormatProject(*again), written);
    const NodeOption* option = again->Option(again->Top(), "Qelvo_HTMLFI");
    ASSERT_TRUE(option);
    EXPECT_EQ(option->bytes, std::vector<unsigned char>(text, text + sizeof text));
    EXPECT_EQ(again->Option(again->Top(), "Qelvo_EMPTY")->bytes.size(), 2u);
    EXPECT_EQ(again->Option(again->Top(), "Zero")->bytes.size(), 0u);
    EXPECT_EQ(again->Option(again->Top(), "odd \"name\" 100%")->bytes,
              std::vector<unsigned char>(odd, odd + sizeof odd));
    EXPECT_EQ(again->Option(again->Top(), "Qelvo_HIERARCH")->bytes,
              (std::vector<unsigned char>{1, 0, 0, 0}));
    EXPECT_EQ(again->Node(again->Top())->description, "line\nbreak\ttab");
    // Option names are case-sensitive.
    EXPECT_EQ(again->Option(again->Top(), "qelvo_htmlfi"), nullptr);
}

struct BadCase {
    const char* text;
    const char* message;
};

TEST(ProjectFile, RefusesMalformedTextsNamingTheFileAndTheLine) {
    const BadCase cases[] = {
        {"", "line 1: the file ends before its first line \"QelvoStandInProject 1\""},
        {"QelvoStandInProject 2\nNode\nEnd\n",
         "line 1: not a stand-in IDE project (the first line must be \"QelvoStandInProject 1\")"},
        {"QelvoStandInProject 1\n", "line 1: the file ends before the project's top node"},
        {"QelvoStandInProject 1\nNode\n  Node\n    Name \"a.cpp\"\n",
         "line 4: the file ends inside the node opened at line 3 (its End is missing)"},
        {"QelvoStandInProject 1\nNode\n  Nmae \"x\"\nEnd\n", "line 3: unknown keyword \"Nmae\""},
        {"QelvoStandInProject 1\nNode\n  Name \"x\nEnd\n",
         "line 3: a text lacks its closing double quote"},
        {"QelvoStandInProject 1\nNode\n  Name x\nEnd\n",
         "line 3: a text in double quotes is expected"},
        {"QelvoStandInProject 1\nNode\n  Name \"50%\"\nEnd\n",
         "line 3: a % in a text must be followed by two hex digits (%25 for % itself)"},
        {"QelvoStandInProject 1\nNode\n  Name \"a\" b\nEnd\n",
         "line 3: unexpected text at the end of the line: b"},
        {"QelvoStandInProject 1\nNode\n  Name \"a\"\n  Name \"b\"\nEnd\n",
         "line 4: Name is given twice for the node opened at line 2"},
        {"QelvoStandInProject 1\nNode\n  Option \"o\" 4 010203\nEnd\n",
         "line 3: the option's size is 4 but 6 hex digits follow"},
        {"QelvoStandInProject 1\nNode\n  Option \"o\" 2 01zz\nEnd\n",
         "line 3: the option's bytes must be hex digits"},
        {"QelvoStandInProject 1\nNode\n  Option \"o\" 70000 00\nEnd\n",
         "line 3: a number above 65536"},
        {"QelvoStandInProject 1\nNode\n  Option \"o\" 1 00\n  Option \"o\" 1 01\nEnd\n",
         "line 4: Option \"o\" is given twice for the node opened at line 2"},
        {"QelvoStandInProject 1\nNode\n  Directory 2 \"x\"\nEnd\n",
         "line 3: the directory option is 1 (include) or 3 (sources), not 2"},
        {"QelvoStandInProject 1\nNode\n  Node\n  End\nEnd\n",
         "line 4: the node opened at line 3 has neither a Name nor a File"},
        {"QelvoStandInProject 1\nEnd\n", "line 2: End without a Node"},
        {"QelvoStandInProject 1\nName \"a\"\n", "line 2: \"Name\" outside a node"},
        {"QelvoStandInProject 1\nNode\nEnd\nNode\nEnd\n",
         "line 4: a second top node (a project has one, closed by its End)"},
    };
    for (const BadCase& bad : cases) {
        std::string error;
        EXPECT_FALSE(Parse(bad.text, error)) << bad.text;
        EXPECT_EQ(error, std::string("Project file C:\\WORK\\APP.IDE, ") + bad.message) << bad.text;
    }
}

TEST(ProjectFile, ReadsAndWritesFilesOnDisk) {
    TempDir dir;
    std::string error;
    EXPECT_FALSE(ReadProjectFile(dir.File("NONE.IDE"), error));
    EXPECT_EQ(error, "Project file " + dir.File("NONE.IDE") + " cannot be opened.");

    std::string path = dir.Write("APP.IDE", kSmall);
    std::unique_ptr<Project> project = ReadProjectFile(path, error);
    ASSERT_TRUE(project) << error;
    EXPECT_EQ(project->Directory(), dir.path());
    ASSERT_TRUE(project->SetOption(project->Top(), "Qelvo_GenRC", "\x01\0\0\0", 4));
    ASSERT_TRUE(WriteProjectFile(*project, error)) << error;
    std::unique_ptr<Project> again = ReadProjectFile(path, error);
    ASSERT_TRUE(again) << error;
    EXPECT_EQ(FormatProject(*again), FormatProject(*project));

    Project nowhere(dir.File("missing\\APP.IDE"));
    nowhere.Add(0, "APP", ".ide");
    EXPECT_FALSE(WriteProjectFile(nowhere, error));
    EXPECT_EQ(error, "Project file " + dir.File("missing\\APP.IDE") + " cannot be written.");
}

TEST(ProjectFile, TheSampleProjectReads) {
    std::string error;
    std::string path = testing_support::SampleDirectory() + "\\APP.IDE";
    std::unique_ptr<Project> project = ReadProjectFile(path, error);
    ASSERT_TRUE(project) << error;
    EXPECT_EQ(project->NodeCount(), 28u);
    std::string written = FormatProject(*project);
    std::unique_ptr<Project> again = ParseProject(path, written, error);
    ASSERT_TRUE(again) << error;
    EXPECT_EQ(FormatProject(*again), written);
}

TEST(ProjectModel, NodesComeAndGoWithTheirSubtrees) {
    Project project("\\work\\P.IDE");
    ide::IdeNode top = project.Add(0, "P", ".ide");
    ASSERT_NE(top, 0u);
    EXPECT_EQ(project.Add(0, "again", ".ide"), 0u); // one top node
    EXPECT_EQ(project.Add(top + 1000, "x.cpp", ".cpp"), 0u);
    ide::IdeNode pool = project.Add(top, "Pool", "SourcePool");
    ide::IdeNode inner = project.Add(pool, "a.cpp", ".cpp");
    ide::IdeNode other = project.Add(top, "b.cpp", ".cpp");
    EXPECT_EQ(project.NodeCount(), 4u);
    EXPECT_EQ(project.FileName(inner), "\\work\\a.cpp");
    EXPECT_FALSE(project.Remove(top));
    EXPECT_TRUE(project.Remove(pool));
    EXPECT_EQ(project.NodeCount(), 2u);
    EXPECT_EQ(project.Node(inner), nullptr);
    EXPECT_EQ(project.Node(top)->children, std::vector<ide::IdeNode>{other});
    EXPECT_FALSE(project.Remove(pool));
    // Handles are not reused.
    EXPECT_NE(project.Add(top, "c.cpp", ".cpp"), pool);
    EXPECT_FALSE(project.SetOption(other, "", "x", 1));
    EXPECT_FALSE(project.SetOption(other, "big", nullptr, 1));
    std::vector<unsigned char> big(kMaxNodeOptionSize + 1);
    EXPECT_FALSE(project.SetOption(other, "big", big.data(), big.size()));
    EXPECT_TRUE(project.SetOption(other, "big", big.data(), kMaxNodeOptionSize));
}

TEST(ProjectModel, TypesComeFromTheExtensionOfTheFileNamePart) {
    EXPECT_EQ(TypeFromName("util.cpp"), ".cpp");
    EXPECT_EQ(TypeFromName("..\\lib\\util"), "");
    EXPECT_EQ(TypeFromName("dir.d\\file"), "");
    EXPECT_EQ(TypeFromName("APP.IDE"), ".ide");
    EXPECT_EQ(TypeFromName("src\\Main.CPP"), ".cpp");
}

} // namespace
} // namespace host
} // namespace qelvo
