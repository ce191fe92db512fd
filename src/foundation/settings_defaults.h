// The registry groups and values of the add-on with their defaults, in one place.
#pragma once

namespace qelvo {

struct SettingDefault {
    const char* group;
    const char* name;
    const char* text; // null for an integer value
    int value;        // the integer default (on the new shell where the shells differ)
    int oldShellValue;
};

// The whole table, ended by an entry whose group is null.
extern const SettingDefault kSettingDefaults[];
// The text of a list entry ("Entry%d") that is missing.
extern const char* const kMissingEntry;

const SettingDefault* FindSettingDefault(const char* group, const char* name);
// The integer default of a value (0 when the table does not know it).
int DefaultInt(const char* group, const char* name, bool newShell);
// The text default of a value ("" when the table does not know it; "not found" for list
// entries).
const char* DefaultText(const char* group, const char* name);

// Reads with the table's default.
int ReadSettingInt(const char* group, const char* name, bool newShell = true);

} // namespace qelvo
