// Build numbering of version files: the rewritten statements, the counter across files, the
// order of the tree, and that the old content is never lost.
#include "codegen_test_support.h"
#include "platform/platform.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace qelvo;
using qelvo::codegen::CodegenListener;
using qelvo::codegen::DialogGenerator;
using qelvo::testing_support::PlatformLines;
using qelvo::testing_support::TempDir;
using testing::HasSubstr;

namespace {

const char kVersionScript[] = "1 VERSIONINFO\n"
                              "FILEVERSION 1,0,0,7\n"
                              "PRODUCTVERSION 1,0,0,0\n"
                              "{\n"
                              " BLOCK \"StringFileInfo\"\n"
                              " {\n"
                              "  BLOCK \"040904E4\"\n"
                              "  {\n"
                              "   VALUE \"CompanyName\", \"Somebody\\000\"\n"
                              "   VALUE \"FileVersion\", \"1.0.0.7\\000\\000\"\n"
                              "  }\n"
                              " }\n"
                              "}\n";

std::string Numbered(const std::string& text, int counter, int* counterAfter = nullptr) {
    TempDir dir;
    dir.Write("VERSION.RC", text);
    DialogGenerator generator;
    generator.buildCounter = counter;
    generator.NumberVersionFile(dir.path().c_str());
    if (counterAfter) *counterAfter = generator.buildCounter;
    return testing_support::UnixLines(dir.Read("VERSION.RC"));
}

} // namespace

TEST(Version, FileVersionAndItsValueLineTakeTheNextBuild) {
    TempDir dir;
    dir.Write("VERSION.RC", kVersionScript);
    DialogGenerator generator;
    generator.buildCounter = 1;
    EXPECT_EQ(generator.NumberVersionFile(dir.path().c_str()), 1);
    EXPECT_EQ(generator.buildCounter, 8);
    EXPECT_EQ(dir.Read("VERSION.RC"),
              PlatformLines("1 VERSIONINFO\n"
                            "FILEVERSION 1, 0, 0, 8\n"
                            "PRODUCTVERSION 1,0,0,0\n"
                            "{\n"
                            " BLOCK \"StringFileInfo\"\n"
                            " {\n"
                            "  BLOCK \"040904E4\"\n"
                            "  {\n"
                            "   VALUE \"CompanyName\", \"Somebody\\000\"\n"
                            "   VALUE \"FileVersion\", \"1.0.0.8\\000\\000\"\n"
                            "  }\n"
                            " }\n"
                            "}\n"));
    EXPECT_EQ(dir.Read("VERSION.BAK"), kVersionScript);
    EXPECT_FALSE(platform::FileExists(dir.File("VERSION.$$$").c_str()));
}

TEST(Version, TheCounterWinsWhenItIsAhead) {
    int after = 0;
    EXPECT_EQ(Numbered("FILEVERSION 2,3,4,5\n   VALUE \"FileVersion\", \"x\"\n", 40, &after),
              "FILEVERSION 2, 3, 4, 40\n   VALUE \"FileVersion\", \"2.3.4.40\\000\\000\"\n");
    EXPECT_EQ(after, 40);
    // Equal: the file's number plus one.
    EXPECT_EQ(Numbered("FILEVERSION 2,3,4,40\n", 40, &after), "FILEVERSION 2, 3, 4, 41\n");
    EXPECT_EQ(after, 41);
}

TEST(Version, StatementsAreRecognisedOnlyAsWritten) {
    // Numbers after blanks read; numbers that cannot be read keep their values (the build number
    // then is the counter's, which counts as found).
    EXPECT_EQ(Numbered("FILEVERSION  3, 4, 5, 6\n", 1), "FILEVERSION 3, 4, 5, 7\n");
    EXPECT_EQ(Numbered("FILEVERSION 3,4\n", 1), "FILEVERSION 3, 4, 0, 2\n");
    EXPECT_EQ(Numbered("FILEVERSION 3 ,4,5,6\n", 1), "FILEVERSION 3, 0, 0, 2\n");
    EXPECT_EQ(Numbered("FILEVERSION x\n", 5), "FILEVERSION 1, 0, 0, 6\n");
    // Fewer than 12 characters, other positions, other spellings: copied.
    EXPECT_EQ(Numbered("FILEVERSION\n FILEVERSION 1,2,3,4\nfileversion 1,2,3,4\n", 1),
              "FILEVERSION\n FILEVERSION 1,2,3,4\nfileversion 1,2,3,4\n");
    // The value line needs exactly three blanks and one character after its opening quote.
    std::string values = "   VALUE \"FileVersion\", \"\n"
                         "    VALUE \"FileVersion\", \"1.0\"\n"
                         "   VALUE \"ProductVersion\", \"1.0\"\n"
                         "   VALUE \"FileVersion\",\"1.0\"\n";
    EXPECT_EQ(Numbered(values, 1), values);
    EXPECT_EQ(Numbered("   VALUE \"FileVersion\", \"?\n", 3),
              "   VALUE \"FileVersion\", \"1.0.0.3\\000\\000\"\n");
}

