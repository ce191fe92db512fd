// The qelvo tool on trees that go wrong: runs cut off while writing, files and directories it
// may not read, another run at work, links and pipes. POSIX only: the tests make them with
// POSIX calls and run the tool through the shell.
#include "cli_run.h"
#include "codegen_test_support.h"
#include "platform/platform.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace qelvo;
using qelvo::testing_support::Qelvo;
using qelvo::testing_support::Quoted;
using qelvo::testing_support::SetTestTime;
using qelvo::testing_support::Shown;
using qelvo::testing_support::TempDir;
using qelvo::testing_support::ToolRun;
using testing::HasSubstr;
using testing::Not;
using testing::StartsWith;

namespace {

// A dialog with enough controls that its generated files take several blocks.
std::string LargeScript() {
    std::string script;
    for (int i = 0; i < 60; ++i)
        script += "#define IDC_E" + std::to_string(i) + " " + std::to_string(100 + i) + "\n";
    script += "BIG DIALOG 0, 0, 9, 9\n{\n";
    for (int i = 0; i < 60; ++i)
        script += " CONTROL \"\", IDC_E" + std::to_string(i) + ", \"edit\", 0, 1, 1, 9, 9\n";
    return script + "}\n";
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The shell text that runs the tool as a user other than root, who may not read a file whose
// mode says so; empty when the tests do not run as root.
std::string Unprivileged() {
    return ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
}

} // namespace

TEST(CliFiles, AnInterruptedGenerationLeavesNoFileThatLooksUpToDate) {
    TempDir scratch;
    std::string project = scratch.File("project");
    platform::MakeDirectory(project.c_str());
    scratch.Write("project\\big.rc", LargeScript());
    SetTestTime(scratch.File("project\\big.rc"), 0);
    // The system stops the run at its first write past 1 KB, as a kill or a full disk would.
    ToolRun cut = Qelvo("rcgen " + Quoted(project), scratch, "ulimit -f 2; exec");
    EXPECT_NE(cut.status, 0);
    for (const char* name : {"rc.h", "rc.cpp"})
        EXPECT_FALSE(platform::FileExists((project + "\\" + name).c_str())) << name;

    ToolRun next = Qelvo("rcgen " + Quoted(project), scratch);
    EXPECT_EQ(next.status, 0) << next.err;
    EXPECT_THAT(next.out, HasSubstr("generated " + Shown(project + "\\rc.h") + "\n"));
    std::string header = scratch.Read("project\\rc.h");
    EXPECT_THAT(header, HasSubstr("    Edit E59 ;\n"));
    EXPECT_TRUE(EndsWith(header, "} ;\n\n#endif\n"));
    EXPECT_TRUE(EndsWith(scratch.Read("project\\rc.cpp"), "\nRCRCMAIN\n\n"));
    for (const char* name : {"rc.h.$$$", "rc.cpp.$$$"})
        EXPECT_FALSE(platform::FileExists((project + "\\" + name).c_str())) << name;
}

TEST(CliFiles, AnInterruptedNumberingLeavesTheVersionFileAsItWas) {
    TempDir scratch;
    std::string project = scratch.File("project");
    platform::MakeDirectory(project.c_str());
    const std::string original = "FILEVERSION 1,0,0,4\n// " + std::string(8000, 'v') + "\n";
    scratch.Write("project\\VERSION.RC", original);
    scratch.Write("project\\VERSION.BAK", "the previous backup\n");
    ToolRun cut = Qelvo("version " + Quoted(project), scratch, "ulimit -f 2; exec");
    EXPECT_NE(cut.status, 0);
    EXPECT_EQ(scratch.Read("project\\VERSION.RC"), original);
    EXPECT_EQ(scratch.Read("project\\VERSION.BAK"), "the previous backup\n");
}

TEST(CliFiles, AScriptThatCannotBeReadLeavesTheGeneratedFilesAsTheyWere) {
    TempDir scratch;
    std::string project = scratch.File("project");
    platform::MakeDirectory(project.c_str());
    std::string native = platform::NativePath(project.c_str());
    ASSERT_EQ(::chmod(native.c_str(), 0777), 0);
    scratch.Write("project\\a.rc", "A DIALOG 0, 0, 1, 1\n{\n}\n");
    scratch.Write("project\\b.rc", "B DIALOG 0, 0, 1, 1\n{\n}\n");
    ToolRun first = Qelvo("rcgen " + Quoted(project), scratch);
    ASSERT_EQ(first.status, 0) << first.err;
    std::string header = scratch.Read("project\\rc.h");
    ASSERT_THAT(header, HasSubstr("class rcB "));
    // b.rc changes and may no longer be read.
    SetTestTime(scratch.File("project\\rc.h"), 0);
    SetTestTime(scratch.File("project\\rc.cpp"), 0);
    ASSERT_EQ(::chmod((native + "/b.rc").c_str(), 0), 0);
    ToolRun run = Qelvo("rcgen " + Quoted(project), scratch, Unprivileged());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "qelvo: rcgen: " + Shown(project + "\\b.rc") +
                           ": cannot be read: " + std::strerror(EACCES) + "\n");
    EXPECT_EQ(scratch.Read("project\\rc.h"), header);
    EXPECT_FALSE(platform::FileExists((project + "\\rc.h.$$$").c_str()));
}

