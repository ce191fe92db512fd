// The text helpers: tokens, comma fields, derived names, the control class table, the reader.
#include "codegen/rc_text.h"
#include "platform/platform.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

using namespace qelvo;
using namespace qelvo::codegen;
using qelvo::testing_support::TempDir;

TEST(NextToken, SkipsBlanksAndTabsAndStopsAtControlBytes) {
    const char* after = nullptr;
    const char* line = " \t IDC_NAME 101\n";
    EXPECT_STREQ(NextToken(line, &after).c_str(), "IDC_NAME");
    EXPECT_STREQ(after, " 101\n");
    EXPECT_STREQ(NextToken(after).c_str(), "101");
    EXPECT_STREQ(NextToken("ABOUT DIALOG 0, 0").c_str(), "ABOUT");
    EXPECT_STREQ(NextToken("X\r\n").c_str(), "X");
    EXPECT_STREQ(NextToken("").c_str(), "");
    EXPECT_STREQ(NextToken("  \n").c_str(), "");
    // Only blanks and tabs are skipped: a line feed ends the search.
    EXPECT_STREQ(NextToken("\nX").c_str(), "");
    // Bytes of the upper half belong to the token.
    EXPECT_STREQ(NextToken("\xC9t\xE9 x").c_str(), "\xC9t\xE9");
}

TEST(GetField, SplitsAtCommasOutsideQuotes) {
    const char* line = "CONTROL \"a, b\", IDC_X, \"edit\", ES_LEFT | WS_CHILD, 1, 2\n";
    EXPECT_STREQ(GetField(line, 0).c_str(), "CONTROL \"a, b\"");
    EXPECT_STREQ(GetField(line, 1).c_str(), "IDC_X");
    EXPECT_STREQ(GetField(line, 2).c_str(), "edit");
    EXPECT_STREQ(GetField(line, 3).c_str(), "ES_LEFT | WS_CHILD");
    EXPECT_STREQ(GetField(line, 5).c_str(), "2\n");
    EXPECT_STREQ(GetField(line, 6).c_str(), "");
    EXPECT_STREQ(GetField(line, 60).c_str(), "");
    // A quoted field loses its quotes; trailing blanks of a plain field stay.
    EXPECT_STREQ(GetField("\"x\" , \"SysTabControl32\",", 1).c_str(), "SysTabControl32");
    EXPECT_STREQ(GetField("a,\tb  ,c", 1).c_str(), "b  ");
    // Doubled quotes inside a text keep the comma inside it.
    EXPECT_STREQ(GetField("\"Say \"\"hi\"\", ok\", IDOK", 1).c_str(), "IDOK");
    // An unterminated quote runs to the end of the line.
    EXPECT_STREQ(GetField("\"open, text", 1).c_str(), "");
    EXPECT_STREQ(GetField("x, \"open", 1).c_str(), "open");
    EXPECT_STREQ(GetField("", 0).c_str(), "");
}

TEST(DerivedName, DropsAPrefixOfThreeCharactersAndAnUnderscore) {
    EXPECT_STREQ(DerivedName("IDC_NAME"), "NAME");
    EXPECT_STREQ(DerivedName("IDM_OPEN"), "OPEN");
    EXPECT_STREQ(DerivedName("IDC_X"), "X");
    EXPECT_STREQ(DerivedName("IDC_"), "IDC_"); // fewer than 5 characters
    EXPECT_STREQ(DerivedName("CM_OPEN"), "CM_OPEN");
    EXPECT_STREQ(DerivedName("BUTTON1"), "BUTTON1");
    EXPECT_STREQ(DerivedName(""), "");
}

