// The keyword store: the keyword-file format, the completion rule and its limits, extraction,
// the settings and the file list.
#include "completion/keyword_completion.h"
#include "foundation/settings.h"
#include "memory_registry.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qelvo;
using qelvo::testing_support::MemoryRegistry;
using qelvo::testing_support::TempDir;

namespace {

struct Store {
    MemoryRegistry registry;
    TempDir dir;
    KeywordStore store;
    // Loads the bytes as a keyword file and sorts.
    explicit Store(const std::string& bytes = std::string()) {
        if (!bytes.empty()) Load(bytes);
    }
    void Load(const std::string& bytes, const char* name = "k.kwd") {
        EXPECT_TRUE(store.LoadKeywordFile(dir.Write(name, bytes).c_str()));
        store.SortKeywords();
    }
    std::vector<std::string> Keywords() const {
        std::vector<std::string> all;
        for (int i = 0; i < store.keywords.count; ++i)
            all.push_back(store.keywords.At(i)->keyword.c_str());
        return all;
    }
};

struct Completed {
    int result;
    std::string insert, message;
};

// Keyword files are written in text mode: CR LF on Windows.
std::string Lf(std::string text) {
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.erase(at, 1);
    return text;
}

Completed Complete(KeywordStore& store, const std::string& prefix) {
    char out[kMaxInsert + 1];
    int r = store.CompleteWord(prefix.c_str(), out);
    return {r, out, r ? store.message : ""};
}

} // namespace

TEST(KeywordFile, LinesGiveKeywordsAndHelps) {
    Store s("[Section]\r\n"
            "\n"
            "#define\r\n"
            "/slash\n"
            "min|int %s(int a, int b)\r\n"
            "pipe|a|b\n"
            "trail \t\x01\x80\xff\n"
            "dup|first\n"
            "dup|second\n"
            "last");
    EXPECT_EQ(s.Keywords(), (std::vector<std::string>{"#define", "/slash", "dup", "dup", "last",
                                                      "min", "pipe", "trail "}));
    const MeT* min = s.store.keywords.At(5);
    ASSERT_NE(min->help, nullptr);
    EXPECT_STREQ(min->help->c_str(), "int %s(int a, int b)");
    EXPECT_STREQ(s.store.keywords.At(6)->help->c_str(), "a|b") << "split at the first '|'";
    EXPECT_EQ(s.store.keywords.At(0)->help, nullptr) << "no '|': no help";
    EXPECT_STREQ(s.store.keywords.At(2)->help->c_str(), "first") << "duplicates keep file order";
    EXPECT_STREQ(s.store.keywords.At(3)->help->c_str(), "second");
}

TEST(KeywordFile, LongLinesAreReadInPiecesOf398Bytes) {
    Store s(std::string(398, 'a') + std::string(10, 'b') + "\n");
    EXPECT_EQ(s.Keywords(), (std::vector<std::string>{std::string(398, 'a'), "bbbbbbbbbb"}));
}

TEST(KeywordFile, UnreadableOrBinaryFilesGiveWhatTheyCan) {
    Store s;
    EXPECT_FALSE(s.store.LoadKeywordFile(s.dir.File("missing.kwd").c_str()));
    EXPECT_EQ(s.store.keywords.count, 0);
    s.Load(std::string("ab\0cd\nef\n", 9));
    EXPECT_EQ(s.Keywords(), (std::vector<std::string>{"ab", "ef"})) << "a NUL ends its line";
}

