// General IDE automation: what the add-on does around Make, the opening of files and the
// auto-save of modified editors. For now it keeps the "General" settings and the auto-save count.
#pragma once

namespace qelvo {

struct GeneralSettings {
    int clearOnMake, closeOnMake, closeProjectOnMake, iconizeStatusOnMake, viewOnOpen;
    int timerSave, timerCount, unic;
    void Load();
    void Save() const;
};

class GeneralAutomation {
public:
    GeneralAutomation() { settings.Load(); }
    ~GeneralAutomation() { settings.Save(); }
    GeneralAutomation(const GeneralAutomation&) = delete;
    GeneralAutomation& operator=(const GeneralAutomation&) = delete;

    GeneralSettings settings;
    int secondsSinceSave = 0; // the auto-save count, restarted when the IDE saves all
};

// The add-on's general automation; null while it does not exist.
extern GeneralAutomation* Automation;

} // namespace qelvo