TEST(LanguageVariant, FifthFromTheEndUnderscoreAndSecondFromTheEndDigit) {
    EXPECT_TRUE(IsLanguageVariant("DLG_0409"));
    EXPECT_TRUE(IsLanguageVariant("A_0409"));
    EXPECT_TRUE(IsLanguageVariant("ABOUT_040C"));
    EXPECT_FALSE(IsLanguageVariant("_0409")); // 5 characters
    EXPECT_FALSE(IsLanguageVariant("ABOUT"));
    EXPECT_FALSE(IsLanguageVariant("DLG_04A9")); // second from the end is not a digit
    EXPECT_FALSE(IsLanguageVariant("DLG-0409"));
    EXPECT_FALSE(IsLanguageVariant(""));
}

TEST(ControlClasses, EverySpellingOfTheTable) {
    struct Row {
        const char* lower;
        const char* upper;
        const char* generated;
    };
    const Row rows[] = {
        {"edit", "EDIT", "Edit"},
        {"listbox", "LISTBOX", "List"},
        {"combobox", "COMBOBOX", "ComboBox"},
        {"SysListView32", "SYSLISTVIEW32", "ListView"},
        {"msctls_statusbar32", "MSCTLS_STATUSBAR32", "StatusBar"},
        {"ToolbarWindow32", "TOOLBARWINDOW32", "ToolBar"},
        {"msctls_progress32", "MSCTLS_PROGRESS32", "Progress"},
        {"msctls_trackbar32", "MSCTLS_TRACKBAR32", "TrackBar"},
        {"SysTabControl32", "SYSTABCONTROL32", "TabControl"},
        {"SysTreeView32", "SYSTREEVIEW32", "TreeView"},
    };
    for (const Row& row : rows) {
        ASSERT_NE(GeneratedClass(row.lower, ""), nullptr) << row.lower;
        EXPECT_STREQ(GeneratedClass(row.lower, "WS_CHILD"), row.generated);
        ASSERT_NE(GeneratedClass(row.upper, ""), nullptr) << row.upper;
        EXPECT_STREQ(GeneratedClass(row.upper, "WS_CHILD"), row.generated);
    }
    // Compared exactly as written: other spellings and other classes give no member.
    EXPECT_EQ(GeneratedClass("Edit", ""), nullptr);
    EXPECT_EQ(GeneratedClass("systabcontrol32", ""), nullptr);
    EXPECT_EQ(GeneratedClass("static", "SS_LEFT"), nullptr);
    EXPECT_EQ(GeneratedClass("STATIC", ""), nullptr);
    EXPECT_EQ(GeneratedClass("", ""), nullptr);
}

TEST(ControlClasses, ButtonStylesChooseCheckBoxThenRadioThenControl) {
    for (const char* button : {"button", "BUTTON"}) {
        EXPECT_STREQ(GeneratedClass(button, "BS_3STATE | WS_CHILD"), "CheckBox");
        EXPECT_STREQ(GeneratedClass(button, "BS_AUTO3STATE"), "CheckBox");
        EXPECT_STREQ(GeneratedClass(button, "WS_CHILD | BS_CHECKBOX"), "CheckBox");
        EXPECT_STREQ(GeneratedClass(button, "BS_AUTOCHECKBOX | WS_TABSTOP"), "CheckBox");
        EXPECT_STREQ(GeneratedClass(button, "BS_RADIOBUTTON"), "Radio");
        EXPECT_STREQ(GeneratedClass(button, "BS_AUTORADIOBUTTON | WS_GROUP"), "Radio");
        // The check box styles win over the radio styles.
        EXPECT_STREQ(GeneratedClass(button, "BS_RADIOBUTTON | BS_CHECKBOX"), "CheckBox");
        EXPECT_STREQ(GeneratedClass(button, "BS_DEFPUSHBUTTON | WS_CHILD"), "Control");
        EXPECT_STREQ(GeneratedClass(button, "BS_GROUPBOX"), "Control");
        EXPECT_STREQ(GeneratedClass(button, ""), "Control");
    }
    EXPECT_STREQ(GeneratedClass("Button", "BS_CHECKBOX"), nullptr);
}

