#include "automation/shell/general_page.h"

#include "automation/general_automation.h"
#include "core/shell/page_controls.h"

namespace qelvo {

namespace {
const ControlHint kHints[] = {
    {1010, "Open project window when opening project"},
    {1011, "Open and clear message window on Make call"},
    {1012, "Close message window during Make"},
    {1019, "Close project window during Make"},
    {1020, "Iconize compilation status window during Make"},
    {1015, "Save all source files periodically"},
    {1016, "Set time counter for auto save"},
    {1017, "Save all source files periodically"},
    {1018, "Allow only one instance of Borland C++"},
};

struct Switch {
    int id;
    int GeneralSettings::*field;
};
const Switch kSwitches[] = {
    {1010, &GeneralSettings::viewOnOpen},
    {1011, &GeneralSettings::clearOnMake},
    {1012, &GeneralSettings::closeOnMake},
    {1019, &GeneralSettings::closeProjectOnMake},
    {1020, &GeneralSettings::iconizeStatusOnMake},
    {1015, &GeneralSettings::timerSave},
    {1018, &GeneralSettings::unic},
};
} // namespace

GeneralPage::GeneralPage()
    : AddonPageBase(103, 1, "General options", 9, "Set general options", kHints,
                    sizeof kHints / sizeof kHints[0]) {}

bool GeneralPage::CheckControls() {
    int minutes = 0;
    if (ReadPageNumber(*this, 1016, false, minutes) && minutes >= 1 && minutes <= 60) return true;
    RefusePage(*this, "Timer size must be between 0 and 60 min.");
    return false;
}

void GeneralPage::LoadControls() {
    if (!Automation) return;
    for (const Switch& s : kSwitches)
        SetPageCheck(*this, s.id, Automation->settings.*s.field);
    SetPageNumber(*this, 1016, Automation->settings.timerCount);
}

void GeneralPage::SaveControls() {
    if (!Automation) return;
    for (const Switch& s : kSwitches)
        Automation->settings.*s.field = PageChecked(*this, s.id);
    int minutes = 0;
    if (ReadPageNumber(*this, 1016, false, minutes)) Automation->settings.timerCount = minutes;
}

void GeneralPage::Notify(int32_t controlId, int32_t notification) {
    // The label after the delay reports clicks only: its hint comes with the click.
    if (controlId == 1017 && notification == kNotifyClicked) ShowHint(HintOf(controlId));
}

} // namespace qelvo
