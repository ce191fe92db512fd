#include "automation/general_automation.h"

#include "foundation/settings_fields.h"

namespace qelvo {

GeneralAutomation* Automation = nullptr;

namespace {

const IntField<GeneralSettings> kGeneral[] = {
    {"ClearOnMake", &GeneralSettings::clearOnMake},
    {"CloseOnMake", &GeneralSettings::closeOnMake},
    {"CloseProjectOnMake", &GeneralSettings::closeProjectOnMake},
    {"IconizeStatusOnMake", &GeneralSettings::iconizeStatusOnMake},
    {"ViewOnOpen", &GeneralSettings::viewOnOpen},
    {"TimerSave", &GeneralSettings::timerSave},
    {"TimerCount", &GeneralSettings::timerCount},
    {"Unic", &GeneralSettings::unic},
};

} // namespace

void GeneralSettings::Load() { LoadInts(*this, "General", kGeneral); }
void GeneralSettings::Save() const { SaveInts(*this, "General", kGeneral); }

} // namespace qelvo
