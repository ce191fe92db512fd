// The EditorService on the stand-in's real editors, used through the IDE's interface as the
// add-on uses it, and the file reader delivering an open editor's unsaved buffer.
#include "edit_control.h"
#include "ide_session.h"
#include "recorders.h"

#include <gtest/gtest.h>

namespace qelvo {
namespace host {
namespace {

using testing_support::Text;

class EditorServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor = ide::QueryService<ide::EditorService>(session.ide.Services());
        ASSERT_TRUE(editor);
    }
    void TearDown() override {
        if (editor) editor->Release();
        EXPECT_EQ(session.frame.Editors().RefCount(), 1u) << "every reference came back";
        EXPECT_EQ(session.frame.Editors().AccessDepth(), 0);
    }
    HWND Edit(HWND editor) { return ChildOfClass(editor, "EditWindClass"); }
    // A file of numbered lines, "line 1" to "line n".
    std::string LongFile(int lines) {
        std::string text;
        for (int i = 1; i <= lines; ++i)
            text += "line " + std::to_string(i) + "\n";
        return session.dir.Write("long.txt", text);
    }
    ide::IdeView Find(const std::string& name) { return editor->FindView(session.Str(name)); }

    IdeSession session;
    ide::EditorService* editor = nullptr;
};

TEST_F(EditorServiceTest, ViewsFollowInOpeningOrderAndAreFoundByFileName) {
    EXPECT_EQ(editor->FindView(nullptr), 0u);
    const std::string a = session.File("src\\main.cpp"), b = session.File("src\\util.cpp");
    HWND a1 = session.frame.OpenEditor(a);
    session.frame.OpenEditor(b);
    HWND a2 = session.frame.OpenEditor(a);
    ide::IdeView first = editor->FindView(nullptr);
    ASSERT_NE(first, 0u);
    ide::IdeView second = editor->NextView(first), third = editor->NextView(second);
    EXPECT_EQ(editor->NextView(third), first);
    EXPECT_EQ(Text(editor->ViewFileName(first)), a);
    EXPECT_EQ(Text(editor->ViewFileName(second)), b);
    EXPECT_EQ(Text(editor->ViewFileName(third)), a);
    for (ide::IdeView view : {first, second, third})
        EXPECT_EQ(editor->ViewKind(view), ide::kViewIsEditor);

    // By name, letter case and '/' aside: the active view when it shows the file, else the
    // file's first view.
    std::string other = a;
    for (char& c : other)
        c = c == '\\' ? '/' : static_cast<char>(toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(Find(other), third);
    SendMessageA(session.frame.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a1), 0);
    EXPECT_EQ(Find(a), first);
    SendMessageA(session.frame.MdiClient(), WM_MDIACTIVATE,
                 reinterpret_cast<WPARAM>(session.frame.Editors().ViewOfWindow(a2)->window), 0);
    EXPECT_EQ(Find(b), second);
    EXPECT_EQ(Find(session.File("src\\canvas.cpp")), 0u);

    // Views that are gone name nothing.
    SendMessageA(a2, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(editor->ViewKind(third), 0);
    EXPECT_EQ(editor->NextView(third), 0u);
    EXPECT_EQ(Text(editor->ViewFileName(third)), "");
    EXPECT_EQ(editor->NextView(second), first);
    EXPECT_EQ(editor->SaveView(third), 0);
}

TEST_F(EditorServiceTest, CaretLineTextInsertAndGoToLineOnTheSelectedView) {
    const std::string main = session.File("src\\main.cpp");
    HWND mainWindow = session.frame.OpenEditor(main);
    session.frame.OpenEditor(session.File("src\\util.cpp"));
    ide::IdeView view = Find(main);
    editor->BeginAccess();
    editor->SelectView(view);
    // Selecting brings the view forward.
    EXPECT_EQ(
        reinterpret_cast<HWND>(SendMessageA(session.frame.MdiClient(), WM_MDIGETACTIVE, 0, 0)),
        mainWindow);
    editor->SetCaret(2, 5);
    int32_t line = 0, column = 0;
    editor->CaretPosition(&line, &column);
    EXPECT_EQ(line, 2);
    EXPECT_EQ(column, 5);
    std::string second = EditLineText(Edit(mainWindow), 2);
    ASSERT_GE(second.size(), 4u);
    EXPECT_EQ(Text(editor->CaretLineText(4)), second.substr(0, 4));
    EXPECT_EQ(Text(editor->CaretLineText(1000)), second);
    EXPECT_EQ(Text(editor->CaretLineText(0)), "");

    // Text goes in at the caret, which ends after it; the view is then modified.
    editor->InsertText(session.Str("abc"));
    EXPECT_EQ(EditLineText(Edit(mainWindow), 2), second.substr(0, 4) + "abc" + second.substr(4));
    editor->CaretPosition(&line, &column);
    EXPECT_EQ(line, 2);
    EXPECT_EQ(column, 8);
    EXPECT_EQ(TextOf(mainWindow), main + " *");

    // Places that do not exist come to the nearest one that does.
    editor->SetCaret(9999, 9999);
    editor->CaretPosition(&line, &column);
    int32_t lines = static_cast<int32_t>(SendMessageA(Edit(mainWindow), EM_GETLINECOUNT, 0, 0));
    EXPECT_EQ(line, lines);
    EXPECT_EQ(column, static_cast<int32_t>(EditLineText(Edit(mainWindow), lines).size()) + 1);
    editor->SetCaret(0, -3);
    editor->CaretPosition(&line, &column);
    EXPECT_EQ(line, 1);
    EXPECT_EQ(column, 1);
    editor->Update();
    editor->EndAccess();
    EXPECT_EQ(session.frame.Editors().UnbalancedEnds(), 0);
}

TEST_F(EditorServiceTest, GoToLineBringsTheLineIntoView) {
    HWND window = session.frame.OpenEditor(LongFile(300));
    HWND edit = Edit(window);
    EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    // The add-on's pair: the caret to (line, 1), then the line after it into view.
    editor->BeginAccess();
    editor->SelectView(editor->FindView(nullptr));
    editor->GotoLine(200, 1);
    editor->ScrollToLine(201);
    editor->Update();
    editor->EndAccess();
    int32_t line = 0, column = 0;
    EditCaret(edit, line, column);
    EXPECT_EQ(line, 200);
    EXPECT_EQ(column, 1);
    EXPECT_EQ(EditLineText(edit, 200), "line 200");
    int first = static_cast<int>(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0)) + 1;
    EXPECT_LE(first, 200);
    EXPECT_GT(first, 150) << "the view moved down to the line";
    // Back up: the line comes in at the top.
    editor->BeginAccess();
    editor->SelectView(editor->FindView(nullptr));
    editor->ScrollToLine(10);
    editor->EndAccess();
    EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0) + 1, 10);
}

