// Scripts the resource editor never writes: over-long lines, too many entries, unbalanced
// braces, binary junk. The output stays bounded and nothing crashes.
#include "codegen_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

using namespace qelvo;
using qelvo::codegen::DialogGenerator;
using qelvo::codegen::kTableEntries;
using qelvo::testing_support::RcOutput;
using qelvo::testing_support::RunScript;
using testing::HasSubstr;
using testing::Not;

namespace {

size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

std::string Control(int i) {
    return " CONTROL \"\", IDC_E" + std::to_string(i) + ", \"edit\", WS_CHILD, 1, 1, 9, 9\n";
}

std::string Define(int i) {
    return "#define IDC_E" + std::to_string(i) + " " + std::to_string(1000 + i) + "\n";
}

} // namespace

TEST(BadInput, LinesLongerThanTheReadSizeAreReadInPieces) {
    DialogGenerator generator;
    // The dialog's statement lies beyond the first 1022 bytes of its line: the rest of the line
    // is the next piece read, and the dialog is found there. The piece after the first of a
    // long control statement starts inside its text: no control.
    std::string script = "#define IDC_A 1\n#define IDC_B 2\n" + std::string(1022, ' ') +
                         "LONG DIALOG 0, 0, 9, 9\n{\n" + std::string(1100, ' ') + "}\n" +
                         " CONTROL \"\", IDC_A, \"edit\", 0, 1, 1, 9, 9\n"
                         " CONTROL \"" +
                         std::string(5000, 'x') +
                         "\", IDC_B, \"edit\", 0\n"
                         "}\n";
    RcOutput out = RunScript(generator, script);
    EXPECT_EQ(Count(out.header, "class rcLONG : public Dialog"), 1u);
    EXPECT_THAT(out.header, HasSubstr("    Edit A ;\n  public :\n"));
    EXPECT_THAT(out.header, Not(HasSubstr("Edit B")));
    EXPECT_THAT(out.header, HasSubstr("} ;\n"));
}

TEST(BadInput, TextsBeyondTheFieldCapacitiesLeaveTheirEntryOut) {
    DialogGenerator generator;
    std::string longName = "IDC_" + std::string(66, 'N'); // 70 characters: no room for the end
    std::string fitName = "IDC_" + std::string(65, 'F');  // 69 characters: fits
    RcOutput out =
        RunScript(generator,
                  "#define " + longName + " 1\n#define " + fitName +
                      " 2\n"
                      "#define IDC_WIDE " +
                      std::string(45, '9') +
                      "\n" // value fits (50)
                      "#define IDM_" +
                      std::string(50, 'M') +
                      " 3\n" // item name 50: too long
                      "#define IDM_SHORT 4\n#define IDC_OVER " +
                      std::string(50, '7') + "\n" // value 50: no
                      + std::string(50, 'Q') +
                      " MENU\n{\n MENUITEM \"x\", IDM_SHORT\n}\n" // menu name 50: no
                      "OK MENU\n{\n MENUITEM \"x\", IDM_" +
                      std::string(50, 'M') +
                      "\n MENUITEM \"y\", IDM_SHORT\n}\n"
                      "D DIALOG 0, 0, 1, 1\n{\n"
                      " CONTROL \"\", " +
                      longName +
                      ", \"edit\", 0, 1, 1, 9, 9\n"
                      " CONTROL \"\", " +
                      fitName +
                      ", \"edit\", 0, 1, 1, 9, 9\n"
                      " CONTROL \"\", IDC_WIDE, \"edit\", 0, 1, 1, 9, 9\n" // identifier 45: over 39
                      " CONTROL \"\", IDC_OVER, \"edit\", 0, 1, 1, 9, 9\n"
                      "}\n");
    ASSERT_EQ(generator.defines.count, 4);
    EXPECT_STREQ(generator.defines[0]->name, fitName.c_str());
    ASSERT_EQ(generator.menuItems.count, 1);
    EXPECT_STREQ(generator.menuItems[0]->item, "SHORT");
    EXPECT_STREQ(generator.menuItems[0]->menu, "OK");
    ASSERT_EQ(generator.controls.count, 1);
    EXPECT_STREQ(generator.controls[0]->member, std::string(65, 'F').c_str());
    EXPECT_THAT(out.header, HasSubstr("    Edit " + std::string(65, 'F') + " ;\n  public :\n"));
}

