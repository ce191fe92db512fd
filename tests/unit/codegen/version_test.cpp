// Build numbering of version files: the rewritten statements, the counter across files, the
// ranges a version resource holds, and the lines kept as they were.
#include "codegen_test_support.h"
#include "platform/platform.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace qelvo;
using qelvo::codegen::DialogGenerator;
using qelvo::codegen::NoticeKind;
using qelvo::testing_support::NoticeLog;
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
    return dir.Read("VERSION.RC");
}

} // namespace

TEST(Version, FileVersionAndItsValueLineTakeTheNextBuild) {
    TempDir dir;
    dir.Write("VERSION.RC", kVersionScript);
    DialogGenerator generator;
    generator.buildCounter = 1;
    EXPECT_EQ(generator.NumberVersionFile(dir.path().c_str()), 1);
    EXPECT_EQ(generator.buildCounter, 8);
    EXPECT_EQ(dir.Read("VERSION.RC"), "1 VERSIONINFO\n"
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
                                      "}\n");
    EXPECT_EQ(dir.Read("VERSION.BAK"), kVersionScript);
    EXPECT_FALSE(platform::FileExists(dir.File("VERSION.$$$").c_str()));
    EXPECT_FALSE(platform::FileExists(dir.File("VERSION.BK$").c_str()));
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
    const std::string others = "FILEVERSION\n FILEVERSION 1,2,3,4\nfileversion 1,2,3,4\n";
    EXPECT_EQ(Numbered(others + "FILEVERSION 1,0,0,0\n", 1), others + "FILEVERSION 1, 0, 0, 1\n");
    // The value line needs exactly three blanks and one character after its opening quote.
    std::string values = "FILEVERSION 1,0,0,0\n"
                         "   VALUE \"FileVersion\", \"\n"
                         "    VALUE \"FileVersion\", \"1.0\"\n"
                         "   VALUE \"ProductVersion\", \"1.0\"\n"
                         "   VALUE \"FileVersion\",\"1.0\"\n";
    EXPECT_EQ(Numbered(values, 1), "FILEVERSION 1, 0, 0, 1" + values.substr(19));
    EXPECT_EQ(Numbered("   VALUE \"FileVersion\", \"?\nFILEVERSION 1,0,0,0\n", 3),
              "   VALUE \"FileVersion\", \"1.0.0.3\\000\\000\"\nFILEVERSION 1, 0, 0, 3\n");
}

TEST(Version, EachPartHoldsAtMostSixteenBits) {
    const struct {
        const char* statement;
        int counter;
        const char* numbered; // null: refused, the file left as it was
    } cases[] = {
        {"FILEVERSION 1,0,0,65534", 1, "FILEVERSION 1, 0, 0, 65535\n"},
        {"FILEVERSION 65535,65535,65535,1", 1, "FILEVERSION 65535, 65535, 65535, 2\n"},
        {"FILEVERSION 1,0,0,65535", 1, nullptr},
        {"FILEVERSION 1,0,0,5", 65536, nullptr},
        {"FILEVERSION 99999999999,0,0,1", 1, nullptr},
        {"FILEVERSION 1,65536,0,1", 1, nullptr},
        {"FILEVERSION 1,-1,0,1", 1, nullptr},
        {"FILEVERSION 1,0,0,99999999999999999999999999", 1, nullptr},
    };
    for (const auto& c : cases) {
        TempDir dir;
        std::string original = std::string(c.statement) + "\n";
        dir.Write("VERSION.RC", original);
        dir.Write("VERSION.BAK", "the previous backup\n");
        NoticeLog log;
        DialogGenerator generator;
        generator.listener = &log;
        generator.buildCounter = c.counter;
        int numbered = generator.NumberVersionFile(dir.path().c_str());
        if (c.numbered) {
            EXPECT_EQ(numbered, 1) << c.statement;
            EXPECT_EQ(dir.Read("VERSION.RC"), c.numbered);
            EXPECT_EQ(dir.Read("VERSION.BAK"), original);
            continue;
        }
        EXPECT_EQ(numbered, 0) << c.statement;
        EXPECT_EQ(dir.Read("VERSION.RC"), original) << c.statement;
        EXPECT_EQ(dir.Read("VERSION.BAK"), "the previous backup\n") << c.statement;
        EXPECT_EQ(generator.buildCounter, c.counter) << c.statement;
        EXPECT_EQ(log.Kinds(), "refused") << c.statement;
        EXPECT_THAT(log.text, HasSubstr(dir.File("VERSION.RC") + ":1 ")) << c.statement;
        EXPECT_THAT(log.text, HasSubstr("65535")) << c.statement;
        EXPECT_FALSE(platform::FileExists(dir.File("VERSION.$$$").c_str()));
        EXPECT_FALSE(platform::FileExists(dir.File("VERSION.BK$").c_str()));
    }
}

TEST(Version, AFileWithoutAFileVersionStatementHasNothingToNumber) {
    for (const char* text : {"", "1 VERSIONINFO\n{\n   VALUE \"FileVersion\", \"1.0\"\n}\n",
                             "fileversion 1,2,3,4\n"}) {
        TempDir dir;
        dir.Write("VERSION.RC", text);
        NoticeLog log;
        DialogGenerator generator;
        generator.listener = &log;
        generator.buildCounter = 4;
        EXPECT_EQ(generator.NumberVersionFile(dir.path().c_str()), 0);
        EXPECT_EQ(dir.Read("VERSION.RC"), text);
        EXPECT_FALSE(platform::FileExists(dir.File("VERSION.BAK").c_str()));
        EXPECT_FALSE(platform::FileExists(dir.File("VERSION.$$$").c_str()));
        EXPECT_EQ(log.Kinds(), "nothing to number");
        EXPECT_EQ(log.numbered, "");
        EXPECT_EQ(generator.buildCounter, 4);
    }
}

TEST(Version, LinesAreCopiedWholeWithTheirOwnEnds) {
    std::string longLine = "// " + std::string(3000, 'z');
    const struct {
        std::string before;
        std::string after;
    } cases[] = {
        {longLine + "\nFILEVERSION 1,0,0," + std::string(300, ' ') + "9\n",
         longLine + "\nFILEVERSION 1, 0, 0, 10\n"},
        {"FILEVERSION 1,0,0,1\r\na\r\n", "FILEVERSION 1, 0, 0, 2\r\na\r\n"},
        {"FILEVERSION 1,0,0,1\nb\tc\t\r\nlast", "FILEVERSION 1, 0, 0, 2\nb\tc\t\r\nlast"},
        {"FILEVERSION 1,0,0,1\r\nx\x01", "FILEVERSION 1, 0, 0, 2\r\nx\x01"},
        {std::string("nul\0inside\n", 11) + "FILEVERSION 1,0,0,1",
         std::string("nul\0inside\n", 11) + "FILEVERSION 1, 0, 0, 2"},
        {"lone\rcr\rFILEVERSION 1,0,0,1\n", "lone\rcr\rFILEVERSION 1,0,0,1\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Numbered(c.before, 1), c.after);
}
