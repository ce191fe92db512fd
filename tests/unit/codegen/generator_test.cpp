// A Make's generation over a project directory: which directories get their files, when they
// are rewritten, and what a directory's pair of files holds.
#include "codegen_test_support.h"
#include "platform/platform.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace qelvo;
using qelvo::codegen::CodegenListener;
using qelvo::codegen::DialogGenerator;
using qelvo::testing_support::LastWrite;
using qelvo::testing_support::PlatformLines;
using qelvo::testing_support::SetTestTime;
using qelvo::testing_support::TempDir;
using testing::HasSubstr;

namespace {

const char kAboutScript[] = "#define IDC_NAME 101\n"
                            "ABOUT DIALOG 0, 0, 100, 50\n{\n"
                            " CONTROL \"\", IDC_NAME, \"edit\", WS_CHILD, 1, 1, 9, 9\n}\n";

struct Recorder : CodegenListener {
    void DirectoryGenerated(const char* headerPath, const char* sourcePath) override {
        generated.push_back(std::string(headerPath) + "|" + sourcePath);
    }
    void VersionNumbered(const char* path, int) override { numbered.push_back(path); }
    void Notice(const codegen::CodegenNotice& notice) override {
        notices.push_back(std::string(notice.path) + " " + notice.text);
    }
    std::vector<std::string> generated;
    std::vector<std::string> numbered;
    std::vector<std::string> notices;
};

// A project with a script in its own directory, a sub-directory with a script and one without.
void MakeProject(const TempDir& dir) {
    dir.Write("app.rc", kAboutScript);
    platform::MakeDirectory(dir.File("Dialogs").c_str());
    dir.Write("Dialogs\\setup.rc", "SETUP DIALOG 0, 0, 1, 1\n{\n}\n");
    platform::MakeDirectory(dir.File("Empty").c_str());
    dir.Write("Empty\\notes.txt", "no scripts here\n");
    platform::MakeDirectory(dir.File("Dialogs\\Deeper").c_str());
    dir.Write("Dialogs\\Deeper\\deep.rc", "DEEP DIALOG 0, 0, 1, 1\n{\n}\n");
    platform::MakeDirectory(dir.File(".git").c_str());
    dir.Write(".git\\HEAD", "ref: refs/heads/main\n");
    for (const char* file : {"app.rc", "Dialogs\\setup.rc", "Dialogs\\Deeper\\deep.rc"})
        SetTestTime(dir.File(file), 0);
}

// Gives the generated files of a directory a time after the scripts'.
void AgeGenerated(const TempDir& dir, const std::string& relative, const std::string& name,
                  int offset) {
    std::string prefix = relative.empty() ? "" : relative + "\\";
    SetTestTime(dir.File(prefix + "rc" + name + ".h"), offset);
    SetTestTime(dir.File(prefix + "rc" + name + ".cpp"), offset);
}

} // namespace