TEST_F(EditorServiceTest, WithoutASelectedViewOperationsActOnTheActiveEditor) {
    HWND a = session.frame.OpenEditor(session.File("src\\main.cpp"));
    HWND b = session.frame.OpenEditor(session.File("src\\util.cpp"));
    editor->SetCaret(2, 1);
    int32_t line = 0, column = 0;
    EditCaret(Edit(b), line, column);
    EXPECT_EQ(line, 2);
    EditCaret(Edit(a), line, column);
    EXPECT_EQ(line, 1);
    // A selection lasts until the access ends.
    editor->BeginAccess();
    editor->BeginAccess();
    ide::IdeView first = editor->FindView(nullptr);
    editor->SelectView(first);
    SendMessageA(session.frame.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(b), 0);
    editor->SetCaret(4, 1);
    editor->EndAccess();
    editor->SetCaret(5, 1); // still inside the outer access
    editor->EndAccess();
    EditCaret(Edit(a), line, column);
    EXPECT_EQ(line, 5);
    editor->SetCaret(3, 1); // the access is over: the active editor again
    EditCaret(Edit(b), line, column);
    EXPECT_EQ(line, 3);
    editor->EndAccess();
    EXPECT_EQ(session.frame.Editors().UnbalancedEnds(), 1);

    // No editor at all: nothing happens, positions read 0.
    SendMessageA(a, WM_SYSCOMMAND, SC_CLOSE, 0);
    SendMessageA(b, WM_SYSCOMMAND, SC_CLOSE, 0);
    editor->CaretPosition(&line, &column);
    EXPECT_EQ(line, 0);
    EXPECT_EQ(column, 0);
    editor->InsertText(session.Str("nowhere"));
    EXPECT_EQ(Text(editor->CaretLineText(10)), "");
}

