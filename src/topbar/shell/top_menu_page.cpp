#include "topbar/shell/top_menu_page.h"

#include "core/project_values.h"
#include "core/recent_lists.h"
#include "core/shell/page_controls.h"
#include "topbar/shell/place_bar.h"
#include "topbar/top_bar.h"

#include <string>

namespace qelvo {

namespace {
const ControlHint kHints[] = {
    {1010, "Activate topmost screen bar"},
    {1011, "Set left margin in pixels"},
    {1012, "Set right margin in pixels"},
    {1013, "Hide top bar menu when Borland C++ iconizes"},
    {1023, "Keep menu bar always on top"},
    {1014, "Linear construction of top bar"},
    {1015, "Hierarchical construction of top bar"},
    {1016, "No menu in the top bar"},
    {1017, "Hide menus when project view is opened"},
    {1025, "Always open a new view when edit file"},
    {1026, "Set size of one column in the top bar menu"},
    {1027, "Set number of most recently .IDE files in memory"},
    {1018, "Set number of most recently .h files in memory"},
};

struct Switch {
    int id;
    int TopBarSettings::*field;
};
const Switch kSwitches[] = {
    {1010, &TopBarSettings::enabled},       {1013, &TopBarSettings::hideWithBCW},
    {1023, &TopBarSettings::alwaysOnTop},   {1017, &TopBarSettings::hideWithView},
    {1025, &TopBarSettings::editOtherView},
};

// The numbers with their ranges and the texts that name them when out of range, in the order
// the refusal lists them.
struct Range {
    int id;
    bool sign;
    int low, high;
    const char* text;
};
const Range kRanges[] = {
    {1011, true, -2048, 2048, "Left margin must be between -2048 and 2048.\n"},
    {1012, true, -2048, 2048, "Right margin must be between -2048 and 2048.\n"},
    {1027, false, 3, 50, "Maximum number of .IDE must be between 3 and 50.\n"},
    {1026, false, 10, 99, "Menu size must be between 10 and 99.\n"},
    {1018, false, 1, 199, "Maximum number of .h must be between 1 and 199.\n"},
};
} // namespace

TopMenuPage::TopMenuPage()
    : AddonPageBase(105, 1, "Top screen bar", 12, "Set top screen bar options", kHints,
                    sizeof kHints / sizeof kHints[0]) {}

// Values that would break the bar are refused, every one named in one box.
bool TopMenuPage::CheckControls() {
    std::string refusal;
    for (const Range& r : kRanges) {
        int value = 0;
        if (!ReadPageNumber(*this, r.id, r.sign, value) || value < r.low || value > r.high)
            refusal += r.text;
    }
    if (refusal.empty()) return true;
    refusal.pop_back(); // the last line's break
    RefusePage(*this, refusal.c_str());
    return false;
}

void TopMenuPage::LoadControls() {
    if (!Bar) return;
    const TopBarSettings& s = Bar->settings;
    for (const Switch& sw : kSwitches)
        SetPageCheck(*this, sw.id, s.*sw.field);
    SetPageNumber(*this, 1011, s.leftMargin);
    SetPageNumber(*this, 1012, s.rightMargin);
    for (int choice = 0; choice < 3; ++choice)
        SetPageCheck(*this, 1014 + choice, s.hierarchical == choice);
    SetPageNumber(*this, 1026, s.menuSize);
    SetPageNumber(*this, 1027, Recent.projects.limit);
    SetPageNumber(*this, 1018, Recent.includes.limit);
}

void TopMenuPage::SaveControls() {
    if (!Bar) return;
    TopBarSettings& s = Bar->settings;
    const TopBarSettings before = s;
    for (const Switch& sw : kSwitches)
        s.*sw.field = PageChecked(*this, sw.id);
    ReadPageNumber(*this, 1011, true, s.leftMargin);
    ReadPageNumber(*this, 1012, true, s.rightMargin);
    for (int choice = 0; choice < 3; ++choice)
        if (PageChecked(*this, 1014 + choice)) s.hierarchical = choice;
    ReadPageNumber(*this, 1026, false, s.menuSize);
    int maxProjects = Recent.projects.limit, maxIncludes = Recent.includes.limit;
    ReadPageNumber(*this, 1027, false, maxProjects);
    ReadPageNumber(*this, 1018, false, maxIncludes);
    SetRecentLimits(maxProjects, maxIncludes);

    RebuildBar();
    WriteProjectOptions();
    HWND bar = static_cast<HWND>(Bar->window);
    if (!bar) return;
    if (s.leftMargin != before.leftMargin || s.rightMargin != before.rightMargin)
        PlaceBarAtMargins();
    if (s.enabled != before.enabled) ShowWindow(bar, s.enabled ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (s.alwaysOnTop != before.alwaysOnTop)
        SetWindowPos(bar, s.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace qelvo
