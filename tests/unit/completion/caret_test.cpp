// The completion key's action in an editor, through the IDE's EditorService: the word before
// the caret, the text inserted, the caret moved, the status texts, the help on a second press.
#include "addon_parts.h"
#include "completion/keyword_completion.h"
#include "core/editor_access.h"
#include "memory_registry.h"
#include "stand_in_ide.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace qelvo;
using namespace qelvo::ide;
using namespace qelvo::testing_support;

namespace {

// One view of "C:\SRC\MAIN.CPP" holding one line.
struct OneLineEditor : IUnknownImp<EditorService> {
    void QELVO_IDECALL BeginAccess() override { calls.push_back("begin"); }
    void QELVO_IDECALL EndAccess() override { calls.push_back("end"); }
    void QELVO_IDECALL Update() override { calls.push_back("update"); }
    void QELVO_IDECALL ScrollToLine(int32_t) override {}
    IdeView QELVO_IDECALL FindView(HostString* name) override {
        std::string text = name ? name->GetText() : "(null)";
        if (name) name->Release();
        calls.push_back("find " + text);
        return text == "C:\\SRC\\MAIN.CPP" ? 5 : 0;
    }
    int32_t QELVO_IDECALL ViewKind(IdeView) override { return kViewIsEditor; }
    HostString* QELVO_IDECALL ViewFileName(IdeView) override { return nullptr; }
    void QELVO_IDECALL CaretPosition(int32_t* l, int32_t* c) override {
        *l = 3;
        *c = column;
    }
    void QELVO_IDECALL InsertText(HostString* text) override {
        line.insert(static_cast<size_t>(column - 1), text->GetText());
        text->Release();
    }
    void QELVO_IDECALL SetCaret(int32_t l, int32_t c) override {
        calls.push_back("caret " + std::to_string(l) + "," + std::to_string(c));
        column = c;
    }
    IdeView QELVO_IDECALL NextView(IdeView) override { return 0; }
    HostString* QELVO_IDECALL CaretLineText(int32_t maxChars) override {
        calls.push_back("text " + std::to_string(maxChars));
        return MakeText(line.substr(0, static_cast<size_t>(maxChars)));
    }
    IdeBool QELVO_IDECALL SaveView(IdeView) override { return 1; }
    void QELVO_IDECALL SelectView(IdeView view) override {
        calls.push_back("select " + std::to_string(view));
    }
    void QELVO_IDECALL GotoLine(int32_t, int32_t) override {}

    HostString* MakeText(const std::string& text) {
        return MakeHostString(ide->Services(), text.c_str());
    }
    host::StandInIde* ide = nullptr;
    std::string line;
    int32_t column = 1;
    std::vector<std::string> calls;
};

class CompletionKey : public ::testing::Test {
protected:
    void SetUp() override {
        editor->ide = &ide;
        ide.SetEditorService(editor);
        parts.reset(new AddonParts(kPartCompletion | kPartEditorAccess | kPartStatus,
                                   ide.Services()));
        ASSERT_TRUE(Completion && Editors);
        Completion->AddKeywordFile(dir.Write("w.kwd", "CreateWindow\nCreateWindowEx\nalpha\n"
                                                      "Alpha\nmin|int %s(int a, int b)\n")
                                       .c_str());
        Completion->SortKeywords();
    }
    void TearDown() override {
        parts.reset();
        ide.SetEditorService(nullptr);
        editor->Release();
    }
    // Types the line, the caret at its end (or at column), and presses the key.
    void Press(const std::string& line, int column = 0) {
        editor->line = line;
        editor->column = column ? column : static_cast<int32_t>(line.size()) + 1;
        Again();
    }
    // The captions of a second view and of a modified file name the same file.
    void Again() {
        editor->calls.clear();
        Completion->CompleteAtCaret(*Editors, ++presses % 2 ? "C:\\SRC\\MAIN.CPP:2" : "C:\\SRC\\MAIN.CPP *");
    }
    int presses = 0;
    std::string LastStatus() {
        const std::vector<std::string>& log = ide.Frame().StatusLog();
        return log.empty() ? "(none)" : log.back();
    }
    size_t StatusCount() { return ide.Frame().StatusLog().size(); }