TEST(Version, NumbersOutOfRangeStopAtTheEndsOfInt) {
    int after = 0;
    EXPECT_EQ(Numbered("FILEVERSION 99999999999,-99999999999,0,2147483647\n", 1, &after),
              "FILEVERSION 2147483647, -2147483648, 0, 2147483647\n");
    EXPECT_EQ(after, INT_MAX);
    DialogGenerator generator;
    generator.versionEnabled = 1;
    generator.buildCounter = INT_MAX;
    TempDir dir;
    generator.GenerateForProject(dir.path().c_str());
    EXPECT_EQ(generator.buildCounter, INT_MAX);
}

TEST(Version, LinesAreCopiedWholeWithOneTrailingControlByteDropped) {
    std::string longLine = "// " + std::string(3000, 'z');
    EXPECT_EQ(Numbered(longLine + "\nFILEVERSION 1,0,0," + std::string(300, ' ') + "9\n", 1),
              longLine + "\nFILEVERSION 1, 0, 0, 10\n");
    // Windows line ends are read as line feeds; a last line without one gets one.
    EXPECT_EQ(Numbered("a\r\nb\tc\t\r\nlast", 1), "a\nb\tc\t\nlast\n");
    EXPECT_EQ(Numbered("x\x01", 1), "x\n");
    EXPECT_EQ(Numbered(std::string("nul\0inside\n", 11), 1), std::string("nul\0inside\n", 11));
    EXPECT_EQ(Numbered("", 1), "");
}

TEST(Version, TheTreeIsNumberedDeepestFirstAndTheCounterOnlyGrows) {
    TempDir dir;
    platform::MakeDirectory(dir.File("A").c_str());
    platform::MakeDirectory(dir.File("A\\Deep").c_str());
    platform::MakeDirectory(dir.File("B").c_str());
    dir.Write("A\\Deep\\VERSION.RC", "FILEVERSION 1,0,0,50\n");
    dir.Write("A\\VERSION.RC", "FILEVERSION 1,0,0,10\n");
    dir.Write("B\\VERSION.RC", "FILEVERSION 1,0,0,3\n");
    dir.Write("VERSION.RC", "FILEVERSION 1,0,0,60\n");
    platform::MakeDirectory(dir.File(".svn").c_str());
    dir.Write(".svn\\VERSION.RC", "FILEVERSION 1,0,0,90\n");
    struct Order : CodegenListener {
        void DirectoryGenerated(const char*, const char*, int) override {}
        void VersionNumbered(const char* path, int ok) override {
            paths += std::string(path) + (ok ? "\n" : " failed\n");
        }
        std::string paths;
    } order;
    DialogGenerator generator;
    generator.listener = &order;
    generator.versionEnabled = 1;
    generator.GenerateForProject(dir.path().c_str());
    EXPECT_EQ(order.paths, dir.File("A\\Deep\\VERSION.RC") + "\n" + dir.File("A\\VERSION.RC") +
                               "\n" + dir.File("B\\VERSION.RC") + "\n" + dir.File("VERSION.RC") +
                               "\n");
    EXPECT_EQ(dir.Read("A\\Deep\\VERSION.RC"), PlatformLines("FILEVERSION 1, 0, 0, 51\n"));
    EXPECT_EQ(dir.Read("A\\VERSION.RC"), PlatformLines("FILEVERSION 1, 0, 0, 51\n"));
    EXPECT_EQ(dir.Read("B\\VERSION.RC"), PlatformLines("FILEVERSION 1, 0, 0, 51\n"));
    EXPECT_EQ(dir.Read("VERSION.RC"), PlatformLines("FILEVERSION 1, 0, 0, 61\n"));
    EXPECT_EQ(generator.buildCounter, 61);
    EXPECT_EQ(dir.Read(".svn\\VERSION.RC"), "FILEVERSION 1,0,0,90\n");
}

