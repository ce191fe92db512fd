// Going to a line through the IDE's EditorService: the calls and their order.
#include "core/editor_access.h"
#include "stand_in_ide.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qelvo;
using namespace qelvo::ide;

namespace {

struct RecordingEditor : IUnknownImp<EditorService> {
    void QELVO_IDECALL BeginAccess() override { log.push_back("begin"); }
    void QELVO_IDECALL EndAccess() override { log.push_back("end"); }
    void QELVO_IDECALL Update() override { log.push_back("update"); }
    void QELVO_IDECALL ScrollToLine(int32_t line) override {
        log.push_back("scroll " + std::to_string(line));
    }
    IdeView QELVO_IDECALL FindView(HostString* name) override {
        std::string text = name ? name->GetText() : "";
        if (name) name->Release();
        log.push_back("find " + text);
        return text == "C:\\APP\\MAIN.CPP" ? 7 : 0;
    }
    int32_t QELVO_IDECALL ViewKind(IdeView) override { return kViewIsEditor; }
    HostString* QELVO_IDECALL ViewFileName(IdeView) override { return nullptr; }
    void QELVO_IDECALL CaretPosition(int32_t*, int32_t*) override {}
    void QELVO_IDECALL InsertText(HostString* text) override {
        if (text) text->Release();
    }
    void QELVO_IDECALL SetCaret(int32_t, int32_t) override {}
    IdeView QELVO_IDECALL NextView(IdeView) override { return 0; }
    HostString* QELVO_IDECALL CaretLineText(int32_t) override { return nullptr; }
    IdeBool QELVO_IDECALL SaveView(IdeView) override { return 1; }
    void QELVO_IDECALL SelectView(IdeView view) override {
        log.push_back("select " + std::to_string(view));
    }
    void QELVO_IDECALL GotoLine(int32_t line, int32_t column) override {
        log.push_back("goto " + std::to_string(line) + "," + std::to_string(column));
    }
    std::vector<std::string> log;
};

} // namespace

TEST(EditorAccess, GoesToColumnOneThenShowsTheLine) {
    host::StandInIde ide;
    RecordingEditor* editor = new RecordingEditor;
    ide.SetEditorService(editor);
    {
        EditorAccess access(ide.Services());
        access.GotoLine("C:\\APP\\MAIN.CPP", 12);
        std::vector<std::string> expected = {"find C:\\APP\\MAIN.CPP",
                                             "begin",
                                             "select 7",
                                             "goto 12,1",
                                             "scroll 13",
                                             "update",
                                             "end"};
        EXPECT_EQ(editor->log, expected);

        editor->log.clear();
        access.GotoLine("C:\\APP\\OTHER.CPP", 3);
        EXPECT_EQ(editor->log, std::vector<std::string>{"find C:\\APP\\OTHER.CPP"})
            << "no view: nothing else";
    }
    EXPECT_EQ(editor->RefCount(), 1u) << "the access released the service";
    ide.SetEditorService(nullptr);
    editor->Release();
}

TEST(EditorAccess, WithoutTheServiceNothingHappens) {
    host::StandInIde ide;
    EditorAccess access(ide.Services());
    EXPECT_EQ(access.Service(), nullptr);
    access.GotoLine("C:\\APP\\MAIN.CPP", 1);
}