TEST(Project, EveryImmediateSubDirectoryGetsItsPair) {
    TempDir dir;
    MakeProject(dir);
    Recorder recorder;
    DialogGenerator generator;
    generator.enabled = 1;
    generator.listener = &recorder;
    generator.GenerateForProject(dir.path().c_str());

    EXPECT_EQ(dir.Read("Empty\\rcEmpty.h"),
              PlatformLines("// Generated file : do not edit by hand\n#ifndef _rcEmpty_h_\n"
                            "#define _rcEmpty_h_\n\n#endif\n"));
    EXPECT_EQ(dir.Read("Empty\\rcEmpty.cpp"),
              PlatformLines("// Generated file : do not edit by hand\n#include \"qelvo.h\"\n"
                            "#include \"rcEmpty.h\"\n"));
    EXPECT_THAT(dir.Read("Dialogs\\rcDialogs.h"), HasSubstr("class rcSETUP : public Dialog"));
    // Hidden folders (version control and the like) are not the project's.
    EXPECT_FALSE(platform::FileExists(dir.File(".git\\rc.git.h").c_str()));
    // Only the immediate sub-directories: nothing below them.
    EXPECT_FALSE(platform::FileExists(dir.File("Dialogs\\Deeper\\rcDeeper.h").c_str()));
    // The project directory's own pair: empty name, and the main macro in the source.
    std::string header = dir.Read("rc.h");
    EXPECT_EQ(header.rfind(PlatformLines("// Generated file : do not edit by hand\n"
                                         "#ifndef _rc_h_\n#define _rc_h_\n"),
                           0),
              0u);
    EXPECT_THAT(header, HasSubstr("class rcABOUT : public Dialog"));
    std::string source = dir.Read("rc.cpp");
    EXPECT_THAT(source, HasSubstr(PlatformLines("#include \"qelvo.h\"\n#include \"rc.h\"\n")));
    EXPECT_EQ(source.substr(source.size() - PlatformLines("}\n\n\nRCRCMAIN\n\n").size()),
              PlatformLines("}\n\n\nRCRCMAIN\n\n"));
    EXPECT_THAT(dir.Read("Dialogs\\rcDialogs.cpp"), testing::Not(HasSubstr("RCRCMAIN")));

    // Sub-directories first, in listing order, then the project directory.
    ASSERT_EQ(recorder.generated.size(), 3u);
    EXPECT_EQ(recorder.generated[0],
              dir.File("Dialogs\\rcDialogs.h") + "|" + dir.File("Dialogs\\rcDialogs.cpp"));
    EXPECT_EQ(recorder.generated[1],
              dir.File("Empty\\rcEmpty.h") + "|" + dir.File("Empty\\rcEmpty.cpp"));
    EXPECT_EQ(recorder.generated[2], dir.File("rc.h") + "|" + dir.File("rc.cpp"));
    EXPECT_TRUE(recorder.numbered.empty());
}

TEST(Project, AMakeWithoutChangesWritesNothing) {
    TempDir dir;
    MakeProject(dir);
    DialogGenerator generator;
    generator.enabled = 1;
    generator.GenerateForProject(dir.path().c_str());
    AgeGenerated(dir, "", "", 2);
    AgeGenerated(dir, "Dialogs", "Dialogs", 2);
    AgeGenerated(dir, "Empty", "Empty", 0); // no scripts there: any time will do

    Recorder recorder;
    generator.listener = &recorder;
    generator.GenerateForProject(dir.path().c_str());
    EXPECT_TRUE(recorder.generated.empty());
    EXPECT_EQ(LastWrite(dir.File("Empty\\rcEmpty.h")), LastWrite(dir.File("app.rc")));
}

TEST(Project, ATouchedScriptRegeneratesBothFilesOfItsDirectoryOnly) {
    TempDir dir;
    MakeProject(dir);
    DialogGenerator generator;
    generator.enabled = 1;
    generator.GenerateForProject(dir.path().c_str());
    AgeGenerated(dir, "", "", 2);
    AgeGenerated(dir, "Dialogs", "Dialogs", 2);
    AgeGenerated(dir, "Empty", "Empty", 2);
    dir.Write("rc.h", "stale\n");
    dir.Write("Empty\\rcEmpty.h", "kept\n");
    AgeGenerated(dir, "", "", 2);
    AgeGenerated(dir, "Empty", "Empty", 2);

    // A script touched within the same second as the older generated file changes nothing.
    SetTestTime(dir.File("app.rc"), 2);
    Recorder recorder;
    generator.listener = &recorder;
    generator.GenerateForProject(dir.path().c_str());
    EXPECT_TRUE(recorder.generated.empty());

    SetTestTime(dir.File("app.rc"), 4);
    generator.GenerateForProject(dir.path().c_str());
    ASSERT_EQ(recorder.generated.size(), 1u);
    EXPECT_THAT(dir.Read("rc.h"), HasSubstr("class rcABOUT"));
    EXPECT_GT(LastWrite(dir.File("rc.cpp")), LastWrite(dir.File("Dialogs\\rcDialogs.cpp")));
    EXPECT_EQ(dir.Read("Empty\\rcEmpty.h"), "kept\n");
}