TEST(BadInput, DefinesBeyondTheTableAreLeftOut) {
    DialogGenerator generator;
    std::string script;
    for (int i = 0; i < 300; ++i)
        script += Define(i);
    script += "D DIALOG 0, 0, 1, 1\n{\n" + Control(0) + Control(254) + Control(255) + Control(299) +
              "}\n";
    RcOutput out = RunScript(generator, script);
    EXPECT_EQ(generator.defines.count, kTableEntries);
    EXPECT_THAT(out.source, HasSubstr("  E0.Get(this, 1000) ;\n  E254.Get(this, 1254) ;\n}\n"));
    EXPECT_THAT(out.source, Not(HasSubstr("E255")));
}

TEST(BadInput, ControlsAndMenuItemsBeyondTheTablesAreLeftOut) {
    DialogGenerator generator;
    std::string script;
    for (int i = 0; i < 255; ++i)
        script += Define(i);
    script += "M MENU\n{\n";
    for (int i = 0; i < 300; ++i)
        script += " MENUITEM \"x\", IDC_E" + std::to_string(i % 255) + "\n";
    script += "}\nD DIALOG 0, 0, 1, 1\nMENU M\n{\n";
    for (int i = 0; i < 300; ++i)
        script += Control(i % 255);
    script += "}\n";
    RcOutput out = RunScript(generator, script);
    EXPECT_EQ(generator.menuItems.count, kTableEntries);
    EXPECT_EQ(generator.controls.count, kTableEntries);
    EXPECT_EQ(Count(out.header, "    Edit E"), 255u);
    EXPECT_EQ(Count(out.header, "if (code=="), 255u);
    EXPECT_EQ(Count(out.header, "    virtual int mnu"), 255u);
    EXPECT_EQ(Count(out.source, ".Get(this, "), 255u);
}

TEST(BadInput, UnbalancedBraces) {
    DialogGenerator generator;
    RcOutput out = RunScript(generator, "#define IDC_A 1\n}\n}\n{\n"
                                        "A DIALOG 0, 0, 1, 1\n{\n{\n"
                                        " CONTROL \"\", IDC_A, \"edit\", 0, 1, 1, 9, 9\n"
                                        "}\n}\n}\n"
                                        "M MENU\n{\n}\n}\n");
    EXPECT_EQ(Count(out.header, "class rcA "), 1u);
    EXPECT_EQ(Count(out.header, "} ;\n"), 1u);
    EXPECT_EQ(Count(out.source, "void rcA::rcInit()"), 1u);
}

TEST(BadInput, BinaryJunkGivesBoundedOutput) {
    std::mt19937 random(20240305);
    for (int round = 0; round < 20; ++round) {
        std::string junk;
        for (int i = 0; i < 20000; ++i) {
            unsigned value = random() % 300;
            // Mostly bytes, with the scanner's keywords mixed in.
            static const char* const words[] = {" DIALOG ", " MENU", "CONTROL ", "MENUITEM ",
                                                "#define ", "}",     "\n",       ",",
                                                "\"",       "IDOK"};
            if (value >= 256)
                junk += words[value % 10];
            else
                junk += static_cast<char>(value);
        }
        DialogGenerator generator;
        RcOutput out = RunScript(generator, junk);
        EXPECT_EQ(out.result, 1);
        EXPECT_LE(generator.defines.count, kTableEntries);
        EXPECT_LT(out.header.size() + out.source.size(), 20u * junk.size());
    }
}