    MemoryRegistry registry;
    TempDir dir;
    host::StandInIde ide;
    OneLineEditor* editor = new OneLineEditor;
    std::unique_ptr<AddonParts> parts;
};

} // namespace

TEST_F(CompletionKey, InsertsMovesTheCaretAndTellsTheCandidates) {
    Press("  x = CreateW");
    EXPECT_EQ(editor->line, "  x = CreateWindow");
    EXPECT_EQ(editor->column, 19);
    EXPECT_EQ(LastStatus(), "Possible :CreateWindow, CreateWindowEx");
    EXPECT_EQ(editor->calls,
              (std::vector<std::string>{"find C:\\SRC\\MAIN.CPP", "begin", "select 5", "update",
                                        "text 13", "caret 3,14", "caret 3,19", "end"}));
    // Pressed again: nothing to add, the same list (CreateWindow has no help).
    Again();
    EXPECT_EQ(editor->line, "  x = CreateWindow");
    EXPECT_EQ(LastStatus(), "Possible :CreateWindow, CreateWindowEx");

    Press("CreateWindowE");
    EXPECT_EQ(editor->line, "CreateWindowEx");
    EXPECT_EQ(LastStatus(), "Completion done");
    Press("y=x.Cre");
    EXPECT_EQ(editor->line, "y=x.CreateWindow") << "'.' separates";
    Press("a");
    EXPECT_EQ(editor->line, "alpha") << "case-sensitive";
    Press("zz");
    EXPECT_EQ(editor->line, "zz");
    EXPECT_EQ(LastStatus(), "No available completion");
}

TEST_F(CompletionKey, ACompleteKeywordShowsItsHelpOnTheSecondPress) {
    Press("min");
    EXPECT_EQ(editor->line, "min");
    EXPECT_EQ(LastStatus(), "Completion complete");
    Again();
    EXPECT_EQ(LastStatus(), "int min(int a, int b)");
    Again();
    EXPECT_EQ(LastStatus(), "int min(int a, int b)");
    // Another completion in between: the help comes again only on a second press.
    Press("CreateWindowE");
    Press("min");
    EXPECT_EQ(LastStatus(), "Completion complete");
}

TEST_F(CompletionKey, NothingHappensWithoutAWordOrAView) {
    const struct {
        const char* line;
        int column;
    } cases[] = {{"min", 1}, {"min ", 0}, {"x.", 0}, {"", 0}};
    for (const auto& c : cases) {
        size_t before = StatusCount();
        Press(c.line, c.column);
        EXPECT_EQ(editor->line, c.line);
        EXPECT_EQ(StatusCount(), before) << "no status for \"" << c.line << "\"";
        EXPECT_EQ(editor->calls.back(), "end");
    }
    // A word of 100 bytes is not completed; one of 99 is.
    Completion->AddKeywordFile(
        dir.Write("long.kwd", std::string(99, 'q') + "z\n" + std::string(100, 'r') + "z\n").c_str());
    Completion->SortKeywords();
    Press(std::string(100, 'r'));
    EXPECT_EQ(editor->line, std::string(100, 'r'));
    Press(std::string(99, 'q'));
    EXPECT_EQ(editor->line, std::string(99, 'q') + "z");
    // Another file's editor: nothing at all.
    editor->calls.clear();
    size_t before = StatusCount();
    Completion->CompleteAtCaret(*Editors, "C:\\SRC\\OTHER.CPP");
    EXPECT_EQ(editor->calls, std::vector<std::string>{"find C:\\SRC\\OTHER.CPP"});
    EXPECT_EQ(StatusCount(), before);
}
