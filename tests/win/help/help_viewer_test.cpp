// Wine's help viewer opens the add-on's help file at the contexts the add-on asks for: the
// bar's context 1 and the General options page's 9. Each topic's title is read back from the
// viewer's text window, and a screenshot of each is left in the test's folder.
#include "core/help.h"
#include "screenshot.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

using namespace qelvo;

namespace {

std::string addonDll;
std::string AddonModule(void*) {
    return addonDll;
}

// Handles this thread's messages (the viewer's requests reach its owner) for up to the time,
// until done() holds.
template <class Done> bool Wait(Done done, DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(20);
    }
    return true;
}

HWND Viewer() {
    return FindWindowA("MS_WINHELP", nullptr);
}

BOOL CALLBACK AddChildLine(HWND child, LPARAM data) {
    char name[64] = "";
    GetClassNameA(child, name, sizeof name);
    char text[200] = "";
    SendMessageA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    *reinterpret_cast<std::string*>(data) += std::string(name) + ": " + text + "\n";
    return TRUE;
}

BOOL CALLBACK TakeRichEditText(HWND child, LPARAM data) {
    char name[64] = "";
    GetClassNameA(child, name, sizeof name);
    if (std::string(name).find("RichEdit") == std::string::npos) return TRUE;
    char text[4096] = "";
    SendMessageA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    *reinterpret_cast<std::string*>(data) = text;
    return FALSE;
}

// The children of the viewer: each one's class and text, one a line.
std::string ViewerWindows() {
    std::string list;
    HWND viewer = Viewer();
    if (!viewer) return "no viewer";
    EnumChildWindows(viewer, AddChildLine, reinterpret_cast<LPARAM>(&list));
    return list;
}

// The text of the viewer's rich edit window, which shows the topic.
std::string TopicText() {
    std::string text;
    HWND viewer = Viewer();
    if (!viewer) return text;
    EnumChildWindows(viewer, TakeRichEditText, reinterpret_cast<LPARAM>(&text));
    return text;
}

std::string FirstLine(const std::string& text) {
    size_t end = text.find_first_of("\r\n");
    return text.substr(0, end);
}

std::string TestFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

TEST(HelpViewer, OpensTheBuiltHelpFileAtContextOneAndAtThePagesContext) {
    std::string folder = TestFolder() + "\\installed";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(
        CopyFileA(QELVO_HELP_DIR "\\QELVOADD.HLP", (folder + "\\QELVOADD.HLP").c_str(), FALSE));
    addonDll = folder + "\\Qelvoadd.dll";
    HelpCalls saved = HelpSystem;
    HelpSystem.moduleFileName = AddonModule;
    HWND owner = CreateWindowA("STATIC", "owner", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(owner);
    {
        HelpService help(nullptr, owner);
        EXPECT_EQ(lstrcmpiA(help.helpFile, (folder + "\\Qelvoadd.hlp").c_str()), 0);
        const struct {
            unsigned long context;
            const char* title;
            const char* shot;
        } topics[] = {{1, "Qelvo AddOn for Borland C++ 5.0", "help-context-1.png"},
                      {9, "General options", "help-context-9.png"}};
        for (const auto& topic : topics) {
            help.ShowHelp(topic.context);
            bool shown = Wait([&] { return FirstLine(TopicText()) == topic.title; }, 30000);
            EXPECT_TRUE(shown) << "context " << topic.context << ": the viewer shows\n"
                               << ViewerWindows();
            host::Screenshot shot;
            ASSERT_TRUE(host::CaptureScreen(shot));
            EXPECT_TRUE(host::WritePng(shot, TestFolder() + "\\" + topic.shot));
        }
    }
    // The help service's end closes the viewer.
    EXPECT_TRUE(Wait([] { return Viewer() == nullptr; }, 30000)) << "the viewer closed";
    DestroyWindow(owner);
    HelpSystem = saved;
}

} // namespace
