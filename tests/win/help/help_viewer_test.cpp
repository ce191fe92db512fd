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

// The text of the viewer's window that shows the topic: the longest text of its children.
std::string TopicText() {
    struct Found {
        std::string text;
    } found;
    HWND viewer = Viewer();
    if (!viewer) return std::string();
    EnumChildWindows(
        viewer,
        [](HWND child, LPARAM data) -> BOOL {
            Found* f = reinterpret_cast<Found*>(data);
            int length = GetWindowTextLengthA(child);
            if (length <= 0) return TRUE;
            std::string text(static_cast<size_t>(length) + 1, '\0');
            GetWindowTextA(child, &text[0], length + 1);
            text.resize(static_cast<size_t>(length));
            if (text.size() > f->text.size()) f->text = text;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.text;
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
            EXPECT_TRUE(shown) << "context " << topic.context << ": the viewer shows \""
                               << TopicText() << "\"";
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
