// The quick find's line tests, its walk over a tree of files, the history and the settings.
#include "memory_registry.h"
#include "recorders.h"
#include "temp_dir.h"

#include "navigation/quick_find.h"
#include "navigation/quick_search.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

using namespace qelvo;
using qelvo::testing_support::MemoryRegistry;
using qelvo::testing_support::MessageRecorder;
using qelvo::testing_support::TempDir;

namespace {

TextSpan Span(const char* line) {
    return TextSpan{line, std::strlen(line)};
}

struct LineCase {
    QuickSearchKind kind;
    const char* name;
    const char* line;
    const char* result; // null: no match; for methods the result text
};

const LineCase kLines[] = {
    {kSearchFunction, "open", "void reopen(int)", nullptr},
    {kSearchFunction, "open", "int open(char *p)", ""},
    {kSearchFunction, "open", "int open(char *p);", nullptr},
    {kSearchFunction, "open", "int opener(char *p)", nullptr},
    {kSearchFunction, "open", "  int open(char *p)", nullptr},
    {kSearchFunction, "open", "// open(x)", nullptr},
    {kSearchFunction, "open", "#define open(x)", nullptr},
    {kSearchFunction, "open", "int f(open)", nullptr},
    {kSearchFunction, "open", "int open", nullptr},
    {kSearchFunction, "open", "\xe9open(int)", nullptr}, // 128 and above: a blank
    {kSearchFunction, "open", "int \xe9open(int)", ""},  // ... and a separator
    {kSearchFunction, "open", "void reopen(int); int open(int)", nullptr},
    {kSearchClass, "View", "class View : public Base {", ""},
    {kSearchClass, "View", "class View;", nullptr},
    {kSearchClass, "View", "class View", ""},
    {kSearchClass, "View", "classy View {", nullptr},
    {kSearchClass, "View", " class View {", nullptr},
    {kSearchClass, "View", "class ViewPort {", nullptr},
    {kSearchClass, "View", "struct View {", nullptr},
    {kSearchMethod, "draw", "void Circle::draw() {", "Circle::draw"},
    {kSearchMethod, "draw", "void draw() {", nullptr},
    {kSearchMethod, "draw", "void Circle::draw();", nullptr},
    {kSearchMethod, "draw", "void Circle::redraw() {", nullptr},
    {kSearchMethod, "draw", "int Shape::Circle::draw(int)", "Shape::Circle::draw"},
    {kSearchMethod, "draw", "void ::draw()", "::draw"},
    {kSearchMethod, "draw", "void draw(Circle::x)", nullptr},
    {kSearchCross, "count", "    count++;", ""},
    {kSearchCross, "count", "int count;", nullptr},
    {kSearchCross, "count", "\tx = count;", ""},
    {kSearchCross, "count", "    counter++;", nullptr},
    {kSearchCross, "count", "    recount(count);", nullptr}, // only the first occurrence
    {kSearchCross, "count", "\xa0" "count", ""},
    {kSearchCross, "count", "", nullptr},
};

} // namespace

TEST(QuickSearch, LineTests) {
    for (const LineCase& c : kLines) {
        Tableau<QuickResu> results;
        std::string text = c.line;
        SearchText(c.kind, c.name, text.data(), text.size(), "f.cpp", results);
        if (!c.result) {
            EXPECT_EQ(results.count, 0) << c.line;
            continue;
        }
        ASSERT_EQ(results.count, 1) << c.line;
        EXPECT_EQ(results.At(0)->line, 1);
        EXPECT_STREQ(results.At(0)->file.c_str(), "f.cpp");
        const char* expected = c.kind == kSearchMethod ? c.result
                               : c.kind == kSearchCross ? c.line
                                                        : nullptr;
        if (expected) {
            EXPECT_STREQ(results.At(0)->text.c_str(), expected) << c.line;
        }
    }
}

TEST(QuickSearch, WordRuleAtLineEdges) {
    size_t at = 99;
    EXPECT_TRUE(FindWord(Span("count"), "count", 5, at));
    EXPECT_EQ(at, 0u);
    EXPECT_FALSE(FindWord(Span("count_"), "count", 5, at));
    EXPECT_FALSE(FindWord(Span("coun"), "count", 5, at));
    EXPECT_FALSE(FindWord(Span("x"), "", 0, at));
    EXPECT_TRUE(IsSeparator('\0'));
    EXPECT_TRUE(IsSeparator('\x80'));
    EXPECT_FALSE(IsSeparator('_'));
}

TEST(QuickSearch, LineNumbersAndEndsAndFirstMatchOnly) {
    const char text[] = "int a;\r\nint open(int)\n\nint open(long)";
    Tableau<QuickResu> results;
    EXPECT_FALSE(SearchText(kSearchFunction, "open", text, sizeof text - 1, "f", results));
    ASSERT_EQ(results.count, 1);
    EXPECT_EQ(results.At(0)->line, 2);
    const char body[] = "f()\n{\n  open(1);\0  open(2);\r  x;";
    Tableau<QuickResu> cross;
    EXPECT_TRUE(SearchText(kSearchCross, "open", body, sizeof body - 1, "f", cross));
    ASSERT_EQ(cross.count, 2);
    EXPECT_EQ(cross.At(0)->line, 3);
    EXPECT_EQ(cross.At(1)->line, 4);
    EXPECT_STREQ(cross.At(1)->text.c_str(), "  open(2);");
}

