#include "core/feature_settings.h"

#include "foundation/settings.h"
#include "foundation/settings_defaults.h"

namespace qelvo {

namespace {

// One integer value of a group and the field that holds it.
template <class S> struct IntField {
    const char* name;
    int S::*field;
};

template <class S, size_t N>
void LoadInts(S& s, const char* group, const IntField<S> (&fields)[N], bool newShell = true) {
    for (const IntField<S>& f : fields)
        s.*(f.field) = ReadSettingInt(group, f.name, newShell);
}

template <class S, size_t N>
void SaveInts(const S& s, const char* group, const IntField<S> (&fields)[N]) {
    for (const IntField<S>& f : fields)
        WriteInt(group, f.name, s.*(f.field));
}

void LoadText(const char* group, const char* name, String& field) {
    ReadText(group, name, field, DefaultText(group, name));
}

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

const IntField<TopBarSettings> kTopBar[] = {
    {"Enabled", &TopBarSettings::enabled},
    {"LeftMargin", &TopBarSettings::leftMargin},
    {"RightMargin", &TopBarSettings::rightMargin},
    {"MenuSize", &TopBarSettings::menuSize},
    {"HideWithBCW", &TopBarSettings::hideWithBCW},
    {"EditOtherView", &TopBarSettings::editOtherView},
    {"Hierarchical", &TopBarSettings::hierarchical},
    {"HideWithView", &TopBarSettings::hideWithView},
    {"AlwaysOnTop", &TopBarSettings::alwaysOnTop},
};

// Written back in this order: "Sorted", "Size", "Enabled".
const IntField<MenusSettings> kMenus[] = {
    {"Sorted", &MenusSettings::sorted},
    {"Size", &MenusSettings::size},
    {"Enabled", &MenusSettings::enabled},
};

const IntField<QuickFindSettings> kQuickFind[] = {
    {"Recurse", &QuickFindSettings::recurse},
    {"LeftSide", &QuickFindSettings::leftSide},
};

const IntField<CompletionSettings> kCompletion[] = {
    {"Enabled", &CompletionSettings::enabled},
    {"KeyCode", &CompletionSettings::keyCode},
};

const char* const kKeyNames[kFindKinds] = {"KeyFunction", "KeyMethod", "KeyClass", "KeyCross"};
const char* const kTextNames[kFindKinds] = {"TxtFunction", "TxtMethod", "TxtClass", "TxtCross"};

} // namespace

void GeneralSettings::Load() { LoadInts(*this, "General", kGeneral); }
void GeneralSettings::Save() const { SaveInts(*this, "General", kGeneral); }

void TopBarSettings::Load(bool newShell) { LoadInts(*this, "TopBar", kTopBar, newShell); }
void TopBarSettings::Save() const { SaveInts(*this, "TopBar", kTopBar); }

void MenusSettings::Load() { LoadInts(*this, "Menus", kMenus); }
void MenusSettings::Save() const { SaveInts(*this, "Menus", kMenus); }

void QuickFindSettings::Load() {
    LoadText("QuickFind", "FunctionMask", functionMask);
    LoadText("QuickFind", "IncludeMask", includeMask);
    LoadInts(*this, "QuickFind", kQuickFind);
    for (int i = 0; i < kFindKinds; ++i) {
        keys[i] = ReadSettingInt("QuickFind", kKeyNames[i]);
        LoadText("QuickFind", kTextNames[i], keyTexts[i]);
    }
}

void QuickFindSettings::Save() const {
    WriteText("QuickFind", "FunctionMask", functionMask.c_str());
    WriteText("QuickFind", "IncludeMask", includeMask.c_str());
    SaveInts(*this, "QuickFind", kQuickFind);
    for (int i = 0; i < kFindKinds; ++i) {
        WriteInt("QuickFind", kKeyNames[i], keys[i]);
        WriteText("QuickFind", kTextNames[i], keyTexts[i].c_str());
    }
}

void CompletionSettings::Load() {
    LoadInts(*this, "Completion", kCompletion);
    LoadText("Completion", "TextCode", textCode);
}

void CompletionSettings::Save() const {
    SaveInts(*this, "Completion", kCompletion);
    WriteText("Completion", "TextCode", textCode.c_str());
}

} // namespace qelvo