TEST(Project, NeedsRegeneration) {
    TempDir dir;
    DialogGenerator generator;
    EXPECT_EQ(generator.NeedsRegeneration(dir.path().c_str(), "X"), 1);
    dir.Write("rcX.h", "h");
    EXPECT_EQ(generator.NeedsRegeneration(dir.path().c_str(), "X"), 1);
    dir.Write("rcX.cpp", "c");
    EXPECT_EQ(generator.NeedsRegeneration(dir.path().c_str(), "X"), 0);
    SetTestTime(dir.File("rcX.h"), 10);
    SetTestTime(dir.File("rcX.cpp"), 20);
    dir.Write("a.rc", "");
    SetTestTime(dir.File("a.rc"), 10);
    EXPECT_EQ(generator.NeedsRegeneration(dir.path().c_str(), "X"), 0);
    // Later than the older of the two generated files.
    SetTestTime(dir.File("a.rc"), 12);
    EXPECT_EQ(generator.NeedsRegeneration(dir.path().c_str(), "X"), 1);
    SetTestTime(dir.File("a.rc"), 0);
    // Hidden names and directories named like scripts do not count.
    dir.Write(".hidden.rc", "");
    SetTestTime(dir.File(".hidden.rc"), 30);
    platform::MakeDirectory(dir.File("folder.rc").c_str());
    EXPECT_EQ(generator.NeedsRegeneration(dir.path().c_str(), "X"), 0);
    dir.Write("B.RC", "");
    SetTestTime(dir.File("B.RC"), 30);
    EXPECT_EQ(generator.NeedsRegeneration(dir.path().c_str(), "X"), 1);
}

TEST(Project, ScriptsFollowOneAnotherInListingOrder) {
    TempDir dir;
    dir.Write("b.rc", "SECOND DIALOG 0, 0, 1, 1\n{\n}\n");
    dir.Write("a.rc", "#define IDC_X 5\nFIRST DIALOG 0, 0, 1, 1\n{\n"
                      " CONTROL \"\", IDC_X, \"edit\", 0, 1, 1, 1, 1\n}\n");
    dir.Write(".c.rc", "HIDDEN DIALOG 0, 0, 1, 1\n{\n}\n");
    DialogGenerator generator;
    ASSERT_EQ(generator.GenerateDirectory(dir.path().c_str(), "Pair"), 1);
    std::string header = dir.Read("rcPair.h");
    ASSERT_NE(header.find("rcFIRST"), std::string::npos);
    EXPECT_LT(header.find("rcFIRST"), header.find("rcSECOND"));
    EXPECT_EQ(header.find("HIDDEN"), std::string::npos);
    // Each script has its own definitions: the second one sees none of the first's.
    EXPECT_EQ(generator.defines.count, 0);
    EXPECT_EQ(header.substr(header.size() - PlatformLines("} ;\n\n#endif\n").size()),
              PlatformLines("} ;\n\n#endif\n"));
}

TEST(Project, SwitchesOffDoNothing) {
    TempDir dir;
    MakeProject(dir);
    dir.Write("VERSION.RC", "FILEVERSION 1,0,0,1\n");
    DialogGenerator generator;
    generator.GenerateForProject(dir.path().c_str());
    EXPECT_FALSE(platform::FileExists(dir.File("rc.h").c_str()));
    EXPECT_FALSE(platform::FileExists(dir.File("Empty\\rcEmpty.h").c_str()));
    EXPECT_EQ(dir.Read("VERSION.RC"), "FILEVERSION 1,0,0,1\n");
    EXPECT_EQ(generator.buildCounter, 0);
}

TEST(Project, NumberingRaisesTheCounterAndNumbersTheTree) {
    TempDir dir;
    MakeProject(dir);
    dir.Write("Dialogs\\Deeper\\VERSION.RC", "FILEVERSION 1,0,0,0\n");
    DialogGenerator generator;
    generator.versionEnabled = 1;
    generator.GenerateForProject(dir.path().c_str());
    EXPECT_EQ(generator.buildCounter, 1);
    EXPECT_EQ(dir.Read("Dialogs\\Deeper\\VERSION.RC"), "FILEVERSION 1, 0, 0, 1\n");
    EXPECT_FALSE(platform::FileExists(dir.File("rc.h").c_str()));
    generator.GenerateForProject(dir.path().c_str());
    EXPECT_EQ(generator.buildCounter, 2);
    EXPECT_EQ(dir.Read("Dialogs\\Deeper\\VERSION.RC"), "FILEVERSION 1, 0, 0, 2\n");
}

