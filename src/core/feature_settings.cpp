#include "core/feature_settings.h"

#include "foundation/settings.h"
#include "foundation/settings_defaults.h"

namespace qelvo {

namespace {
const char* const kKeyNames[kFindKinds] = {"KeyFunction", "KeyMethod", "KeyClass", "KeyCross"};
const char* const kTextNames[kFindKinds] = {"TxtFunction", "TxtMethod", "TxtClass", "TxtCross"};

void Read(const char* group, const char* name, int& field, bool newShell = true) {
    field = ReadSettingInt(group, name, newShell);
}
void Read(const char* group, const char* name, String& field) {
    ReadText(group, name, field, DefaultText(group, name));
}
} // namespace

void GeneralSettings::Load() {
    Read("General", "ClearOnMake", clearOnMake);
    Read("General", "CloseOnMake", closeOnMake);
    Read("General", "CloseProjectOnMake", closeProjectOnMake);
    Read("General", "IconizeStatusOnMake", iconizeStatusOnMake);
    Read("General", "ViewOnOpen", viewOnOpen);
    Read("General", "TimerSave", timerSave);
    Read("General", "TimerCount", timerCount);
    Read("General", "Unic", unic);
}

void GeneralSettings::Save() const {
    WriteInt("General", "ClearOnMake", clearOnMake);
    WriteInt("General", "CloseOnMake", closeOnMake);
    WriteInt("General", "CloseProjectOnMake", closeProjectOnMake);
    WriteInt("General", "IconizeStatusOnMake", iconizeStatusOnMake);
    WriteInt("General", "ViewOnOpen", viewOnOpen);
    WriteInt("General", "TimerSave", timerSave);
    WriteInt("General", "TimerCount", timerCount);
    WriteInt("General", "Unic", unic);
}

void TopBarSettings::Load(bool newShell) {
    Read("TopBar", "Enabled", enabled);
    Read("TopBar", "LeftMargin", leftMargin, newShell);
    Read("TopBar", "RightMargin", rightMargin, newShell);
    Read("TopBar", "MenuSize", menuSize);
    Read("TopBar", "HideWithBCW", hideWithBCW);
    Read("TopBar", "EditOtherView", editOtherView);
    Read("TopBar", "Hierarchical", hierarchical);
    Read("TopBar", "HideWithView", hideWithView);
    Read("TopBar", "AlwaysOnTop", alwaysOnTop);
}

void TopBarSettings::Save() const {
    WriteInt("TopBar", "Enabled", enabled);
    WriteInt("TopBar", "LeftMargin", leftMargin);
    WriteInt("TopBar", "RightMargin", rightMargin);
    WriteInt("TopBar", "MenuSize", menuSize);
    WriteInt("TopBar", "HideWithBCW", hideWithBCW);
    WriteInt("TopBar", "EditOtherView", editOtherView);
    WriteInt("TopBar", "Hierarchical", hierarchical);
    WriteInt("TopBar", "HideWithView", hideWithView);
    WriteInt("TopBar", "AlwaysOnTop", alwaysOnTop);
}

void MenusSettings::Load() {
    Read("Menus", "Enabled", enabled);
    Read("Menus", "Sorted", sorted);
    Read("Menus", "Size", size);
}

void MenusSettings::Save() const {
    WriteInt("Menus", "Enabled", enabled);
    WriteInt("Menus", "Sorted", sorted);
    WriteInt("Menus", "Size", size);
}

void QuickFindSettings::Load() {
    Read("QuickFind", "FunctionMask", functionMask);
    Read("QuickFind", "IncludeMask", includeMask);
    Read("QuickFind", "Recurse", recurse);
    Read("QuickFind", "LeftSide", leftSide);
    for (int i = 0; i < kFindKinds; ++i) {
        Read("QuickFind", kKeyNames[i], keys[i]);
        Read("QuickFind", kTextNames[i], keyTexts[i]);
    }
}

void QuickFindSettings::Save() const {
    WriteText("QuickFind", "FunctionMask", functionMask.c_str());
    WriteText("QuickFind", "IncludeMask", includeMask.c_str());
    WriteInt("QuickFind", "Recurse", recurse);
    WriteInt("QuickFind", "LeftSide", leftSide);
    for (int i = 0; i < kFindKinds; ++i) {
        WriteInt("QuickFind", kKeyNames[i], keys[i]);
        WriteText("QuickFind", kTextNames[i], keyTexts[i].c_str());
    }
}

void CompletionSettings::Load() {
    Read("Completion", "Enabled", enabled);
    Read("Completion", "KeyCode", keyCode);
    Read("Completion", "TextCode", textCode);
}

void CompletionSettings::Save() const {
    WriteInt("Completion", "Enabled", enabled);
    WriteInt("Completion", "KeyCode", keyCode);
    WriteText("Completion", "TextCode", textCode.c_str());
}

} // namespace qelvo
