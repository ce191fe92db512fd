// Scripts laid out otherwise than the resource editor writes them: blocks spelt BEGIN and END,
// a dialog the script never closes, more entries than the tables take; and directory names
// that are no identifiers. What the generated code mends or leaves out, the user is told.
#include "codegen_test_support.h"
#include "platform/platform.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace qelvo;
using qelvo::codegen::DialogGenerator;
using qelvo::testing_support::NoticeLog;
using qelvo::testing_support::PlatformLines;
using qelvo::testing_support::RcOutput;
using qelvo::testing_support::RunScript;
using qelvo::testing_support::TempDir;
using testing::HasSubstr;
using testing::Not;

namespace {

// A menu with two popups, the dialog that uses it and one after it, in brace layout.
const char kBraces[] = "#define IDM_OPEN 201\n#define IDM_ABOUT 202\n#define IDC_NAME 101\n"
                       "IDM_MAIN MENU\n{\n"
                       " POPUP \"&File\"\n {\n  MENUITEM \"&Open\", IDM_OPEN\n }\n"
                       " POPUP \"&Help\"\n {\n  MENUITEM \"&About\", IDM_ABOUT\n }\n"
                       "}\n"
                       "MAIN DIALOG 0, 0, 100, 50\nMENU IDM_MAIN\n{\n"
                       " CONTROL \"\", IDC_NAME, \"edit\", 0, 1, 1, 9, 9\n}\n"
                       "AFTER DIALOG 0, 0, 1, 1\n{\n}\n";

// The same script with each brace spelt as a word, as other resource editors write it.
std::string Spelt(const std::string& braces, const char* open, const char* close) {
    std::string words;
    for (char c : braces)
        words += c == '{' ? open : c == '}' ? close : std::string(1, c);
    return words;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

std::string Controls(int n) {
    std::string lines;
    for (int i = 0; i < n; ++i)
        lines += " CONTROL \"\", IDC_E" + std::to_string(i % 255) + ", \"edit\", 0, 1, 1, 9, 9\n";
    return lines;
}

std::string Defines(int n) {
    std::string lines;
    for (int i = 0; i < n; ++i)
        lines += "#define IDC_E" + std::to_string(i) + " " + std::to_string(1000 + i) + "\n";
    return lines;
}

} // namespace

TEST(Layout, BeginAndEndStandForTheBraces) {
    DialogGenerator braces;
    RcOutput expected = RunScript(braces, kBraces);
    // Items of both popups, the dialog's member and the dialog after it.
    EXPECT_THAT(expected.source, HasSubstr("    case 201 : return(mnuOPEN()) ;\n"
                                           "    case 202 : return(mnuABOUT()) ;\n"));
    EXPECT_THAT(expected.header, HasSubstr("    Edit NAME ;\n"));
    EXPECT_THAT(expected.header, HasSubstr("class rcAFTER : public Dialog"));
    for (const char* spelling : {"BEGIN", "begin"}) {
        bool upper = spelling[0] == 'B';
        NoticeLog log;
        DialogGenerator words;
        words.listener = &log;
        RcOutput out =
            RunScript(words, Spelt(kBraces, upper ? "BEGIN" : "begin", upper ? "END" : "end"));
        if (upper) {
            EXPECT_EQ(out.header, expected.header);
            EXPECT_EQ(out.source, expected.source);
            EXPECT_EQ(log.text, "");
        } else {
            // Only the words as the resource compiler spells them.
            EXPECT_THAT(out.header, Not(HasSubstr("class rcAFTER")));
        }
    }
    // A word that only starts like the end closes nothing.
    DialogGenerator other;
    RcOutput ending = RunScript(other, "D DIALOG 0, 0, 1, 1\n{\nENDING\nEND_X\n}\n"
                                       "E DIALOG 0, 0, 1, 1\n{\n}\n");
    EXPECT_EQ(Count(ending.header, "} ;\n"), 2u);
}

TEST(Layout, ADialogStillOpenAtTheEndIsClosedThereAndReported) {
    NoticeLog log;
    DialogGenerator generator;
    generator.listener = &log;
    RcOutput out = RunScript(generator, "#define IDC_A 1\nDONE DIALOG 0, 0, 1, 1\n{\n}\n"
                                        "CUT DIALOG 0, 0, 1, 1\n{\n"
                                        " CONTROL \"\", IDC_A, \"edit\", 0, 1, 1, 9, 9");
    EXPECT_THAT(out.header, HasSubstr("class rcCUT : public Dialog\n{\n  public :\n"
                                      "    Edit A ;\n  public :\n    void rcInit() ;\n"));
    EXPECT_EQ(Count(out.header, "} ;\n"), 2u);
    EXPECT_THAT(out.source, HasSubstr("void rcCUT::rcInit()\n{\n  A.Get(this, 1) ;\n}\n"));
    EXPECT_THAT(out.source, HasSubstr("void rcCUT::wmNotify(NMHDR *hdr)"));
    EXPECT_EQ(log.Kinds(), "script");
    EXPECT_THAT(log.text, HasSubstr(":5 the dialog CUT is not closed"));
}

TEST(Layout, EntriesBeyondTheTablesAreReported) {
    const struct {
        std::string script;
        const char* told; // the line, and the number left out
    } cases[] = {
        {Defines(255) + "D DIALOG 0, 0, 1, 1\n{\n" + Controls(300) + "}\n",
         ":256 the dialog D has 45 controls"},
        {Defines(300), " 45 #defines"},
        {Defines(255) + "M MENU\n{\n" + Controls(0) +
             [] {
                 std::string items;
                 for (int i = 0; i < 256; ++i)
                     items += " MENUITEM \"x\", IDC_E" + std::to_string(i % 255) + "\n";
                 return items;
             }() +
             "}\n",
         " 1 menu item "},
    };
    for (const auto& c : cases) {
        NoticeLog log;
        DialogGenerator generator;
        generator.listener = &log;
        RunScript(generator, c.script);
        EXPECT_EQ(log.Kinds(), "script") << c.told;
        EXPECT_THAT(log.text, HasSubstr(c.told));
        EXPECT_THAT(log.text, HasSubstr("255"));
    }
}

TEST(Layout, AnEntryWhoseTextsDoNotFitIsReported) {
    std::string longName = "IDC_" + std::string(66, 'N'); // 70 characters: no room
    NoticeLog log;
    DialogGenerator generator;
    generator.listener = &log;
    RcOutput out = RunScript(generator, "#define " + longName + " 1\n#define IDC_WIDE " +
                                            std::string(45, '9') +
                                            "\nD DIALOG 0, 0, 1, 1\n{\n"
                                            " CONTROL \"\", " +
                                            longName +
                                            ", \"edit\", 0, 1, 1, 9, 9\n"
                                            " CONTROL \"\", IDC_WIDE, \"edit\", 0, 1, 1, 9, 9\n"
                                            "}\n");
    EXPECT_THAT(out.header, Not(HasSubstr("    Edit ")));
    EXPECT_EQ(log.Kinds(), "script, script");
    EXPECT_THAT(log.text, HasSubstr(":5 the #define of " + longName));
    EXPECT_THAT(log.text, HasSubstr(":6 the control IDC_WIDE"));
}

TEST(Layout, IncludeGuardsAreMadeOfIdentifierCharacters) {
    const struct {
        const char* directory;
        const char* guard;
    } cases[] = {{"sp ace", "_rcsp_ace_h_"},
                 {"a.b", "_rca_b_h_"},
                 {"x-1+\xc3\xa9", "_rcx_1____h_"},
                 {"Plain_9", "_rcPlain_9_h_"}};
    TempDir project;
    for (const auto& c : cases) {
        platform::MakeDirectory(project.File(c.directory).c_str());
        project.Write(std::string(c.directory) + "\\d.rc", "D DIALOG 0, 0, 1, 1\n{\n}\n");
    }
    DialogGenerator generator;
    generator.enabled = 1;
    generator.GenerateForProject(project.path().c_str());
    for (const auto& c : cases) {
        std::string header = project.Read(std::string(c.directory) + "\\rc" + c.directory + ".h");
        EXPECT_EQ(header.rfind(PlatformLines("// Generated file : do not edit by hand\n#ifndef " +
                                             std::string(c.guard) + "\n#define " + c.guard + "\n"),
                               0),
                  0u)
            << c.directory;
        EXPECT_THAT(project.Read(std::string(c.directory) + "\\rc" + c.directory + ".cpp"),
                    HasSubstr(std::string("#include \"rc") + c.directory + ".h\""));
    }
}
