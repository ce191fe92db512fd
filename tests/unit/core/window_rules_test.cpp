#include "core/window_rules.h"

#include <gtest/gtest.h>

#include <string>

using namespace qelvo;

TEST(TitleRule, PathLikePartsOnly) {
    EXPECT_TRUE(TitleMatchesPart("C:\\SRC\\MAIN.CPP:2", "MAIN.CPP"));
    EXPECT_TRUE(TitleMatchesPart("MAIN.CPP", "MAIN.CPP"));
    EXPECT_TRUE(TitleMatchesPart("c:\\src\\main.cpp", "MAIN.CPP")) << "the title is upper-cased";
    EXPECT_TRUE(TitleMatchesPart("c:/src/main.cpp", "MAIN.CPP"));
    EXPECT_FALSE(TitleMatchesPart("C:\\SRC\\XMAIN.CPP", "MAIN.CPP"));
    EXPECT_FALSE(TitleMatchesPart("C:\\SRC\\MAIN.CPP.BAK", "MAIN.CPP"));
    EXPECT_FALSE(TitleMatchesPart("C:\\SRC\\MAIN.CPP *", "MAIN.CPP"));
    EXPECT_FALSE(TitleMatchesPart("C:\\SRC\\MAIN.CPP", "main.cpp")) << "the part must be upper";
    EXPECT_FALSE(TitleMatchesPart("anything", "")) << "an empty part is followed by the title";
    EXPECT_FALSE(TitleMatchesPart(nullptr, "MAIN.CPP"));
}

TEST(TitleRule, OnlyTheFirstOccurrenceCounts) {
    // The first MAIN.CPP follows an X, so the later, well-placed one is never looked at.
    EXPECT_FALSE(TitleMatchesPart("C:\\XMAIN.CPP\\MAIN.CPP", "MAIN.CPP"));
    EXPECT_TRUE(TitleMatchesPart("C:\\MAIN.CPP:3\\XMAIN.CPP", "MAIN.CPP"));
}

TEST(TitleRule, LongTitlesAreReadInTheirBuffer) {
    std::string title = std::string(300, 'D') + "\\MAIN.CPP";
    EXPECT_FALSE(TitleMatchesPart(title.c_str(), "MAIN.CPP")) << "beyond the 279-byte buffer";
    std::string shorter = std::string(260, 'D') + "\\MAIN.CPP";
    EXPECT_TRUE(TitleMatchesPart(shorter.c_str(), "MAIN.CPP"));
}

TEST(EditorTitle, CleaningDropsViewAndModifiedMarks) {
    char title[] = "C:\\SRC\\MAIN.CPP:2 *";
    CleanEditorTitle(title);
    EXPECT_STREQ(title, "C:\\SRC\\MAIN.CPP");
    char modified[] = "C:\\SRC\\A B.CPP *";
    CleanEditorTitle(modified);
    EXPECT_STREQ(modified, "C:\\SRC\\A B.CPP");
    char plain[] = "C:\\SRC\\MAIN.CPP";
    CleanEditorTitle(plain);
    EXPECT_STREQ(plain, "C:\\SRC\\MAIN.CPP");
    char drive[] = "C:";
    CleanEditorTitle(drive);
    EXPECT_STREQ(drive, "C:") << "indexes below 2 are kept";
}

TEST(KeyCodes, ModifiersAddThousands) {
    EXPECT_EQ(KeyCode(0x72, true, false, true), 5114) << "Ctrl+Shift+F3";
    EXPECT_EQ(KeyCode(0x72, false, false, false), 114);
    EXPECT_EQ(KeyCode(222, false, false, false), 222);
    EXPECT_EQ(KeyCode(0x41, true, true, true), 7065);
}
