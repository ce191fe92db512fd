// The qelvo tool's rcgen and version commands, run as a program: help, usage, messages, exit
// statuses, and the runs themselves on copies of the golden cases.
#include "cli_run.h"
#include "codegen_test_support.h"
#include "platform/platform.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

using namespace qelvo;
using qelvo::testing_support::GoldenCase;
using qelvo::testing_support::Qelvo;
using qelvo::testing_support::Quoted;
using qelvo::testing_support::Shown;
using qelvo::testing_support::TempDir;
using qelvo::testing_support::ToolRun;
using testing::HasSubstr;
using testing::Not;
using testing::StartsWith;

TEST(Cli, HelpListsTheCommands) {
    TempDir scratch;
    ToolRun run = Qelvo("--help", scratch);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_THAT(run.out, HasSubstr("  rcgen DIR "));
    EXPECT_THAT(run.out, HasSubstr("  version DIR "));
    // Paths in the platform's way.
    EXPECT_THAT(run.out, HasSubstr("DIR/qHTML"));
    EXPECT_THAT(run.out, Not(HasSubstr("DIR\\qHTML")));
    ToolRun none = Qelvo("", scratch);
    EXPECT_EQ(none.status, 2);
    EXPECT_THAT(none.err, HasSubstr("rcgen DIR"));
    EXPECT_EQ(none.out, "");
}

TEST(Cli, EveryCommandAnswersHelpOnStdout) {
    TempDir scratch;
    const struct {
        const char* arguments;
        const char* usage;
    } cases[] = {
        {"rcgen --help", "usage: qelvo rcgen DIR\n"},
        {"rcgen -h", "usage: qelvo rcgen DIR\n"},
        {"version --help", "usage: qelvo version DIR\n"},
        {"version somewhere --help", "usage: qelvo version DIR\n"},
        {"html --help", "usage: qelvo html DIR"},
    };
    for (const auto& c : cases) {
        ToolRun run = Qelvo(c.arguments, scratch);
        EXPECT_EQ(run.status, 0) << c.arguments;
        EXPECT_EQ(run.err, "") << c.arguments;
        EXPECT_THAT(run.out, StartsWith(c.usage)) << c.arguments;
        EXPECT_THAT(run.out, Not(HasSubstr("no such directory"))) << c.arguments;
    }
    EXPECT_THAT(Qelvo("version --help", scratch).out, HasSubstr("65535"));
}

TEST(Cli, UsageAndPathErrorsSayWhatIsWrong) {
    TempDir scratch;
    std::string missing = scratch.File("no-such-dir");
    std::string file = scratch.Write("file.rc", "");
    const struct {
        std::string arguments;
        std::string err;
    } cases[] = {
        {"rcgen " + Quoted(missing),
         "qelvo: rcgen: " + Shown(missing) + ": " + std::strerror(ENOENT) + "\n"},
        {"version " + Quoted(missing),
         "qelvo: version: " + Shown(missing) + ": " + std::strerror(ENOENT) + "\n"},
        {"version " + Quoted(file), "qelvo: version: " + Shown(file) + ": not a directory\n"},
        {"rcgen " + Quoted(file), "qelvo: rcgen: " + Shown(file) + ": not a directory\n"},
        {"rcgen", "qelvo: usage: qelvo rcgen DIR\n"},
        {"version a b", "qelvo: usage: qelvo version DIR\n"},
        {"rcgen --force " + Quoted(scratch.path()),
         "qelvo: rcgen: unknown option '--force' (qelvo rcgen --help tells the usage)\n"},
    };
    for (const auto& c : cases) {
        ToolRun run = Qelvo(c.arguments, scratch);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, "") << c.arguments;
    }
}

