// Reading the stand-in IDE's automation scripts: words and quotes, every step's arguments, the
// faults named with their line, menu paths and item names, key combinations in the add-on's
// key code.
#include "script.h"

#include <gtest/gtest.h>

namespace qelvo {
namespace automation {
namespace {

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::string error;
    EXPECT_TRUE(SplitWords(line, words, error)) << error;
    return words;
}

std::string Fault(const std::string& script) {
    std::vector<ScriptStep> steps;
    std::string error;
    EXPECT_FALSE(ParseScript(script, steps, error)) << script;
    EXPECT_TRUE(steps.empty());
    return error;
}

TEST(ScriptWords, BlanksSeparateQuotesGroupAndHashEndsTheLine) {
    EXPECT_EQ(Words("  caption   main.cpp\t2  "),
              (std::vector<std::string>{"caption", "main.cpp", "2"}));
    EXPECT_EQ(Words("expect-menu \"Find as function... \" \"\" -"),
              (std::vector<std::string>{"expect-menu", "Find as function... ", "", "-"}));
    EXPECT_EQ(Words("type \"say \"\"hi\"\" # not a comment\" # a comment"),
              (std::vector<std::string>{"type", "say \"hi\" # not a comment"}));
    EXPECT_EQ(Words("bar APP/#Obsolete/old.cpp #x"),
              (std::vector<std::string>{"bar", "APP/#Obsolete/old.cpp"}));
    EXPECT_EQ(Words("choose \"#Obsolete\""), (std::vector<std::string>{"choose", "#Obsolete"}));
    EXPECT_EQ(Words("answer \"Save\"Yes"), (std::vector<std::string>{"answer", "Save", "Yes"}));
    EXPECT_TRUE(Words("   # only a comment").empty());
    std::vector<std::string> words;
    std::string error;
    EXPECT_FALSE(SplitWords("type \"open", words, error));
    EXPECT_EQ(error, "a quote is left open");
}

TEST(Script, EveryStepWithItsArgumentsAndLines) {
    const std::string text = "# the demo\r\n"
                             "project APP.IDE\r\n"
                             "open \"src\\main.cpp\"\n"
                             "\n"
                             "caption main.cpp 2   # quick find\n"
                             "caption main.cpp right\n"
                             "menu \"Project/Make all\"\n"
                             "bar Qelvo/Options...\n"
                             "command 199\n"
                             "choose \"Find as class... \"\n"
                             "key Ctrl+Shift+F3\n"
                             "type \"int x;\"\n"
                             "make\n"
                             "make make.png\n"
                             "answer \"Environment Options\" OK\n"
                             "answer * 2 102=C:\\BC5\\BIN 108=\n"
                             "expect-status \" \"\n"
                             "expect-file APP.IDE Option\n"
                             "expect-menu \"Edit Documentation\"\n"
                             "expect-bar Qelvo APP\n"
                             "expect-message \"Compiling main.cpp\"\n"
                             "screenshot a.png\n"
                             "screenshot b.PNG popup\n"
                             "WAIT 500\n"
                             "timeout 3";
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(ParseScript(text, steps, error)) << error;
    ASSERT_EQ(steps.size(), 23u);
    EXPECT_EQ(steps[0].kind, StepKind::kProject);
    EXPECT_EQ(steps[0].line, 2);
    EXPECT_EQ(steps[0].source, "project APP.IDE");
    EXPECT_EQ(steps[1].args, std::vector<std::string>{"src\\main.cpp"});
    EXPECT_EQ(steps[2].line, 5);
    EXPECT_EQ(steps[2].source, "caption main.cpp 2   # quick find");
    EXPECT_EQ(steps[2].args, (std::vector<std::string>{"main.cpp", "2"}));
    EXPECT_EQ(steps[3].args[1], "right");
    EXPECT_EQ(steps[5].kind, StepKind::kBar);
    EXPECT_EQ(steps[10].kind, StepKind::kMake);
    EXPECT_TRUE(steps[10].args.empty());
    EXPECT_EQ(steps[13].args, (std::vector<std::string>{"*", "2", "102=C:\\BC5\\BIN", "108="}));
    EXPECT_EQ(steps[21].kind, StepKind::kWait) << "keywords without regard to case";
    EXPECT_EQ(steps[22].kind, StepKind::kTimeout);
    EXPECT_EQ(steps[22].line, 25);
    EXPECT_STREQ(StepKeyword(steps[14].kind), "expect-status");
}

TEST(Script, FaultsNameTheLineAndWhatIsWrong) {
    EXPECT_EQ(Fault("project A.IDE\n\nclik x"), "line 3: unknown step \"clik\"");
    EXPECT_EQ(Fault("open"), "line 1: open takes 1 argument, not 0");
    EXPECT_EQ(Fault("open a b"), "line 1: open takes 1 argument, not 2");
    EXPECT_EQ(Fault("make a.png b.png"), "line 1: make takes 0 or 1 arguments, not 2");
    EXPECT_EQ(Fault("answer OK"), "line 1: answer takes 2 or more arguments, not 1");
    EXPECT_EQ(Fault("type \"abc"), "line 1: a quote is left open");
    EXPECT_EQ(Fault("caption main.cpp 3"),
              "line 1: the caption button is 0, 1, 2 or right, not \"3\"");
    EXPECT_EQ(Fault("menu File//Open"), "line 1: bad menu path \"File//Open\"");
    EXPECT_EQ(Fault("bar /Qelvo"), "line 1: bad menu path \"/Qelvo\"");
    EXPECT_EQ(Fault("command 0"), "line 1: a command is a number from 1 to 65535");
    EXPECT_EQ(Fault("command 65536"), "line 1: a command is a number from 1 to 65535");
    EXPECT_EQ(Fault("command 12x"), "line 1: a command is a number from 1 to 65535");
    EXPECT_EQ(Fault("key Ctrl+Hyper+A"), "line 1: unknown key combination \"Ctrl+Hyper+A\"");
    EXPECT_EQ(Fault("type \"tab\there\""),
              "line 1: type takes printable ASCII text (use key for the others)");
    EXPECT_EQ(Fault("answer Title OK text"),
              "line 1: an edit's text is written ID=TEXT, not \"text\"");
    EXPECT_EQ(Fault("answer Title OK =x"), "line 1: an edit's text is written ID=TEXT, not \"=x\"");
    EXPECT_EQ(Fault("screenshot shot.bmp"),
              "line 1: a screenshot is a file name ending in .png, not \"shot.bmp\"");
    EXPECT_EQ(Fault("screenshot ..\\up.png"),
              "line 1: a screenshot is a file name ending in .png, not \"..\\up.png\"");
    EXPECT_EQ(Fault("make .png"),
              "line 1: a screenshot is a file name ending in .png, not \".png\"");
    EXPECT_EQ(Fault("progress Title Proceed shot.png"),
              "line 1: a screenshot is a file name ending in .png, not \"Title\"");
    EXPECT_EQ(Fault("progress shot.png Title"), "line 1: progress takes 3 arguments, not 2");
    EXPECT_EQ(Fault("wait -5"), "line 1: wait takes milliseconds (0 to 600000)");
    EXPECT_EQ(Fault("timeout 0"), "line 1: timeout takes seconds (1 to 600)");
    EXPECT_EQ(Fault("page"), "line 1: page takes 1 or more arguments, not 0");
    EXPECT_EQ(Fault("page Mail click"),
              "line 1: a control is written ID=TEXT or ID=click, not \"click\"");
}

TEST(Script, APageStepNamesItsTitleAndControls) {
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(ParseScript("page \"Editor menu\" 1013=12 1020=click\n", steps, error)) << error;
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].kind, StepKind::kPage);
    EXPECT_EQ(steps[0].args, (std::vector<std::string>{"Editor menu", "1013=12", "1020=click"}));
}

