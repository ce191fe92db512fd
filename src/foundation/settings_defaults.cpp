#include "foundation/settings_defaults.h"

#include "foundation/settings.h"

#include <cstring>

namespace qelvo {

const char* const kMissingEntry = "not found";

#define INT_SETTING(group, name, value) {group, name, nullptr, value, value}
#define SHELL_SETTING(group, name, newShell, oldShell) {group, name, nullptr, newShell, oldShell}
#define TEXT_SETTING(group, name, text) {group, name, text, 0, 0}

const SettingDefault kSettingDefaults[] = {
    INT_SETTING("General", "ClearOnMake", 1),
    INT_SETTING("General", "CloseOnMake", 1),
    INT_SETTING("General", "CloseProjectOnMake", 1),
    INT_SETTING("General", "IconizeStatusOnMake", 1),
    INT_SETTING("General", "ViewOnOpen", 0),
    INT_SETTING("General", "TimerSave", 1),
    INT_SETTING("General", "TimerCount", 5),
    INT_SETTING("General", "Unic", 1),
    INT_SETTING("TopBar", "Enabled", 1),
    SHELL_SETTING("TopBar", "LeftMargin", -1, 17),
    SHELL_SETTING("TopBar", "RightMargin", 58, 37),
    INT_SETTING("TopBar", "MenuSize", 50),
    INT_SETTING("TopBar", "HideWithBCW", 1),
    INT_SETTING("TopBar", "EditOtherView", 0),
    INT_SETTING("TopBar", "Hierarchical", 0),
    INT_SETTING("TopBar", "HideWithView", 0),
    INT_SETTING("TopBar", "AlwaysOnTop", 0),
    INT_SETTING("TopBar", "NbIDE", 0),
    INT_SETTING("TopBar", "MaxIDE", 10),
    INT_SETTING("TopBar", "NbINC", 0),
    INT_SETTING("TopBar", "MaxINC", 50),
    INT_SETTING("Menus", "Enabled", 1),
    INT_SETTING("Menus", "Sorted", 1),
    INT_SETTING("Menus", "Size", 50),
    TEXT_SETTING("QuickFind", "FunctionMask", "*.cpp;*.cc;*.c"),
    TEXT_SETTING("QuickFind", "IncludeMask", "*.h;*.rh"),
    INT_SETTING("QuickFind", "Recurse", 1),
    INT_SETTING("QuickFind", "LeftSide", 1),
    INT_SETTING("QuickFind", "KeyFunction", 0),
    INT_SETTING("QuickFind", "KeyMethod", 0),
    INT_SETTING("QuickFind", "KeyClass", 0),
    INT_SETTING("QuickFind", "KeyCross", 0),
    TEXT_SETTING("QuickFind", "TxtFunction", "???"),
    TEXT_SETTING("QuickFind", "TxtMethod", "???"),
    TEXT_SETTING("QuickFind", "TxtClass", "???"),
    TEXT_SETTING("QuickFind", "TxtCross", "???"),
    INT_SETTING("Completion", "Enabled", 1),
    INT_SETTING("Completion", "KeyCode", 222),
    TEXT_SETTING("Completion", "TextCode", "???"),
    INT_SETTING("Completion", "NbFiles", 0),
    INT_SETTING("Mail", "Control", 0),
    INT_SETTING("Tasks", "FlashToDo", 1),
    INT_SETTING("Tasks", "FlashCoded", 1),
    INT_SETTING("Tasks", "FlashTested", 1),
    INT_SETTING("Tasks", "FlashEnded", 0),
    INT_SETTING("Tasks", "MainOn", 1),
    INT_SETTING("Tasks", "KeyIsDelivery", 1),
    INT_SETTING("Tasks", "EndedReadOnly", 1),
    INT_SETTING("Tasks", "AutoFlash", 1),
    TEXT_SETTING("Tasks", "Types", "Design;Evolution;Bug;Documentation"),
    INT_SETTING("Groupware", "Enabled", 1),
    INT_SETTING("Groupware", "MailOnGet", 0),
    INT_SETTING("Groupware", "MailOnSend", 1),
    TEXT_SETTING("Groupware", "Filters", "*.cpp;*.cc;*.c;*.h;*.rh;*.rc;*.bmp;*.ico;*.gif"),
    INT_SETTING("HTML", "Enabled", 1),
    INT_SETTING("HTML", "Auto", 1),
    TEXT_SETTING("HTML", "Filters", "*.cpp;*.cc;*.c;*.h;*.rh"),
    {nullptr, nullptr, nullptr, 0, 0},
};

#undef INT_SETTING
#undef SHELL_SETTING
#undef TEXT_SETTING

namespace {
// The list groups: every "Entry%d" value defaults to "not found".
bool IsListEntry(const char* group, const char* name) {
    static const char* const lists[] = {"TopBar\\IDE", "TopBar\\INC", "Completion\\Files"};
    if (std::strncmp(name, "Entry", 5) != 0)
        return false;
    for (const char* list : lists)
        if (std::strcmp(group, list) == 0)
            return true;
    return false;
}
} // namespace

const SettingDefault* FindSettingDefault(const char* group, const char* name) {
    if (!group || !name)
        return nullptr;
    for (const SettingDefault* d = kSettingDefaults; d->group; ++d)
        if (std::strcmp(d->group, group) == 0 && std::strcmp(d->name, name) == 0)
            return d;
    return nullptr;
}

int DefaultInt(const char* group, const char* name, bool newShell) {
    const SettingDefault* d = FindSettingDefault(group, name);
    if (!d || d->text)
        return 0;
    return newShell ? d->value : d->oldShellValue;
}

const char* DefaultText(const char* group, const char* name) {
    if (group && name && IsListEntry(group, name))
        return kMissingEntry;
    const SettingDefault* d = FindSettingDefault(group, name);
    return d && d->text ? d->text : "";
}

int ReadSettingInt(const char* group, const char* name, bool newShell) {
    return ReadInt(group, name, DefaultInt(group, name, newShell));
}

} // namespace qelvo