TEST(Version, TheOldContentBecomesTheBackupReplacingTheLastOne) {
    TempDir dir;
    dir.Write("VERSION.RC", "FILEVERSION 1,0,0,1\n");
    dir.Write("VERSION.BAK", "an older backup\n");
    DialogGenerator generator;
    EXPECT_EQ(generator.NumberVersionFile(dir.path().c_str()), 1);
    EXPECT_EQ(dir.Read("VERSION.BAK"), "FILEVERSION 1,0,0,1\n");
    std::string first = dir.Read("VERSION.RC");
    EXPECT_EQ(first, PlatformLines("FILEVERSION 1, 0, 0, 2\n"));
    EXPECT_EQ(generator.NumberVersionFile(dir.path().c_str()), 1);
    EXPECT_EQ(dir.Read("VERSION.BAK"), first);
    EXPECT_EQ(dir.Read("VERSION.RC"), PlatformLines("FILEVERSION 1, 0, 0, 3\n"));
}

TEST(Version, NothingWithoutAVersionFile) {
    TempDir dir;
    dir.Write("VERSION.BAK", "old\n");
    platform::MakeDirectory(dir.File("VERSION.RC").c_str()); // a directory of that name
    DialogGenerator generator;
    EXPECT_EQ(generator.NumberVersionFile(dir.path().c_str()), 0);
    EXPECT_EQ(generator.NumberVersionFile(dir.File("missing").c_str()), 0);
    EXPECT_EQ(dir.Read("VERSION.BAK"), "old\n");
}

TEST(Version, TheNameIsFoundWithoutRegardToCase) {
    TempDir dir;
    dir.Write("Version.rc", "FILEVERSION 1,0,0,1\n");
    DialogGenerator generator;
    EXPECT_EQ(generator.NumberVersionFile(dir.path().c_str()), 1);
    EXPECT_EQ(dir.Read("Version.rc"), PlatformLines("FILEVERSION 1, 0, 0, 2\n"));
    EXPECT_EQ(dir.Read("VERSION.BAK"), "FILEVERSION 1,0,0,1\n");
}

TEST(Version, AFailedRenumberingLeavesTheFileAsItWas) {
    struct Failures : CodegenListener {
        void DirectoryGenerated(const char*, const char*, int) override {}
        void VersionNumbered(const char*, int ok) override { results += ok ? '1' : '0'; }
        std::string results;
    } failures;
    const char original[] = "FILEVERSION 1,0,0,5\n";

    // The new content cannot be written.
    TempDir blocked;
    blocked.Write("VERSION.RC", original);
    blocked.Write("VERSION.BAK", "backup\n");
    platform::MakeDirectory(blocked.File("VERSION.$$$").c_str());
    DialogGenerator generator;
    generator.listener = &failures;
    generator.buildCounter = 3;
    EXPECT_EQ(generator.NumberVersionFile(blocked.path().c_str()), 0);
    EXPECT_EQ(blocked.Read("VERSION.RC"), original);
    EXPECT_EQ(blocked.Read("VERSION.BAK"), "backup\n");
    EXPECT_EQ(generator.buildCounter, 3);

    // The previous backup cannot make way.
    TempDir stuck;
    stuck.Write("VERSION.RC", original);
    platform::MakeDirectory(stuck.File("VERSION.BAK").c_str());
    stuck.Write("VERSION.BAK\\inside", "x");
    EXPECT_EQ(generator.NumberVersionFile(stuck.path().c_str()), 0);
    EXPECT_EQ(stuck.Read("VERSION.RC"), original);
    EXPECT_FALSE(platform::FileExists(stuck.File("VERSION.$$$").c_str()));
    EXPECT_EQ(generator.buildCounter, 3);
    EXPECT_EQ(failures.results, "00");

    // A stale work file of an interrupted Make is simply overwritten.
    TempDir stale;
    stale.Write("VERSION.RC", original);
    stale.Write("VERSION.$$$", "half a file");
    EXPECT_EQ(generator.NumberVersionFile(stale.path().c_str()), 1);
    EXPECT_EQ(stale.Read("VERSION.RC"), PlatformLines("FILEVERSION 1, 0, 0, 6\n"));
    EXPECT_FALSE(platform::FileExists(stale.File("VERSION.$$$").c_str()));
}

TEST(Version, ALoopOfLinkedDirectoriesEnds) {
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
    EXPECT_EQ(dir.Read("VERSION.RC"), PlatformLines("FILEVERSION 1, 0, 0, 1\n"));
#endif
}
