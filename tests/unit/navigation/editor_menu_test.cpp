// The popups planned from the scans: class popups, column breaks, command numbers, and what
// an empty scan gives.
#include "navigation/editor_menu.h"

#include "memory_registry.h"
#include "recorders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

using namespace qelvo;
using qelvo::testing_support::MemoryRegistry;
using qelvo::testing_support::MessageRecorder;

namespace {

// A menu as text: "name=command" items, "Class{...}" popups, '/' before an item that starts a
// column.
std::string Render(const MenuPlan& plan, int menu) {
    std::string out;
    for (const PlannedItem& item : plan.Menu(menu).items) {
        if (!out.empty()) out += ", ";
        if (item.columnBreak) out += "/";
        out += item.text;
        if (item.IsPopup())
            out += "{" + Render(plan, item.popup) + "}";
        else
            out += "=" + std::to_string(item.command);
    }
    return out;
}

std::string Planned(const char* text, int sorted, int size = 50) {
    MemoryRegistry registry;
    EditorMenu menu(nullptr, true);
    menu.settings.sorted = sorted;
    menu.settings.size = size;
    MenuPlan plan;
    if (!menu.BuildFunctionMenu(text, std::strlen(text), plan)) return "none";
    EXPECT_FALSE(plan.Menu(MenuPlan::kBar).isBar);
    return Render(plan, MenuPlan::kBar);
}

} // namespace

TEST(EditorMenu, SortedFreeFunctionsFirstThenClassPopups) {
    EXPECT_EQ(Planned("b()\nA::x()\na()\n", 1), "a=1000, b=1001, A{x=1002}");
}

TEST(EditorMenu, UnsortedKeepsFileOrderAndSplitsClassRuns) {
    EXPECT_EQ(Planned("b()\nA::x()\nA::y()\na()\nA::z()\n", 0),
              "b=1000, A{x=1001, y=1002}, a=1003, A{z=1004}");
    EXPECT_EQ(Planned("A::x()\nB::y()\n", 0), "A{x=1000}, B{y=1001}");
}

TEST(EditorMenu, ColumnsOfTheConfiguredSize) {
    std::string text;
    for (char c = 'a'; c < 'a' + 25; ++c)
        text += std::string(1, c) + "()\n";
    std::string menu = Planned(text.c_str(), 1, 10);
    // Items 10 and 20 start the second and third columns: 10, 10 and 5 items.
    EXPECT_NE(menu.find("j=1009, /k=1010"), std::string::npos) << menu;
    EXPECT_NE(menu.find("t=1019, /u=1020"), std::string::npos) << menu;
    EXPECT_EQ(std::count(menu.begin(), menu.end(), '/'), 2) << menu;

    std::string methods;
    for (char c = 'a'; c < 'a' + 12; ++c)
        methods += std::string("K::") + c + "()\n";
    menu = Planned(methods.c_str(), 0, 10);
    EXPECT_NE(menu.find("j=1009, /k=1010, l=1011}"), std::string::npos) << menu;
}

TEST(EditorMenu, EmptyScanSoundsTheToneAndPlansNothing) {
    MessageRecorder recorder;
    EXPECT_EQ(Planned("  indented()\n", 1), "none");
    ASSERT_EQ(recorder.tones.size(), 1u);
    EXPECT_EQ(recorder.tones[0].first, 220u);
    EXPECT_EQ(recorder.tones[0].second, 500u);
    EXPECT_STREQ(kNoSymbolsText, "No functions or methods detected !");
    EXPECT_STREQ(kNoIncludesText, "No include files detected !");
}

TEST(EditorMenu, IncludeItemsAndChosenEntries) {
    MemoryRegistry registry;
    EditorMenu menu(nullptr, false);
    MenuPlan plan;
    const char text[] = "#include <a.h>\n#include \"b.h\"\nf()\n";
    ASSERT_TRUE(menu.BuildIncludeMenu(text, sizeof text - 1, plan));
    EXPECT_EQ(Render(plan, MenuPlan::kBar), "a.h=700, b.h=701");
    ASSERT_NE(menu.ChosenInclude(701), nullptr);
    EXPECT_STREQ(menu.ChosenInclude(701)->c_str(), "b.h");
    EXPECT_EQ(menu.ChosenInclude(702), nullptr);
    EXPECT_EQ(menu.ChosenInclude(699), nullptr);

    ASSERT_TRUE(menu.BuildFunctionMenu(text, sizeof text - 1, plan));
    ASSERT_NE(menu.ChosenSymbol(1000), nullptr);
    EXPECT_EQ(menu.ChosenSymbol(1000)->line, 3);
    EXPECT_EQ(menu.ChosenSymbol(1001), nullptr);
    EXPECT_EQ(menu.ChosenSymbol(10000), nullptr);

    MessageRecorder recorder;
    EXPECT_FALSE(menu.BuildIncludeMenu("f()\n", 4, plan));
    EXPECT_TRUE(recorder.tones.empty()) << "no tone for a file without includes";
}

TEST(EditorMenu, SettingsAndNamesOfBothShells) {
    MemoryRegistry registry;
    EditorMenu menu(nullptr, false);
    EXPECT_EQ(menu.settings.sorted, 1);
    EXPECT_EQ(menu.settings.size, 50);
    EXPECT_EQ(menu.settings.enabled, 1);
    EXPECT_STREQ(menu.bitmapNames[0], "bmpFUNC95");
    EXPECT_STREQ(menu.bitmapNames[1], "bmpINC95");
    EXPECT_STREQ(menu.bitmapNames[2], "bmpQKFIND95");
    EXPECT_EQ(menu.geometry.rightOffset, 41);
    EditorMenu other(nullptr, true);
    EXPECT_STREQ(other.bitmapNames[0], "bmpFUNC95");
    EXPECT_EQ(other.geometry.rightOffset, 58);
}
