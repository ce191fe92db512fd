// The completion key in the stand-in IDE with the real add-on loaded from the registry: the
// keyword file listed under "Completion\Files" is loaded at start, and the key pressed as real
// input in an editor inserts, lists the candidates and shows a keyword's help.
#include "../addon_session.h"
#include "host_test_support.h"
#include "session.h"
#include "temp_dir.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace qelvo {
namespace automation {
namespace {

using testing_support::TempDir;

TEST(CompletionSession, TheKeyCompletesFromTheListedKeywordFile) {
    RegisteredAddon installed(QELVO_ADDON_DLL);
    TempDir dir;
    std::string project = dir.File("APP");
    ASSERT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), project));
    SetValue(std::string(kAddonKey) + "\\Completion", "NbFiles", "1");
    SetValue(std::string(kAddonKey) + "\\Completion\\Files", "Entry0", QELVO_SAMPLES_DIR "\\win32.kwd");
    SetCurrentDirectoryA(project.c_str());
    {
        StandInSession session;
        ASSERT_TRUE(session.Start());
        ScriptResult result =
            PlayScript(session,
                       "project APP.IDE\n"
                       "open src\\main.cpp\n"
                       "key Ctrl+End\n"
                       "type \"// Mess\"\n"
                       "key quote\n"
                       "expect-status \"Possible :MessageBeep, MessageBox\"\n"
                       "type \"ox\"\n"
                       "key quote\n"
                       "expect-status \"Completion complete\"\n"
                       "key quote\n"
                       "expect-status \"int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR "
                       "lpCaption, UINT uType)\"\n"
                       "key Enter\n"
                       "type \"// CreateWindowE\"\n"
                       "key quote\n"
                       "expect-status \"Completion done\"\n"
                       "type \" Zz\"\n"
                       "key quote\n"
                       "expect-status \"No available completion\"\n"
                       "menu File/Save\n"
                       "expect-file src\\main.cpp \"// MessageBox\"\n"
                       "expect-file src\\main.cpp \"// CreateWindowEx Zz\"\n",
                       "test", dir.path(), EngineOptions(), 60000);
        EXPECT_TRUE(result.passed) << Text(result.transcript);
        EXPECT_TRUE(session.Close());
    }
}

} // namespace
} // namespace automation
} // namespace qelvo
