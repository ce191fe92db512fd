// Each feature's registry group: defaults, round trips and the order values are written in.
#include "automation/general_automation.h"
#include "completion/keyword_completion.h"
#include "navigation/editor_menu.h"
#include "navigation/quick_find.h"
#include "topbar/top_bar.h"
#include "foundation/settings.h"
#include "memory_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qelvo;
using qelvo::testing_support::MemoryRegistry;

namespace {
std::vector<std::string> Names(const std::vector<std::string>& log) {
    std::vector<std::string> names;
    for (const std::string& entry : log)
        names.push_back(entry.substr(entry.find('|') + 1));
    return names;
}
} // namespace

TEST(FeatureSettings, MenusAreWrittenSortedSizeEnabled) {
    MemoryRegistry registry;
    MenusSettings menus;
    menus.Load();
    EXPECT_EQ(menus.enabled, 1);
    EXPECT_EQ(menus.sorted, 1);
    EXPECT_EQ(menus.size, 50);
    menus.Save();
    EXPECT_EQ(Names(registry.writeLog), (std::vector<std::string>{"Sorted", "Size", "Enabled"}));
}

TEST(FeatureSettings, QuickFindRoundTrip) {
    MemoryRegistry registry;
    QuickFindSettings q;
    q.Load();
    EXPECT_STREQ(q.functionMask.c_str(), "*.cpp;*.cc;*.c");
    EXPECT_STREQ(q.includeMask.c_str(), "*.h;*.rh");
    EXPECT_EQ(q.leftSide, 1);
    EXPECT_EQ(q.keys[kFindCross], 0);
    EXPECT_STREQ(q.keyTexts[kFindClass].c_str(), "???");
    q.keys[kFindMethod] = 5114;
    q.keyTexts[kFindMethod] = "Ctrl+Shift+F3";
    q.functionMask = "*.cxx";
    q.Save();
    QuickFindSettings again;
    again.Load();
    EXPECT_EQ(again.keys[kFindMethod], 5114);
    EXPECT_STREQ(again.keyTexts[kFindMethod].c_str(), "Ctrl+Shift+F3");
    EXPECT_STREQ(again.functionMask.c_str(), "*.cxx");
}

TEST(FeatureSettings, TopBarMarginsFollowTheShell) {
    MemoryRegistry registry;
    TopBarSettings newShell, oldShell;
    newShell.Load(true);
    oldShell.Load(false);
    EXPECT_EQ(newShell.leftMargin, -1);
    EXPECT_EQ(newShell.rightMargin, 58);
    EXPECT_EQ(oldShell.leftMargin, 17);
    EXPECT_EQ(oldShell.rightMargin, 37);
    EXPECT_EQ(newShell.menuSize, 50);
    EXPECT_EQ(newShell.hideWithBCW, 1);
    WriteInt("TopBar", "LeftMargin", 5);
    oldShell.Load(false);
    EXPECT_EQ(oldShell.leftMargin, 5) << "a stored value wins over either default";
}

TEST(FeatureSettings, GeneralAndCompletion) {
    MemoryRegistry registry;
    WriteText("General", "TimerCount", " 12");
    GeneralSettings g;
    g.Load();
    EXPECT_EQ(g.timerCount, 12);
    EXPECT_EQ(g.unic, 1);
    EXPECT_EQ(g.viewOnOpen, 0);
    CompletionSettings c;
    c.Load();
    EXPECT_EQ(c.keyCode, 222);
    EXPECT_STREQ(c.textCode.c_str(), "???");
}
