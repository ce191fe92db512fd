#include "foundation/text_utils.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace qelvo;
using qelvo::testing_support::TempDir;

TEST(Paths, FileNamePart) {
    EXPECT_STREQ(FileNamePart("C:\\SRC\\MAIN.CPP"), "MAIN.CPP");
    EXPECT_STREQ(FileNamePart("src/a\\b/c.h"), "c.h");
    EXPECT_STREQ(FileNamePart("MAIN.CPP"), "MAIN.CPP");
    EXPECT_STREQ(FileNamePart("C:\\DIR\\"), "");
    char path[] = "C:\\X\\Y.C";
    char* name = FileNamePart(path);
    EXPECT_EQ(name, path + 5);
}

TEST(Paths, DirectoryPart) {
    EXPECT_STREQ(DirectoryPart("C:\\FILE.C"), "C:\\");
    EXPECT_STREQ(DirectoryPart("C:\\DIR\\FILE.C"), "C:\\DIR");
    EXPECT_STREQ(DirectoryPart("FILE.C"), "");
    EXPECT_STREQ(DirectoryPart("\\FILE.C"), "");
    EXPECT_STREQ(DirectoryPart("dir/sub/f.c"), "dir/sub");
    EXPECT_STREQ(DirectoryPart("ab\\f.c"), "ab");
    EXPECT_STREQ(DirectoryPart("C:FILE.C"), "");
}

TEST(Paths, DirectoryPartOfALongPathIsBounded) {
    std::string path(1000, 'd');
    path += "\\f.c";
    const char* dir = DirectoryPart(path.c_str());
    EXPECT_EQ(std::strlen(dir), static_cast<size_t>(kPathBufferSize - 1));
}

TEST(Paths, BaseName) {
    EXPECT_STREQ(BaseName("C:\\SRC\\MAIN.CPP"), "MAIN");
    EXPECT_STREQ(BaseName("C:MAIN.CPP"), "MAIN");
    EXPECT_STREQ(BaseName("archive.tar.gz"), "archive.tar");
    EXPECT_STREQ(BaseName("dir.d\\README"), "README");
    EXPECT_STREQ(BaseName(""), "");
}

TEST(Search, FindCharSetsLastCharPos) {
    LastCharPos = -7;
    EXPECT_EQ(FindChar("abcabc", 'c'), 2);
    EXPECT_EQ(LastCharPos, 2);
    EXPECT_EQ(FindChar("abc", 'z'), -1);
    EXPECT_EQ(LastCharPos, 2) << "a failed search leaves it";
    EXPECT_EQ(FindChar("", 'a'), -1);
}

TEST(Search, FindTextSetsLastTextPos) {
    EXPECT_EQ(FindText("ABC", "ABCD"), -1);
    EXPECT_EQ(FindText("anything", ""), 0);
    EXPECT_EQ(FindText("", ""), 0);
    EXPECT_EQ(FindText("xxabab", "ab"), 2);
    EXPECT_EQ(LastTextPos, 2);
    EXPECT_EQ(FindText("xxabab", "AB"), -1) << "case-sensitive";
    EXPECT_EQ(FindText("abc", "bc"), 1);
    EXPECT_EQ(LastTextPos, 1);
}

TEST(Text, UpperCaseTouchesOnlyAsciiLetters) {
    char text[] = "az AZ 09_\xe9\x7f{";
    UpperCase(text);
    EXPECT_STREQ(text, "AZ AZ 09_\xe9\x7f{");
}

TEST(Text, CopyTextIsBounded) {
    char buffer[4];
    EXPECT_EQ(CopyText(buffer, "abcdef", sizeof buffer), 3);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(CopyText(buffer, nullptr, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
}

TEST(Text, TextHolder) {
    TextHolder holder;
    EXPECT_EQ(holder.Get(), nullptr);
    const char* first = holder.Set("SOFTWARE\\Borland");
    EXPECT_STREQ(first, "SOFTWARE\\Borland");
    EXPECT_STREQ(holder.Set("other"), "other");
    EXPECT_STREQ(holder.Get(), "other");
}

TEST(Backup, CopiesToTheNameEndingInPercent) {
    TempDir dir;
    std::string content;
    for (int i = 0; i < 40000; ++i)
        content += static_cast<char>(i * 7);
    std::string path = dir.Write("TASKS.TSK", content);
    EXPECT_EQ(MakeBackupCopy(path.c_str()), 1);
    EXPECT_EQ(dir.Read("TASKS.TS%"), content);
}

TEST(Backup, ExactBlockAndEmptyFiles) {
    TempDir dir;
    std::string block(16384, 'x');
    EXPECT_EQ(MakeBackupCopy(dir.Write("a.txt", block).c_str()), 1);
    EXPECT_EQ(dir.Read("a.tx%"), block);
    EXPECT_EQ(MakeBackupCopy(dir.Write("e.txt", "").c_str()), 1);
    EXPECT_TRUE(platform::FileExists(dir.File("e.tx%").c_str()));
}

TEST(Backup, NothingToCopyIsNoFailure) {
    TempDir dir;
    EXPECT_EQ(MakeBackupCopy(dir.File("missing.txt").c_str()), 1);
    EXPECT_FALSE(platform::FileExists(dir.File("missing.tx%").c_str()));
    EXPECT_EQ(MakeBackupCopy(""), 1);
}

TEST(Backup, ACopyThatCannotBeCreatedFails) {
    TempDir dir;
    std::string path = dir.Write("f.txt", "data");
    // The backup's name is taken by a directory.
    ASSERT_TRUE(platform::MakeDirectory(dir.File("f.tx%").c_str()));
    EXPECT_EQ(MakeBackupCopy(path.c_str()), 0);
}
