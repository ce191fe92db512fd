// The name dialog "dlgGETDATA" of the quick find, driven for real: its combo box (101) lists the
// names searched lately, the most recent first, and its edit shows that one, all selected; a
// name searched again moves to the front instead of being listed twice.
#include <windows.h>

#include "dialog_driver.h"
#include "ide_windows.h"
#include "navigation/quick_find.h"
#include "navigation/shell/quick_find_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qelvo;
using namespace qelvo::testing_support;

namespace {

// What the dialog showed when it came up.
struct Shown {
    std::vector<std::string> items;
    std::string edit;
    DWORD selStart = 0, selEnd = 0;
};

// Opens the dialog through the editor (nothing selected) and answers it: the name typed and
// OK, or Cancel for an empty name. Answers the searched name.
std::string Ask(HWND editor, const char* name, Shown& shown) {
    DialogDriver driver("Find as function...", [&](HWND dialog) {
        HWND combo = GetDlgItem(dialog, 101);
        const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char item[300] = "";
            SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
            shown.items.push_back(item);
        }
        char edit[300] = "";
        GetWindowTextA(combo, edit, sizeof edit);
        shown.edit = edit;
        SendMessageA(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&shown.selStart),
                     reinterpret_cast<LPARAM>(&shown.selEnd));
        if (*name) {
            SetWindowTextA(combo, name);
            DialogDriver::Press(dialog, IDOK);
        } else {
            DialogDriver::Press(dialog, IDCANCEL);
        }
    });
    std::string result = GetSearchText(editor, "Find as function...");
    EXPECT_EQ(driver.seen, 1);
    return result;
}

TEST(QuickFindHistory, TheMostRecentNameFirstAndARepeatMovedToTheFront) {
    // The editors' text window is the system's edit under the IDE's class name.
    WNDCLASSA edit = {};
    ASSERT_TRUE(GetClassInfoA(nullptr, "EDIT", &edit));
    edit.hInstance = GetModuleHandleA(nullptr);
    edit.lpszClassName = "EditWindClass";
    RegisterClassA(&edit);
    IdeWindows ide;
    HWND editor = ide.AddChild("BCW5Editor", "main.cpp");
    CreateWindowExA(0, "EditWindClass", "int main()", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0,
                    300, 100, editor, nullptr, GetModuleHandleA(nullptr), nullptr);
    while (SearchHistory.count > 0)
        SearchHistory.Destroy(0);

    Shown first, second, third, again, last;
    EXPECT_EQ(Ask(editor, "alpha", first), "alpha");
    EXPECT_TRUE(first.items.empty());
    EXPECT_EQ(first.edit, "");
    EXPECT_EQ(Ask(editor, "beta", second), "beta");
    EXPECT_EQ(second.items, std::vector<std::string>({"alpha"}));
    EXPECT_EQ(Ask(editor, "gamma", third), "gamma");
    EXPECT_EQ(third.items, std::vector<std::string>({"beta", "alpha"}));
    EXPECT_EQ(third.edit, "beta");
    EXPECT_EQ(third.selStart, 0u);
    EXPECT_EQ(third.selEnd, 4u);
    EXPECT_EQ(Ask(editor, "alpha", again), "alpha");
    EXPECT_EQ(again.items, std::vector<std::string>({"gamma", "beta", "alpha"}));
    // Cancelled: nothing searched, the history as the repeat left it.
    EXPECT_EQ(Ask(editor, "", last), "");
    EXPECT_EQ(last.items, std::vector<std::string>({"alpha", "gamma", "beta"}));
    EXPECT_EQ(last.edit, "alpha");
    EXPECT_EQ(last.selStart, 0u);
    EXPECT_EQ(last.selEnd, 5u);
    EXPECT_EQ(SearchHistory.count, 3);
    while (SearchHistory.count > 0)
        SearchHistory.Destroy(0);
}

} // namespace