TEST(Project, AFileThatCannotBeWrittenLeavesNoHalfPair) {
    TempDir dir;
    dir.Write("a.rc", kAboutScript);
    // A directory where the source file should go.
    platform::MakeDirectory(dir.File("rcX.cpp").c_str());
    Recorder recorder;
    DialogGenerator generator;
    generator.listener = &recorder;
    EXPECT_EQ(generator.GenerateDirectory(dir.path().c_str(), "X"), 0);
    EXPECT_FALSE(platform::FileExists(dir.File("rcX.h").c_str()));
    EXPECT_TRUE(recorder.generated.empty());
    ASSERT_EQ(recorder.notices.size(), 1u);
    // A directory that does not exist: nothing happens.
    EXPECT_EQ(generator.GenerateDirectory(dir.File("missing").c_str(), "M"), 0);
    EXPECT_EQ(generator.NeedsRegeneration(dir.File("missing").c_str(), "M"), 1);
}

TEST(Project, TheGeneratedFilesAreWrittenUnderWorkNamesAndNeverThroughALink) {
    TempDir dir;
    dir.Write("a.rc", kAboutScript);
#ifndef _WIN32
    // Links left where the work file and the source go lead out of the tree.
    TempDir elsewhere;
    elsewhere.Write("one", "outside\n");
    elsewhere.Write("two", "outside\n");
    std::string native = platform::NativePath(dir.path().c_str());
    ASSERT_EQ(::symlink(platform::NativePath(elsewhere.File("one").c_str()).c_str(),
                        (native + "/rc.h.$$$").c_str()),
              0);
    ASSERT_EQ(::symlink(platform::NativePath(elsewhere.File("two").c_str()).c_str(),
                        (native + "/rc.cpp").c_str()),
              0);
#endif
    DialogGenerator generator;
    ASSERT_EQ(generator.GenerateDirectory(dir.path().c_str(), ""), 1);
    EXPECT_THAT(dir.Read("rc.h"), HasSubstr(PlatformLines("} ;\n\n#endif\n")));
    EXPECT_THAT(dir.Read("rc.cpp"), HasSubstr("  NAME.Get(this, 101) ;"));
    EXPECT_FALSE(platform::FileExists(dir.File("rc.h.$$$").c_str()));
    EXPECT_FALSE(platform::FileExists(dir.File("rc.cpp.$$$").c_str()));
#ifndef _WIN32
    EXPECT_EQ(elsewhere.Read("one"), "outside\n");
    EXPECT_EQ(elsewhere.Read("two"), "outside\n");
#endif
}

namespace {
std::string hookDirectory;
int hookAnswer = 0;
int ProjectDirectoryHook(String& directory) {
    directory = hookDirectory.c_str();
    return hookAnswer;
}
} // namespace

TEST(Project, MakeStartUsesTheProjectDirectoryOrElseTheCurrentOne) {
    TempDir project;
    TempDir current;
    project.Write("app.rc", kAboutScript);
    DialogGenerator generator;
    generator.enabled = 1;
    generator.projectDirectory = ProjectDirectoryHook;
    hookDirectory = project.path();
    hookAnswer = 1;
    generator.OnMakeStarted();
    EXPECT_THAT(project.Read("rc.h"), HasSubstr("class rcABOUT"));
    EXPECT_FALSE(platform::FileExists(current.File("rc.h").c_str()));

    std::string before = platform::CurrentDirectory();
    ASSERT_TRUE(platform::ChangeDirectory(current.path().c_str()));
    hookAnswer = 0; // no project open
    generator.OnMakeStarted();
    generator.projectDirectory = nullptr;
    current.Write("x.rc", "CURRENT DIALOG 0, 0, 1, 1\n{\n}\n");
    SetTestTime(current.File("rc.h"), 0);
    generator.OnMakeStarted();
    platform::ChangeDirectory(before.c_str());
    EXPECT_THAT(current.Read("rc.h"), HasSubstr("class rcCURRENT"));
}