TEST(CliFiles, ADirectoryThatCannotBeListedIsReportedAndItsFilesLeftAlone) {
    TempDir scratch;
    std::string project = scratch.File("project");
    platform::MakeDirectory(project.c_str());
    platform::MakeDirectory((project + "\\locked").c_str());
    scratch.Write("project\\VERSION.RC", "FILEVERSION 1,0,0,1\n");
    scratch.Write("project\\a.rc", "A DIALOG 0, 0, 1, 1\n{\n}\n");
    scratch.Write("project\\locked\\VERSION.RC", "FILEVERSION 1,0,0,1\n");
    scratch.Write("project\\locked\\rclocked.h", "kept\n");
    std::string native = platform::NativePath(project.c_str());
    ASSERT_EQ(::chmod(native.c_str(), 0777), 0);
    ASSERT_EQ(::chmod((native + "/locked").c_str(), 0333), 0); // may be entered, not listed
    std::string locked = Shown(project + "\\locked");
    for (const char* command : {"version", "rcgen"}) {
        ToolRun run = Qelvo(std::string(command) + " " + Quoted(project), scratch, Unprivileged());
        EXPECT_EQ(run.status, 2) << command;
        EXPECT_EQ(run.err, std::string("qelvo: ") + command + ": " + locked +
                               ": cannot be listed: " + std::strerror(EACCES) + "\n");
        EXPECT_THAT(run.out, HasSubstr(", 1 failure\n")) << command;
    }
    ::chmod((native + "/locked").c_str(), 0755);
    EXPECT_EQ(scratch.Read("project\\VERSION.RC"), "FILEVERSION 1, 0, 0, 2\n");
    EXPECT_EQ(scratch.Read("project\\locked\\VERSION.RC"), "FILEVERSION 1,0,0,1\n");
    EXPECT_EQ(scratch.Read("project\\locked\\rclocked.h"), "kept\n");
    EXPECT_THAT(scratch.Read("project\\rc.h"), HasSubstr("class rcA "));
}

TEST(CliFiles, AVersionRunFindingAnotherAtWorkChangesNothing) {
    TempDir scratch;
    std::string project = scratch.File("project");
    for (const char* directory : {"", "\\A", "\\B"}) {
        platform::MakeDirectory((project + directory).c_str());
        scratch.Write(std::string("project") + directory + "\\VERSION.RC", "FILEVERSION 1,0,0,3\n");
        scratch.Write(std::string("project") + directory + "\\VERSION.BAK", "a backup\n");
    }
    // The other run is writing B's new file this very moment.
    scratch.Write("project\\B\\VERSION.$$$", "FILEVERSION 1, 0, 0,");
    std::map<std::string, std::string> before = testing_support::ReadTree(project);
    ToolRun run = Qelvo("version " + Quoted(project), scratch);
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, StartsWith("qelvo: version: " + Shown(project + "\\B\\VERSION.RC") +
                                    ": another run is numbering it"));
    EXPECT_THAT(run.err, HasSubstr("VERSION.$$$"));
    EXPECT_THAT(run.err, HasSubstr("; nothing was changed\n"));
    EXPECT_EQ(run.out, "version: nothing numbered, 1 failure\n");
    EXPECT_EQ(testing_support::ReadTree(project), before);

    // Long after, the work file is known for one an ended run left behind.
    SetTestTime(project + "\\B\\VERSION.$$$", 0);
    ToolRun later = Qelvo("version " + Quoted(project), scratch);
    EXPECT_EQ(later.status, 0) << later.err;
    EXPECT_EQ(scratch.Read("project\\B\\VERSION.RC"), "FILEVERSION 1, 0, 0, 4\n");
    EXPECT_EQ(scratch.Read("project\\B\\VERSION.BAK"), "FILEVERSION 1,0,0,3\n");
    EXPECT_FALSE(platform::FileExists((project + "\\B\\VERSION.$$$").c_str()));
}