TEST_F(EditorServiceTest, SaveViewWritesChangedBuffersOnly) {
    const std::string util = session.File("src\\util.cpp");
    HWND window = session.frame.OpenEditor(util);
    session.frame.OpenEditor(util);
    ide::IdeView view = editor->FindView(nullptr);
    // Nothing changed: nothing is written (the file is gone and stays gone).
    ASSERT_TRUE(platform::RemoveFile(util.c_str()));
    EXPECT_EQ(editor->SaveView(view), 1);
    EXPECT_EQ(FileBytes(util), "(missing)");

    editor->BeginAccess();
    editor->SelectView(view);
    editor->SetCaret(1, 1);
    editor->InsertText(session.Str("// auto\n"));
    editor->EndAccess();
    EXPECT_EQ(TextOf(window), util + ":1 *");
    EXPECT_EQ(editor->SaveView(editor->NextView(view)), 1) << "any view saves the buffer";
    EXPECT_EQ(TextOf(window), util + ":1");
    std::string saved = FileBytes(util);
    EXPECT_EQ(saved.substr(0, 9), "// auto\r\n");
    EXPECT_EQ(saved, EditText(Edit(window)));

    // A file that cannot be written keeps its mark.
    ASSERT_TRUE(platform::MakeDirectory(session.File("gone").c_str()));
    const std::string lost = session.dir.Write("gone\\lost.txt", "text\n");
    HWND lostWindow = session.frame.OpenEditor(lost);
    SendMessageA(Edit(lostWindow), WM_CHAR, 'x', 1);
    testing_support::RemoveTree(session.File("gone"));
    ide::IdeView lostView = Find(lost);
    EXPECT_EQ(editor->SaveView(lostView), 0);
    EXPECT_EQ(TextOf(lostWindow), lost + " *");
    EXPECT_EQ(editor->SaveView(0), 0);
    // Dropped without asking: the test is over.
    testing_support::MessageRecorder boxes;
    boxes.Answer(platform::kIdNo);
    SendMessageA(lostWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(lostWindow));
}

TEST_F(EditorServiceTest, FileReaderReadsTheEditorsUnsavedBuffer) {
    const std::string canvas = session.File("src\\canvas.cpp");
    const std::string onDisk = FileBytes(canvas);
    auto read = [&](const std::string& file, int32_t mode, std::string& out) {
        ide::HostFileReader* reader = session.ide.Services()->NewHostFileReader();
        reader->SetFileName(session.Str(file));
        bool opened = reader->Open(mode) != 0;
        out.clear();
        char chunk[1000];
        int32_t n;
        while (opened && (n = reader->Read(chunk, sizeof chunk)) > 0)
            out.append(chunk, static_cast<size_t>(n));
        bool inEditor = reader->QueryOpenInEditor() == ide::kIdeOk;
        reader->Close();
        reader->Release();
        return std::make_pair(opened, inEditor);
    };
    std::string text;
    EXPECT_EQ(read(canvas, ide::kReadEditorBuffer, text), std::make_pair(false, false));
    EXPECT_EQ(read(canvas, ide::kReadCurrentText, text), std::make_pair(true, false));
    EXPECT_EQ(text, onDisk);

    HWND window = session.frame.OpenEditor(canvas);
    SendMessageA(Edit(window), EM_SETSEL, 0, 0);
    SendMessageA(Edit(window), EM_REPLACESEL, TRUE,
                 reinterpret_cast<LPARAM>("void Unsaved();\r\n"));
    for (int32_t mode : {ide::kReadCurrentText, ide::kReadEditorBuffer}) {
        EXPECT_EQ(read(canvas, mode, text), std::make_pair(true, true));
        EXPECT_EQ(text, "void Unsaved();\r\n" + ToEditorText(onDisk));
    }
    // Named another way, it is the same file.
    std::string upper = canvas;
    for (char& c : upper)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(read(upper, ide::kReadEditorBuffer, text), std::make_pair(true, true));
    EXPECT_EQ(FileBytes(canvas), onDisk) << "reading does not save";

    testing_support::MessageRecorder boxes;
    boxes.Answer(platform::kIdNo);
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(read(canvas, ide::kReadCurrentText, text), std::make_pair(true, false));
    EXPECT_EQ(text, onDisk);
}

TEST(EditorServiceOffer, TheIdeOffersTheServiceWhileTheFrameLives) {
    StandInIde ide;
    {
        FrameWindow frame(ide);
        ide::EditorService* editor = ide::QueryService<ide::EditorService>(ide.Services());
        ASSERT_TRUE(editor);
        EXPECT_EQ(editor->FindView(nullptr), 0u) << "no frame yet, no views";
        editor->Release();
        EXPECT_EQ(frame.OpenEditor("anything.cpp"), nullptr);
    }
    EXPECT_EQ(ide::QueryService<ide::EditorService>(ide.Services()), nullptr);
}

} // namespace
} // namespace host
} // namespace qelvo