// The completion rule on one table, typed word by typed word.
TEST(CompleteWord, CandidatesRemaindersAndMessages) {
    Store s("CreateWindowEx\nCreateWindow\nalpha\nAlpha\nmin|int %s(int a, int b)\nzeta\n");
    const std::string both = "Possible :CreateWindow, CreateWindowEx";
    const struct {
        const char* typed;
        Completed expected;
    } cases[] = {
        {"CreateW", {2, "indow", both}},
        {"CreateWindow", {2, "", both}},
        {"CreateWindowE", {1, "x", "Completion complete"}},
        {"a", {1, "lpha", "Completion complete"}},
        {"A", {1, "lpha", "Completion complete"}},
        {"min", {1, "", "Completion complete"}},
        {"Cre", {2, "ateWindow", both}},
        {"b", {0, "", ""}},
        {"zz", {0, "", ""}},
        {"0", {0, "", ""}},
        {"", {2, "", "Possible :Alpha, CreateWindow, CreateWindowEx, alpha, min, zeta"}},
    };
    for (const auto& c : cases) {
        Completed got = Complete(s.store, c.typed);
        EXPECT_EQ(got.result, c.expected.result) << c.typed;
        EXPECT_EQ(got.insert, c.expected.insert) << c.typed;
        EXPECT_EQ(got.message, c.expected.message) << c.typed;
    }
    Complete(s.store, "a");
    EXPECT_EQ(s.store.matchIndex, 3) << "alpha, after the upper-case keywords";
    Complete(s.store, "q");
    EXPECT_EQ(s.store.matchIndex, -1);
}

TEST(CompleteWord, EmptyTableHasNoCandidate) {
    Store s;
    EXPECT_EQ(Complete(s.store, "a").result, 0);
    EXPECT_EQ(s.store.matchIndex, -1);
}

TEST(CompleteWord, LimitsOfTheInsertAndTheMessage) {
    // A 250-byte keyword: its remainder is cut at 199 characters.
    Store s("a" + std::string(249, 'b') + "\n");
    EXPECT_EQ(Complete(s.store, "a").insert, std::string(199, 'b'));
    // 120 candidates of 10 bytes: "Possible :" (10) + 10 + 84 * 12 = 1028 > 1023, so 84 fit.
    std::string lines;
    for (int i = 0; i < 120; ++i)
        lines += "k" + std::string(6, 'x') + std::to_string(100 + i) + "\n";
    Store many(lines);
    Completed got = Complete(many.store, "k");
    EXPECT_EQ(got.result, 2);
    EXPECT_EQ(got.insert, "xxxxxx");
    EXPECT_EQ(got.message.size(), 10u + 10 + 83 * 12);
    EXPECT_EQ(got.message.substr(got.message.size() - 10), "kxxxxxx183");
}

TEST(FormatHelp, FirstPercentSIsTheKeywordTheRestIsText) {
    const struct {
        const char* help;
        const char* shown;
    } cases[] = {
        {"int %s(int a, int b)", "int min(int a, int b)"},
        {"%s%s", "min%s"},
        {"%n %d %x %%", "%n %d %x %%"},
        {"no conversion", "no conversion"},
        {"trailing %", "trailing %"},
    };
    for (const auto& c : cases) {
        char out[kMaxHelpShown + 1];
        FormatHelp(c.help, "min", out);
        EXPECT_STREQ(out, c.shown) << c.help;
    }
    char out[kMaxHelpShown + 1];
    FormatHelp((std::string(290, 'h') + "%s tail").c_str(), "keyword", out);
    EXPECT_EQ(std::string(out), std::string(290, 'h') + "keyword t");
    EXPECT_EQ(std::string(out).size(), 299u);
}

TEST(Separators, OnlyLettersDigitsAndUnderscoreMakeWords) {
    for (int c = 0; c < 256; ++c) {
        bool word = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '_';
        EXPECT_EQ(IsWordSeparator(static_cast<unsigned char>(c)), !word) << c;
    }
}

TEST(Extraction, ClassOnceThenItsMethodsThenFunctions) {
    Store s;
    String path = s.dir.Write("a.cpp", "// a.cpp\n"
                                       "#include <x.h>\n"
                                       "void A::f() {\n"
                                       "void A::g()\n"
                                       "int h()\n"
                                       "  int indented()\n"
                                       "int declared();\n"
                                       "int x; int k(int) \n"
                                       "static char *B::m(char) const  \n"
                                       "void B::~B()\n"
                                       "void *f2(\n"
                                       "::scoped()\n")
                      .c_str();
    ASSERT_EQ(s.store.ExtractKeywords(path), 1);
    EXPECT_EQ(std::string(path.c_str()), s.dir.File("a.kwd"));
    EXPECT_EQ(Lf(s.dir.Read("a.kwd")), "A\nf\ng\nh\nk\nB\nm\n~B\nf2\n");
#ifdef _WIN32
    EXPECT_EQ(s.dir.Read("a.kwd").substr(0, 6), "A\r\nf\r\n");
#endif
    EXPECT_STREQ(s.store.lastClass, "B");
}