TEST(CliFiles, LinksAndSpecialFilesNeitherLeadOutOfTheTreeNorStopARun) {
    TempDir scratch;
    TempDir outside;
    outside.Write("a.rc", "OUT DIALOG 0, 0, 1, 1\n{\n}\n");
    outside.Write("VERSION.RC", "FILEVERSION 1,0,0,90\n");
    std::string project = scratch.File("project");
    for (const char* directory : {"", "\\l", "\\l\\sub", "\\f", "\\z"})
        platform::MakeDirectory((project + directory).c_str());
    scratch.Write("project\\a.rc", "ROOT DIALOG 0, 0, 1, 1\n{\n}\n");
    scratch.Write("project\\VERSION.RC", "FILEVERSION 1,0,0,1\n");
    scratch.Write("project\\l\\l.rc", "L DIALOG 0, 0, 1, 1\n{\n}\n");
    scratch.Write("project\\l\\sub\\VERSION.RC", "FILEVERSION 1,0,0,5\n");
    std::string native = platform::NativePath(project.c_str());
    ASSERT_EQ(::symlink("..", (native + "/l/sub/up").c_str()), 0);
    ASSERT_EQ(::symlink(".", (native + "/self1").c_str()), 0);
    ASSERT_EQ(::symlink(".", (native + "/self2").c_str()), 0);
    ASSERT_EQ(
        ::symlink(platform::NativePath(outside.path().c_str()).c_str(), (native + "/out").c_str()),
        0);
    ASSERT_EQ(::mkfifo((native + "/f/a.rc").c_str(), 0666), 0);
    ASSERT_EQ(::mkfifo((native + "/f/VERSION.RC").c_str(), 0666), 0);
    ASSERT_EQ(::symlink("/dev/zero", (native + "/z/a.rc").c_str()), 0);
    std::map<std::string, std::string> outsideBefore = testing_support::ReadTree(outside.path());

    // Each run has a minute; a loop or a pipe would hold it far longer.
    ToolRun version = Qelvo("version " + Quoted(project), scratch, "timeout 60");
    EXPECT_EQ(version.status, 0) << version.err;
    EXPECT_EQ(version.out, "numbered " + Shown(project + "\\l\\sub\\VERSION.RC") +
                               " (build 6)\nnumbered " + Shown(project + "\\VERSION.RC") +
                               " (build 6)\nversion: 2 files numbered, build number 6\n");

    ToolRun rcgen = Qelvo("rcgen " + Quoted(project), scratch, "timeout 60");
    EXPECT_EQ(rcgen.status, 0) << rcgen.err;
    std::string generated;
    for (const char* pair : {"\\f\\rcf", "\\l\\rcl", "\\z\\rcz", "\\rc"})
        generated += "generated " + Shown(project + pair + ".h") + "\ngenerated " +
                     Shown(project + pair + ".cpp") + "\n";
    EXPECT_EQ(rcgen.out, generated + "rcgen: 4 directories regenerated\n");
    EXPECT_THAT(scratch.Read("project\\rc.h"), HasSubstr("class rcROOT "));
    EXPECT_THAT(scratch.Read("project\\l\\rcl.h"), HasSubstr("class rcL "));
    EXPECT_THAT(scratch.Read("project\\rc.h"), Not(HasSubstr("OUT")));
    EXPECT_EQ(testing_support::ReadTree(outside.path()), outsideBefore);
    struct stat fifo;
    ASSERT_EQ(::lstat((native + "/f/VERSION.RC").c_str(), &fifo), 0);
    EXPECT_TRUE(S_ISFIFO(fifo.st_mode));
}
