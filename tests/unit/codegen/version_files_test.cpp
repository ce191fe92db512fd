// Build numbering over a tree of version files: the order, the backups, another run at work in
// the tree, and files that cannot be read or written. Whatever happens, the old content is kept.
#include "codegen_test_support.h"
#include "platform/platform.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace qelvo;
using qelvo::codegen::DialogGenerator;
using qelvo::testing_support::NoticeLog;
using qelvo::testing_support::ReadTree;
using qelvo::testing_support::SetTestTime;
using qelvo::testing_support::TempDir;
using testing::HasSubstr;

namespace {

// A project with version files at three depths and one in a hidden folder.
void MakeTree(const TempDir& dir) {
    platform::MakeDirectory(dir.File("A").c_str());
    platform::MakeDirectory(dir.File("A\\Deep").c_str());
    platform::MakeDirectory(dir.File("B").c_str());
    dir.Write("A\\Deep\\VERSION.RC", "FILEVERSION 1,0,0,50\n");
    dir.Write("A\\VERSION.RC", "FILEVERSION 1,0,0,10\n");
    dir.Write("B\\VERSION.RC", "FILEVERSION 1,0,0,3\n");
    dir.Write("B\\VERSION.BAK", "B's previous backup\n");
    dir.Write("VERSION.RC", "FILEVERSION 1,0,0,60\n");
    platform::MakeDirectory(dir.File(".svn").c_str());
    dir.Write(".svn\\VERSION.RC", "FILEVERSION 1,0,0,90\n");
}

} // namespace

TEST(VersionTree, IsNumberedDeepestFirstAndTheCounterOnlyGrows) {
    TempDir dir;
    MakeTree(dir);
    NoticeLog log;
    DialogGenerator generator;
    generator.listener = &log;
    generator.versionEnabled = 1;
    generator.GenerateForProject(dir.path().c_str());
    EXPECT_EQ(log.numbered, dir.File("A\\Deep\\VERSION.RC") + " 51\n" + dir.File("A\\VERSION.RC") +
                                " 51\n" + dir.File("B\\VERSION.RC") + " 51\n" +
                                dir.File("VERSION.RC") + " 61\n");
    EXPECT_EQ(log.text, "");
    EXPECT_EQ(dir.Read("A\\Deep\\VERSION.RC"), "FILEVERSION 1, 0, 0, 51\n");
    EXPECT_EQ(dir.Read("A\\VERSION.RC"), "FILEVERSION 1, 0, 0, 51\n");
    EXPECT_EQ(dir.Read("B\\VERSION.RC"), "FILEVERSION 1, 0, 0, 51\n");
    EXPECT_EQ(dir.Read("B\\VERSION.BAK"), "FILEVERSION 1,0,0,3\n");
    EXPECT_EQ(dir.Read("VERSION.RC"), "FILEVERSION 1, 0, 0, 61\n");
    EXPECT_EQ(generator.buildCounter, 61);
    EXPECT_EQ(dir.Read(".svn\\VERSION.RC"), "FILEVERSION 1,0,0,90\n");
}

TEST(VersionTree, TheOldContentBecomesTheBackupReplacingTheLastOne) {
    TempDir dir;
    dir.Write("VERSION.RC", "FILEVERSION 1,0,0,1\n");
    dir.Write("VERSION.BAK", "an older backup\n");
    DialogGenerator generator;
    EXPECT_EQ(generator.NumberVersionFile(dir.path().c_str()), 1);
    EXPECT_EQ(dir.Read("VERSION.BAK"), "FILEVERSION 1,0,0,1\n");
    std::string first = dir.Read("VERSION.RC");
    EXPECT_EQ(first, "FILEVERSION 1, 0, 0, 2\n");
    EXPECT_EQ(generator.NumberVersionFile(dir.path().c_str()), 1);
    EXPECT_EQ(dir.Read("VERSION.BAK"), first);
    EXPECT_EQ(dir.Read("VERSION.RC"), "FILEVERSION 1, 0, 0, 3\n");
}

TEST(VersionTree, NothingWithoutAVersionFile) {
    TempDir dir;
    dir.Write("VERSION.BAK", "old\n");
    platform::MakeDirectory(dir.File("VERSION.RC").c_str()); // a directory of that name
    DialogGenerator generator;
    EXPECT_EQ(generator.NumberVersionFile(dir.path().c_str()), 0);
    EXPECT_EQ(generator.NumberVersionFile(dir.File("missing").c_str()), 0);
    EXPECT_EQ(dir.Read("VERSION.BAK"), "old\n");
}

