// The qelvo tool's rcgen and version commands, run as a program on copies of the golden cases.
#include "cli_run.h"
#include "codegen_test_support.h"
#include "platform/platform.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace qelvo;
using qelvo::testing_support::GoldenCase;
using qelvo::testing_support::Qelvo;
using qelvo::testing_support::Quoted;
using qelvo::testing_support::Shown;
using qelvo::testing_support::TempDir;
using qelvo::testing_support::ToolRun;
using testing::HasSubstr;

TEST(Cli, HelpListsTheCommands) {
    TempDir scratch;
    ToolRun run = Qelvo("--help", scratch);
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.out, HasSubstr("  rcgen DIR "));
    EXPECT_THAT(run.out, HasSubstr("  version DIR "));
    ToolRun none = Qelvo("", scratch);
    EXPECT_EQ(none.status, 2);
    EXPECT_THAT(none.err, HasSubstr("rcgen DIR"));
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

    TempDir empty;
    ToolRun nothing = Qelvo("version " + Quoted(empty.path()), scratch);
    EXPECT_EQ(nothing.status, 0);
    EXPECT_EQ(nothing.out, "version: no VERSION.RC in " + Shown(empty.path()) + " or below\n");
}

TEST(Cli, AMissingDirectoryIsAUsageError) {
    TempDir scratch;
    std::string missing = scratch.File("no-such-dir");
    for (const char* command : {"rcgen", "version"}) {
        ToolRun run = Qelvo(std::string(command) + " " + Quoted(missing), scratch);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "qelvo: no such directory: " + Shown(missing) + "\n");
        EXPECT_EQ(run.out, "");
    }
    scratch.Write("file.rc", "");
    ToolRun file = Qelvo("rcgen " + Quoted(scratch.File("file.rc")), scratch);
    EXPECT_EQ(file.status, 2);
    ToolRun usage = Qelvo("rcgen", scratch);
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.err, "qelvo: usage: qelvo rcgen DIR\n");
    ToolRun extra = Qelvo("version a b", scratch);
    EXPECT_EQ(extra.status, 2);
    EXPECT_EQ(extra.err, "qelvo: usage: qelvo version DIR\n");
}

TEST(Cli, AFailureToWriteGivesStatusTwo) {
    TempDir scratch;
    scratch.Write("a.rc", "A DIALOG 0, 0, 1, 1\n{\n}\n");
    platform::MakeDirectory(scratch.File("rc.cpp").c_str()); // blocks the source file
    ToolRun run = Qelvo("rcgen " + Quoted(scratch.path()), scratch);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "qelvo: " + Shown(scratch.File("rc.cpp")) +
                           " cannot be replaced: " + std::strerror(EISDIR) + "\n");
}