// Lines of every kind of end, long enough for the line count's blocks, CR LF pairs across
// block edges: each indented line holding the word is found with its number and its text.
TEST(QuickSearch, CrossReferenceNumbersEveryLineEnd) {
    const std::string kEnds[] = {"\r\n", "\n", "\r", std::string(1, '\0')};
    std::string text;
    std::vector<std::pair<int, std::string>> expected;
    for (int number = 1; number <= 400; ++number) {
        std::string line;
        switch (number % 7) {
        case 0: line = "  total += " + std::to_string(number) + ";"; break;
        case 1: line = "total = 0;"; break;                  // not indented
        case 2: line = "\tsubtotal(total);"; break;          // first place inside a word
        case 3: line = std::string(number % 61, ' ') + "x = total"; break;
        case 4: line = ""; break;
        default: line = "  int x" + std::string(number % 13, 'y') + ";"; break;
        }
        if (number % 7 == 0 || (number % 7 == 3 && line[0] == ' '))
            expected.push_back({number, line});
        text += line;
        // An empty line after a CR ends with a NUL: its LF would pair with that CR.
        const bool afterCr = line.empty() && !text.empty() && text.back() == '\r';
        text += kEnds[afterCr ? 3 : number * 5 % 4];
    }
    Tableau<QuickResu> results;
    EXPECT_TRUE(SearchText(kSearchCross, "total", text.data(), text.size(), "f", results));
    ASSERT_EQ(results.count, static_cast<int>(expected.size()));
    for (int i = 0; i < results.count; ++i) {
        EXPECT_EQ(results.At(i)->line, expected[i].first);
        EXPECT_EQ(std::string(results.At(i)->text.c_str()), expected[i].second);
    }
}

TEST(QuickSearch, PatternsOfEachKind) {
    EXPECT_STREQ(SearchPatterns(kSearchClass, "*.cpp", "*.h").c_str(), "*.h;*.cpp");
    EXPECT_STREQ(SearchPatterns(kSearchClass, "*.cpp", "").c_str(), "*.cpp");
    EXPECT_STREQ(SearchPatterns(kSearchClass, "", "*.h").c_str(), "*.h");
    EXPECT_STREQ(SearchPatterns(kSearchFunction, "*.cpp", "*.h").c_str(), "*.cpp");
    EXPECT_STREQ(SearchPatterns(kSearchCross, "*.cpp", "*.h").c_str(), "*.cpp");
}

namespace {

struct Tree {
    TempDir dir;
    Tree() {
        platform::MakeDirectory(dir.File("sub").c_str());
        platform::MakeDirectory(dir.File(".hidden").c_str());
        dir.Write("a.cpp", "void Circle::draw() {\n    count++;\n}\n");
        dir.Write("b.cpp", "void Square::draw() {\n}\nint count;\n");
        dir.Write("a.h", "class View : public Base {\n");
        dir.Write("sub\\c.cpp", "int open(char *p)\n{\n    count = 0;\n}\n");
        dir.Write(".hidden\\d.cpp", "int open(int)\n");
    }
    std::vector<std::string> Run(QuickSearchKind kind, const char* name, bool recurse,
                                 const char* patterns = "*.cpp;*.cc;*.c") {
        QuickSearch search;
        search.kind = kind;
        search.name = name;
        std::string directories = dir.path() + ";" + dir.path() + "\\sub";
        search.directories = directories.c_str();
        search.patterns = patterns;
        search.recurse = recurse;
        search.read = [](const char* path) {
            SourceText text;
            ReadDiskText(path, text);
            return text;
        };
        Tableau<QuickResu> results;
        RunQuickSearch(search, results);
        std::vector<std::string> out;
        size_t root = dir.path().size() + 1;
        for (int i = 0; i < results.count; ++i)
            out.push_back(std::string(results.At(i)->file.c_str()).substr(root) + ":" +
                          std::to_string(results.At(i)->line) + ":" +
                          results.At(i)->text.c_str());
        return out;
    }
};

using Found = std::vector<std::string>;

} // namespace