TEST(Cli, RcgenWritesTheDialogClassesOnce) {
    TempDir scratch;
    std::string project = scratch.File("project");
    ASSERT_TRUE(testing_support::CopyTree(GoldenCase("project_tree") + "\\input", project));
    ToolRun run = Qelvo("rcgen " + Quoted(project) + "/", scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_THAT(run.out,
                HasSubstr("generated " + Shown(project + "\\Dialogs\\rcDialogs.h") +
                          "\ngenerated " + Shown(project + "\\Dialogs\\rcDialogs.cpp") + "\n"));
    EXPECT_THAT(run.out, HasSubstr("generated " + Shown(project + "\\rc.cpp") + "\n"));
    EXPECT_THAT(run.out, HasSubstr("rcgen: 3 directories regenerated\n"));
    std::string expected = GoldenCase("project_tree") + "\\expected\\";
    EXPECT_EQ(scratch.Read("project\\rc.h"), testing_support::ReadWholeFile(expected + "rc.h"));
    EXPECT_EQ(scratch.Read("project\\Dialogs\\rcDialogs.cpp"),
              testing_support::ReadWholeFile(expected + "Dialogs\\rcDialogs.cpp"));

    ToolRun again = Qelvo("rcgen " + Quoted(project), scratch);
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "rcgen: dialog classes of " + Shown(project) + " are up to date\n");

    TempDir one;
    one.Write("a.rc", "A DIALOG 0, 0, 1, 1\n{\n}\n");
    EXPECT_THAT(Qelvo("rcgen " + Quoted(one.path()), scratch).out,
                HasSubstr("rcgen: 1 directory regenerated\n"));
}

TEST(Cli, RcgenFindsNothingWithoutAScript) {
    TempDir scratch;
    TempDir empty;
    platform::MakeDirectory(empty.File("sub").c_str());
    empty.Write("notes.txt", "no script\n");
    ToolRun run = Qelvo("rcgen " + Quoted(empty.path()), scratch);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "rcgen: no resource script in " + Shown(empty.path()) +
                           " or its immediate sub-directories\n");
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(platform::FileExists(empty.File("rc.h").c_str()));
    EXPECT_FALSE(platform::FileExists(empty.File("sub\\rcsub.h").c_str()));
}

TEST(Cli, RcgenWarnsOfWhatItMendsInAScript) {
    TempDir scratch;
    TempDir project;
    std::string script = project.Write("cut.rc", "#define IDC_A 1\nCUT DIALOG 0, 0, 1, 1\n{\n"
                                                 " CONTROL \"\", IDC_A, \"edit\", 0, 1, 1, 9, 9\n");
    ToolRun run = Qelvo("rcgen " + Quoted(project.path()), scratch);
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.err, StartsWith("qelvo: rcgen: " + Shown(script) + ":2: warning: "));
    EXPECT_THAT(run.err, HasSubstr("CUT"));
    EXPECT_THAT(project.Read("rc.h"), HasSubstr("    Edit A ;\n"));
}

TEST(Cli, VersionNumbersTheTreeWithAFreshCounter) {
    TempDir scratch;
    std::string project = scratch.File("project");
    ASSERT_TRUE(testing_support::CopyTree(GoldenCase("version_numbering") + "\\input", project));
    ToolRun run = Qelvo("version " + Quoted(project), scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "numbered " + Shown(project + "\\Lib\\VERSION.RC") +
                           " (build 42)\nnumbered " + Shown(project + "\\VERSION.RC") +
                           " (build 42)\nversion: 2 files numbered, build number 42\n");
    std::string expected = GoldenCase("version_numbering") + "\\expected\\";
    EXPECT_EQ(scratch.Read("project\\VERSION.RC"),
              testing_support::ReadWholeFile(expected + "VERSION.RC"));
    // No dialog classes: numbering only.
    EXPECT_FALSE(platform::FileExists((project + "\\rc.h").c_str()));

    TempDir one;
    one.Write("VERSION.RC", "FILEVERSION 1,0,0,1\n");
    EXPECT_EQ(Qelvo("version " + Quoted(one.path()), scratch).out,
              "numbered " + Shown(one.File("VERSION.RC")) +
                  " (build 2)\nversion: 1 file numbered, build number 2\n");
}