TEST(Script, AnEmptyScriptHasNoSteps) {
    std::vector<ScriptStep> steps(1);
    std::string error;
    EXPECT_TRUE(ParseScript("", steps, error));
    EXPECT_TRUE(steps.empty());
    EXPECT_TRUE(ParseScript("\n# nothing\n\n", steps, error));
    EXPECT_TRUE(steps.empty());
}

TEST(ScriptMenus, PathsAndItemNames) {
    std::vector<std::string> parts;
    ASSERT_TRUE(SplitMenuPath(" File / Open... ", parts));
    EXPECT_EQ(parts, (std::vector<std::string>{"File", "Open..."}));
    ASSERT_TRUE(SplitMenuPath("Qelvo", parts));
    EXPECT_EQ(parts, std::vector<std::string>{"Qelvo"});
    EXPECT_FALSE(SplitMenuPath("", parts));
    EXPECT_FALSE(SplitMenuPath("File/", parts));
    EXPECT_FALSE(SplitMenuPath("File/ /Open", parts));

    EXPECT_EQ(MenuItemName("&Open...\tCtrl+O"), "Open...");
    EXPECT_EQ(MenuItemName("Find as method... \tCtrl+Shift+F3"), "Find as method...");
    EXPECT_EQ(MenuItemName("Save &all"), "Save all");
    EXPECT_EQ(MenuItemName("Fish && &Chips"), "Fish & Chips");
    EXPECT_EQ(MenuItemName("  Qelvo Addon for Borland C++ 5.0 initializing... "),
              "Qelvo Addon for Borland C++ 5.0 initializing...");
    EXPECT_EQ(MenuItemName("&"), "");
}