TEST(QuickSearch, WalkOrderRecurseAndStops) {
    Tree tree;
    // Two classes' draw, in listing order.
    EXPECT_EQ(tree.Run(kSearchMethod, "draw", false),
              (Found{"a.cpp:1:Circle::draw", "b.cpp:1:Square::draw"}));
    // Cross reference: the indented lines only; the sub-directory once by recursion, once
    // as the second directory; never below a directory starting with '.'.
    EXPECT_EQ(tree.Run(kSearchCross, "count", true),
              (Found{"a.cpp:2:    count++;", "sub\\c.cpp:3:    count = 0;",
                     "sub\\c.cpp:3:    count = 0;"}));
    // Recurse off: only the listed directories themselves.
    EXPECT_EQ(tree.Run(kSearchCross, "count", false),
              (Found{"a.cpp:2:    count++;", "sub\\c.cpp:3:    count = 0;"}));
    // Functions end at the first file.
    EXPECT_EQ(tree.Run(kSearchFunction, "open", true), (Found{"sub\\c.cpp:1:int open(char *p)"}));
    EXPECT_EQ(tree.Run(kSearchClass, "View", false, "*.h;*.cpp"), (Found{"a.h:1:class View : public Base {"}));
    EXPECT_EQ(tree.Run(kSearchFunction, "nothing", true), Found{});
}

TEST(QuickSearch, HistoryOfTwentyMostRecentFirst) {
    Tableau<String> history;
    for (int i = 0; i < 20; ++i)
        EnterHistory(history, ("n" + std::to_string(i)).c_str());
    ASSERT_EQ(history.count, 20);
    EXPECT_STREQ(history.At(0)->c_str(), "n19");
    EnterHistory(history, "new");
    ASSERT_EQ(history.count, 20);
    EXPECT_STREQ(history.At(0)->c_str(), "new");
    EXPECT_STREQ(history.At(19)->c_str(), "n1"); // n0 dropped
    EnterHistory(history, "n10");
    ASSERT_EQ(history.count, 20);
    EXPECT_STREQ(history.At(0)->c_str(), "n10");
    EXPECT_STREQ(history.At(1)->c_str(), "new");
    EXPECT_STREQ(history.At(19)->c_str(), "n1");
    EnterHistory(history, "");
    EXPECT_EQ(history.count, 20);
}

TEST(QuickFind, SettingsDefaultsAndWriteOrder) {
    MemoryRegistry registry;
    {
        QuickFind find(nullptr);
        EXPECT_STREQ(find.settings.functionMask.c_str(), "*.cpp;*.cc;*.c");
        EXPECT_STREQ(find.settings.includeMask.c_str(), "*.h;*.rh");
        EXPECT_EQ(find.settings.recurse, 1);
        EXPECT_EQ(find.settings.leftSide, 1);
        for (int i = 0; i < kFindKinds; ++i) {
            EXPECT_EQ(find.settings.keys[i], 0);
            EXPECT_STREQ(find.settings.keyTexts[i].c_str(), "???");
        }
    }
    std::vector<std::string> written;
    for (const std::string& key : registry.writeLog)
        written.push_back(key.substr(key.find('|') + 1));
    EXPECT_EQ(written, (std::vector<std::string>{"FunctionMask", "IncludeMask", "TxtFunction",
                                                 "TxtMethod", "TxtClass", "TxtCross", "Recurse",
                                                 "LeftSide", "KeyFunction", "KeyMethod",
                                                 "KeyClass", "KeyCross"}));
}

TEST(QuickFind, NotFoundTextsAndTones) {
    MemoryRegistry registry;
    MessageRecorder recorder;
    QuickFind find(nullptr);
    find.settings.functionMask = "*.none";
    find.settings.includeMask = "*.none";
    find.settings.recurse = 0;
    String file;
    int line = 0;
    EXPECT_FALSE(find.FindFunction("zz", "", file, line));
    EXPECT_FALSE(find.FindClass("zz", "", file, line));
    EXPECT_FALSE(find.FindMethod("zz", ""));
    EXPECT_FALSE(find.CrossReference("zz", ""));
    // One tone for function and class, two for method and cross reference.
    EXPECT_EQ(recorder.tones.size(), 6u);
    for (auto& tone : recorder.tones)
        EXPECT_EQ(tone, (std::pair<unsigned, unsigned>(220, 500)));
    EXPECT_STREQ(SearchingText("zz").c_str(), "Searching zz ...");
    EXPECT_STREQ(kNotFoundTexts[kFindFunction], "Sorry, cannot find function...");
    EXPECT_STREQ(kNotFoundTexts[kFindClass], "Sorry, cannot find class ...");
    EXPECT_STREQ(kNotFoundTexts[kFindMethod], "Sorry, cannot find method ...");
    EXPECT_STREQ(kNotFoundTexts[kFindCross], "Sorry, cannot cross reference ...");
}

TEST(QuickFind, CrossReferenceHeader) {
    EXPECT_STREQ(CrossHeaderText("Borland C++ -  APP", "count", "12/7/2026", "7:56:46 PM", 3)
                     .c_str(),
                 "APP : cross reference \"count\"  (12/7/2026 , 7:56:46 PM) : 3 founds");
    // Without a '-' the caption gives nothing; one result takes no "s"; only the part after
    // the first '-' counts.
    EXPECT_STREQ(CrossHeaderText("IDE", "n", "d", "t", 1).c_str(),
                 " : cross reference \"n\"  (d , t) : 1 found");
    EXPECT_STREQ(CrossHeaderText("A - B - C", "n", "d", "t", 2).c_str(),
                 "B - C : cross reference \"n\"  (d , t) : 2 founds");
}