TEST(VersionTree, TheNameIsFoundWithoutRegardToCase) {
    TempDir dir;
    dir.Write("Version.rc", "FILEVERSION 1,0,0,1\n");
    DialogGenerator generator;
    EXPECT_EQ(generator.NumberVersionFile(dir.path().c_str()), 1);
    EXPECT_EQ(dir.Read("Version.rc"), "FILEVERSION 1, 0, 0, 2\n");
    EXPECT_EQ(dir.Read("VERSION.BAK"), "FILEVERSION 1,0,0,1\n");
}

TEST(VersionTree, ATreeAnotherRunIsNumberingIsLeftAlone) {
    TempDir dir;
    MakeTree(dir);
    // The other run is at work in B: its work file was written a moment ago.
    dir.Write("B\\VERSION.$$$", "FILEVERSION 1, 0, 0, ");
    std::map<std::string, std::string> before = ReadTree(dir.path());
    NoticeLog log;
    DialogGenerator generator;
    generator.listener = &log;
    generator.versionEnabled = 1;
    generator.buildCounter = 7;
    generator.GenerateForProject(dir.path().c_str());
    EXPECT_EQ(ReadTree(dir.path()), before);
    EXPECT_EQ(generator.buildCounter, 7);
    EXPECT_EQ(log.numbered, "");
    EXPECT_EQ(log.Kinds(), "busy");
    EXPECT_THAT(log.text, HasSubstr("busy " + dir.File("B\\VERSION.RC") + " "));
    EXPECT_EQ(generator.NumberVersionTree(dir.path().c_str()), 0);
    EXPECT_EQ(generator.NumberVersionFile(dir.File("B").c_str()), 0);
    EXPECT_EQ(ReadTree(dir.path()), before);
}

TEST(VersionTree, AWorkFileLeftLongAgoIsTakenOver) {
    TempDir dir;
    dir.Write("VERSION.RC", "FILEVERSION 1,0,0,5\n");
    dir.Write("VERSION.$$$", "half a file");
    dir.Write("VERSION.BK$", "half a backup");
    SetTestTime(dir.File("VERSION.$$$"), 0);
    NoticeLog log;
    DialogGenerator generator;
    generator.listener = &log;
    EXPECT_EQ(generator.NumberVersionTree(dir.path().c_str()), 1);
    EXPECT_EQ(dir.Read("VERSION.RC"), "FILEVERSION 1, 0, 0, 6\n");
    EXPECT_EQ(dir.Read("VERSION.BAK"), "FILEVERSION 1,0,0,5\n");
    EXPECT_FALSE(platform::FileExists(dir.File("VERSION.$$$").c_str()));
    EXPECT_FALSE(platform::FileExists(dir.File("VERSION.BK$").c_str()));
    EXPECT_EQ(log.text, "");
}

TEST(VersionTree, AFileThatCannotBeNumberedIsLeftAsItWasWithItsBackup) {
    const char original[] = "FILEVERSION 1,0,0,5\n";
    // Something of the work file's name that is not a file, and a backup that is a directory.
    for (const char* blocked : {"VERSION.$$$", "VERSION.BAK"}) {
        TempDir dir;
        dir.Write("VERSION.RC", original);
        platform::MakeDirectory(dir.File(blocked).c_str());
        dir.Write(std::string(blocked) + "\\inside", "x");
        NoticeLog log;
        DialogGenerator generator;
        generator.listener = &log;
        generator.buildCounter = 3;
        EXPECT_EQ(generator.NumberVersionFile(dir.path().c_str()), 0) << blocked;
        EXPECT_EQ(dir.Read("VERSION.RC"), original) << blocked;
        EXPECT_EQ(dir.Read(std::string(blocked) + "\\inside"), "x") << blocked;
        EXPECT_EQ(generator.buildCounter, 3) << blocked;
        EXPECT_EQ(log.Kinds(), "failed") << blocked;
        EXPECT_THAT(log.text, HasSubstr("failed " + dir.File(blocked) + " ")) << blocked;
        EXPECT_FALSE(platform::FileExists(dir.File("VERSION.BK$").c_str())) << blocked;
    }
}

TEST(VersionTree, ALoopOfLinkedDirectoriesEnds) {
#ifdef _WIN32
    GTEST_SKIP() << "the link is made with a POSIX call";
#else
    TempDir dir;
    dir.Write("VERSION.RC", "FILEVERSION 1,0,0,0\n");
    std::string native = platform::NativePath(dir.path().c_str());
    ASSERT_EQ(::symlink(native.c_str(), (native + "/loop").c_str()), 0);
    DialogGenerator generator;
    generator.NumberVersionTree(dir.path().c_str());
    ::unlink((native + "/loop").c_str());
    // The link is not followed: the one file is numbered once.
    EXPECT_EQ(generator.buildCounter, 1);
    EXPECT_EQ(dir.Read("VERSION.RC"), "FILEVERSION 1, 0, 0, 1\n");
#endif
}