TEST(Cli, VersionFindsNothingWithoutAFileToNumber) {
    TempDir scratch;
    TempDir empty;
    ToolRun none = Qelvo("version " + Quoted(empty.path()), scratch);
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "version: no VERSION.RC in " + Shown(empty.path()) + " or below\n");
    EXPECT_EQ(none.err, "");

    empty.Write("VERSION.RC", "1 VERSIONINFO\n{\n}\n");
    ToolRun nothing = Qelvo("version " + Quoted(empty.path()), scratch);
    EXPECT_EQ(nothing.status, 1);
    EXPECT_EQ(nothing.out, Shown(empty.File("VERSION.RC")) +
                               ": no FILEVERSION statement, nothing to number\n"
                               "version: nothing numbered\n");
    EXPECT_EQ(empty.Read("VERSION.RC"), "1 VERSIONINFO\n{\n}\n");
    EXPECT_FALSE(platform::FileExists(empty.File("VERSION.BAK").c_str()));
}

TEST(Cli, VersionKeepsEachLinesEnd) {
    TempDir scratch;
    TempDir project;
    project.Write("VERSION.RC", "1 VERSIONINFO\r\nFILEVERSION 1,0,0,7\r\n{\n}\r\n");
    ToolRun run = Qelvo("version " + Quoted(project.path()), scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(project.Read("VERSION.RC"), "1 VERSIONINFO\r\nFILEVERSION 1, 0, 0, 8\r\n{\n}\r\n");
}

TEST(Cli, VersionRefusesNumbersBeyondSixteenBits) {
    TempDir scratch;
    TempDir project;
    const struct {
        const char* directory;
        const char* content;
    } files[] = {{"at_limit", "FILEVERSION 1,0,0,65535\n"},
                 {"huge", "1 VERSIONINFO\nFILEVERSION 99999999999,0,0,1\n"},
                 {"fine", "FILEVERSION 1,0,0,7\n"}};
    for (const auto& f : files) {
        platform::MakeDirectory(project.File(f.directory).c_str());
        project.Write(std::string(f.directory) + "\\VERSION.RC", f.content);
    }
    ToolRun run = Qelvo("version " + Quoted(project.path()), scratch);
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, HasSubstr("qelvo: version: " +
                                   Shown(project.File("at_limit\\VERSION.RC")) + ":1: "));
    EXPECT_THAT(run.err,
                HasSubstr("qelvo: version: " + Shown(project.File("huge\\VERSION.RC")) + ":2: "));
    EXPECT_THAT(run.err, HasSubstr("99999999999"));
    EXPECT_THAT(run.err, Not(HasSubstr("fine")));
    EXPECT_EQ(run.out, "numbered " + Shown(project.File("fine\\VERSION.RC")) +
                           " (build 8)\nversion: 1 file numbered, build number 8, 2 failures\n");
    for (const char* left : {"at_limit", "huge"})
        EXPECT_EQ(project.Read(std::string(left) + "\\VERSION.RC"),
                  left[0] == 'a' ? files[0].content : files[1].content);
}

TEST(Cli, AFailureToWriteGivesStatusTwoWithThePathAndTheReason) {
    TempDir scratch;
    scratch.Write("a.rc", "A DIALOG 0, 0, 1, 1\n{\n}\n");
    platform::MakeDirectory(scratch.File("rc.cpp").c_str()); // blocks the source file
    ToolRun run = Qelvo("rcgen " + Quoted(scratch.path()), scratch);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "qelvo: rcgen: " + Shown(scratch.File("rc.cpp")) +
                           ": cannot be replaced: " + std::strerror(EISDIR) + "\n");
    EXPECT_THAT(run.out, HasSubstr(" regenerated, 1 failure\n"));
}