TEST(Extraction, PathsAndFailures) {
    Store s;
    s.dir.Write("Makefile", "int f()\n");
    String path = s.dir.File("Makefile").c_str();
    ASSERT_EQ(s.store.ExtractKeywords(path), 1) << "no extension: \".kwd\" is appended";
    EXPECT_EQ(std::string(path.c_str()), s.dir.File("Makefile.kwd"));
    EXPECT_EQ(Lf(s.dir.Read("Makefile.kwd")), "f\n");

    String missing = s.dir.File("missing.cpp").c_str();
    EXPECT_EQ(s.store.ExtractKeywords(missing), 0);
    EXPECT_EQ(std::string(missing.c_str()), s.dir.File("missing.cpp")) << "path left alone";

    // A keyword file extracted from itself would be truncated before it is read.
    String self = s.dir.Write("words.KWD", "int f()\n").c_str();
    EXPECT_EQ(s.store.ExtractKeywords(self), 0);
    EXPECT_EQ(s.dir.Read("words.KWD"), "int f()\n");
}

TEST(Extraction, LongClassNamesAreCutAt199Characters) {
    Store s;
    std::string longClass(300, 'C');
    String path = s.dir.Write("c.cpp", "void " + longClass + "::f()\nvoid " + longClass + "::g()\n")
                      .c_str();
    ASSERT_EQ(s.store.ExtractKeywords(path), 1);
    EXPECT_EQ(Lf(s.dir.Read("c.kwd")), std::string(199, 'C') + "\nf\ng\n");
}

TEST(KeywordStoreSettings, FilesLoadedInListOrderAndWrittenBack) {
    MemoryRegistry registry;
    TempDir dir;
    WriteInt("Completion", "NbFiles", 4);
    WriteText("Completion\\Files", "Entry0", dir.Write("one.kwd", "zeta\nbeta\n").c_str());
    WriteText("Completion\\Files", "Entry1", "not found");
    WriteText("Completion\\Files", "Entry2", dir.File("missing.kwd").c_str());
    WriteText("Completion\\Files", "Entry3", dir.Write("two.kwd", "alpha\n").c_str());
    WriteText("Completion\\Files", "Entry7", "left alone");
    WriteText("Completion", "KeyCode", "5114");
    {
        KeywordStore store;
        EXPECT_EQ(store.settings.keyCode, 5114);
        EXPECT_EQ(store.settings.enabled, 1);
        ASSERT_EQ(store.files.count, 3) << "\"not found\" skipped, the missing file kept";
        EXPECT_STREQ(store.files.At(1)->c_str(), dir.File("missing.kwd").c_str());
        ASSERT_EQ(store.keywords.count, 3);
        EXPECT_STREQ(store.keywords.At(0)->keyword.c_str(), "alpha") << "sorted";
        store.ClearKeywords();
        store.AddKeywordFile(dir.File("two.kwd").c_str());
        store.SortKeywords();
        EXPECT_EQ(store.keywords.count, 1);
    }
    auto value = [](const char* group, const char* name) {
        String text;
        ReadText(group, name, text, "");
        return std::string(text.c_str());
    };
    EXPECT_EQ(value("Completion", "NbFiles"), "1");
    EXPECT_EQ(value("Completion\\Files", "Entry0"), dir.File("two.kwd"));
    EXPECT_EQ(value("Completion\\Files", "Entry3"), dir.File("two.kwd")) << "beyond: as it was";
    EXPECT_EQ(value("Completion", "TextCode"), "???");
    EXPECT_EQ(value("Completion", "KeyCode"), "5114");
}
