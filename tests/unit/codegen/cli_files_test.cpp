// The qelvo tool on trees that go wrong: runs cut off while writing, files it may not read.
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