TEST(ScriptTexts, AStarStandsForAnyText) {
    EXPECT_TRUE(TextMatches("Open *\\src\\util.cpp : Shared helpers",
                            "Open C:\\APP\\src\\util.cpp : Shared helpers"));
    EXPECT_FALSE(TextMatches("Open *\\src\\util.cpp", "Open C:\\APP\\src\\util.cpp : x"));
    EXPECT_TRUE(TextMatches("*", ""));
    EXPECT_TRUE(TextMatches("a*", "a"));
    EXPECT_TRUE(TextMatches("*b*b", "abxbb"));
    EXPECT_TRUE(TextMatches("a**c", "abc"));
    EXPECT_FALSE(TextMatches("a*c", "abcd"));
    EXPECT_TRUE(TextMatches(" ", " "));
    EXPECT_FALSE(TextMatches(" ", ""));
    EXPECT_FALSE(TextMatches("", " "));
    EXPECT_TRUE(TextMatches("", ""));
    EXPECT_FALSE(TextMatches("Compiling main.cpp", "Compiling main.cpp.bak"));
}

TEST(ScriptKeys, CombinationsGiveTheAddOnsKeyCode) {
    KeyCombination keys;
    ASSERT_TRUE(ParseKeyCombination("Ctrl+Shift+F3", keys));
    EXPECT_TRUE(keys.ctrl && keys.shift && !keys.alt);
    EXPECT_EQ(keys.key, 0x72);
    EXPECT_EQ(keys.Code(), 5114);
    ASSERT_TRUE(ParseKeyCombination("alt + x", keys));
    EXPECT_EQ(keys.Code(), 2000 + 'X');
    ASSERT_TRUE(ParseKeyCombination("Escape", keys));
    EXPECT_EQ(keys.Code(), 0x1B);
    ASSERT_TRUE(ParseKeyCombination("CONTROL+space", keys));
    EXPECT_EQ(keys.Code(), 4000 + 0x20);
    ASSERT_TRUE(ParseKeyCombination("F24", keys));
    EXPECT_EQ(keys.key, 0x87);
    ASSERT_TRUE(ParseKeyCombination("7", keys));
    EXPECT_EQ(keys.key, '7');
    ASSERT_TRUE(ParseKeyCombination("Shift+PgDn", keys));
    EXPECT_EQ(keys.Code(), 1000 + 0x22);

    for (const char* bad : {"", "Ctrl+", "+A", "Ctrl+Ctrl+A", "F0", "F25", "Shift", "Ctrl+AB",
                            "Win+A", "F1x", "Ctrl++"})
        EXPECT_FALSE(ParseKeyCombination(bad, keys)) << bad;
}

} // namespace
} // namespace automation
} // namespace qelvo