TEST(ControlClasses, NotificationClasses) {
    EXPECT_TRUE(IsNotificationClass("TabControl"));
    EXPECT_TRUE(IsNotificationClass("TreeView"));
    EXPECT_TRUE(IsNotificationClass("ListView"));
    for (const char* other : {"Edit", "List", "ComboBox", "StatusBar", "ToolBar", "Progress",
                              "TrackBar", "CheckBox", "Radio", "Control"})
        EXPECT_FALSE(IsNotificationClass(other)) << other;
}

TEST(LineReader, GivesLinesAsTextModeDoesAndTellsEachLinesEnd) {
    TempDir dir;
    std::string path = dir.Write("t", "one\r\ntwo\nthree\rx\r\r\nlast");
    FILE* file = platform::OpenFile(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    LineReader reader(file);
    std::string line;
    ASSERT_TRUE(reader.Next(line, 100));
    EXPECT_EQ(line, "one\n");
    ASSERT_TRUE(reader.Next(line, 100));
    EXPECT_EQ(line, "two\n");
    ASSERT_TRUE(reader.Next(line, 100));
    EXPECT_EQ(line, "three\rx\r\n"); // a lone CR stays, a CR LF pair becomes LF
    ASSERT_TRUE(reader.Next(line, 100));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(reader.Next(line, 100));
    EXPECT_FALSE(reader.Failed());

    reader.Rewind();
    const struct {
        const char* text;
        const char* end;
    } lines[] = {{"one", "\r\n"}, {"two", "\n"}, {"three\rx\r", "\r\n"}, {"last", ""}};
    std::string text, end;
    for (const auto& want : lines) {
        ASSERT_TRUE(reader.Read(text, end, 100));
        EXPECT_EQ(text, want.text);
        EXPECT_EQ(end, want.end);
    }
    EXPECT_EQ(reader.LineNumber(), 4);
    EXPECT_FALSE(reader.Read(text, end, 100));
    std::fclose(file);
}

TEST(LineReader, ALongLineComesInPiecesOfAtMostTheLimit) {
    TempDir dir;
    // 3000 bytes, then a line of exactly the limit, then one of a byte more.
    std::string path = dir.Write("t", std::string(2999, 'a') + "}\r\n" + std::string(1022, 'b') +
                                          "\n" + std::string(1023, 'c'));
    FILE* file = platform::OpenFile(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    LineReader reader(file);
    const struct {
        std::string text;
        const char* end;
        int line;
    } pieces[] = {{std::string(1022, 'a'), "", 1},          {std::string(1022, 'a'), "", 1},
                  {std::string(955, 'a') + "}", "\r\n", 1}, {std::string(1022, 'b'), "\n", 2},
                  {std::string(1022, 'c'), "", 3},          {"c", "", 3}};
    std::string text, end;
    for (const auto& want : pieces) {
        ASSERT_TRUE(reader.Read(text, end, 1022));
        EXPECT_EQ(text, want.text);
        EXPECT_EQ(end, want.end);
        EXPECT_EQ(reader.LineNumber(), want.line);
    }
    EXPECT_FALSE(reader.Read(text, end, 1022));
    // As fgets gives them: a piece cut at the limit has no line feed.
    reader.Rewind();
    std::string line;
    ASSERT_TRUE(reader.Next(line, 1022));
    EXPECT_EQ(line, std::string(1022, 'a'));
    std::fclose(file);
}

TEST(DropTrailingControl, RemovesOneByteBelowASpace) {
    std::string line = "abc\t\n";
    DropTrailingControl(line);
    EXPECT_EQ(line, "abc\t");
    DropTrailingControl(line);
    EXPECT_EQ(line, "abc");
    DropTrailingControl(line);
    EXPECT_EQ(line, "abc");
    line.clear();
    DropTrailingControl(line);
    EXPECT_EQ(line, "");
}
