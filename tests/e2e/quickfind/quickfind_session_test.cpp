// The quick find in the stand-in IDE with the real add-on loaded from the registry: a method
// found through the caption's third button and the name dialog, the second of two results
// opened at its line; a cross reference of the editor's selection started by its hot key,
// listed in the message window, the clipboard keeping its text.
#include "../addon_session.h"
#include "host_test_support.h"
#include "session.h"
#include "temp_dir.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace qelvo {
namespace automation {
namespace {

using testing_support::TempDir;

void PutClipboard(const char* text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::memcpy(GlobalLock(memory), text, std::strlen(text) + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return "(cannot open)";
    HANDLE data = GetClipboardData(CF_TEXT);
    if (const char* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr) {
        text = bytes;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

struct EditorSearch {
    const char* name;
    HWND edit = nullptr;
};

BOOL CALLBACK FindEditorEdit(HWND window, LPARAM data) {
    EditorSearch& s = *reinterpret_cast<EditorSearch*>(data);
    char title[300] = "";
    GetWindowTextA(window, title, sizeof title);
    std::string t = title;
    size_t n = std::strlen(s.name);
    if (t.size() >= n && _stricmp(t.c_str() + t.size() - n, s.name) == 0) {
        HWND edit = FindWindowExA(window, nullptr, "EditWindClass", nullptr);
        if (edit) s.edit = edit;
    }
    return s.edit ? FALSE : TRUE;
}

// The caret's line (from 1) in the edit window of the editor whose title ends with the name.
int CaretLine(const char* name) {
    EditorSearch search{name};
    HWND frame = FindWindowA("CPPFRAME", nullptr);
    EnumChildWindows(frame, FindEditorEdit, reinterpret_cast<LPARAM>(&search));
    if (!search.edit) return 0;
    return static_cast<int>(SendMessageA(search.edit, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0)) + 1;
}

TEST(QuickFindSession, MethodPopupAndCrossReferenceByHotKey) {
    RegisteredAddon installed(QELVO_ADDON_DLL);
    TempDir dir;
    std::string project = dir.File("APP");
    ASSERT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), project));
    // Ctrl+Shift+F3 for the cross reference: F3 (114) + 1000 (Shift) + 4000 (Ctrl).
    SetValue(std::string(kAddonKey) + "\\QuickFind", "KeyCross", "5114");
    SetValue(std::string(kAddonKey) + "\\QuickFind", "TxtCross", "Ctrl+Shift+F3");
    PutClipboard("kept text");
    SetCurrentDirectoryA(project.c_str());
    {
        StandInSession session;
        ASSERT_TRUE(session.Start());
        ScriptResult result = PlayScript(
            session,
            "project APP.IDE\n"
            "open src\\main.cpp\n"
            // Nothing selected: the name dialog, titled after the search.
            "caption main.cpp 2\n"
            "expect-menu \"Find as function... \" \"Find as method... \" \"Find as class... \" - "
            "\"Cross reference... \\tCtrl+Shift+F3\"\n"
            "choose \"Find as method... \"\n"
            "answer \"Find as method...\" OK 101=Area\n"
            // The project's directory, walked with its sub-directories, then its source
            // directories "src;lib;tools": src is searched twice.
            "expect-menu Circle::Area Square::Area Circle::Area Square::Area\n"
            "choose Square::Area\n"
            // Its editor is there once its caption can be clicked.
            "caption shapes.cpp 0\n"
            "key Escape\n"
            // The function found through the dialog opens its file.
            "caption main.cpp 2\n"
            "choose \"Find as function... \"\n"
            "answer \"Find as function...\" OK 101=ParseNumber\n"
            "expect-status \"*\\UTIL.CPP : 12\"\n"
            "caption util.cpp 0\n"
            "key Escape\n"
            // A selection in the editor, searched by the hot key without a dialog.
            "open src\\main.cpp\n"
            "key Ctrl+End\n"
            "key Enter\n"
            "type radius\n"
            "key Ctrl+Shift+Left\n"
            "key Ctrl+Shift+F3\n"
            "expect-status \"References found, see Message Window\"\n"
            "menu Window/Message\n"
            // The frame's caption after its '-', the name, date and time, the count.
            "expect-message \"APP : cross reference \"\"radius\"\"  (* , *) : 6 founds\"\n"
            "expect-message \"    shapes.cpp 28:   radius = r ;\"\n"
            "expect-message \"    shapes.cpp 35:   return (int)(3.14159 * SQUARE(radius)) ;\"\n"
            // The typed word is saved, so that closing asks nothing.
            "open src\\main.cpp\n"
            "menu File/Save\n",
            "test", dir.path(), EngineOptions(), 90000);
        EXPECT_TRUE(result.passed) << Text(result.transcript);
        EXPECT_EQ(CaretLine("shapes.cpp"), 54); // int Square::Area()
        EXPECT_EQ(CaretLine("util.cpp"), 12);   // int ParseNumber(const char *text, int fallback)
        EXPECT_EQ(ClipboardText(), "kept text");
        EXPECT_TRUE(session.Close());
    }
}

} // namespace
} // namespace automation
} // namespace qelvo
