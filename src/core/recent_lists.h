// The recently used projects and include files that the bar's first menu offers: fixed arrays
// of 255-character slots, entry 0 the most recent, with their limits; their registry form below
// "TopBar"; their update rules; and the open-file check's rules over editor names.
#pragma once

namespace qelvo {

constexpr int kRecentEntrySize = 255; // a slot: up to 254 characters and the terminator

template <int Slots> struct RecentList {
    static constexpr int kSlots = Slots;
    char entries[Slots][kRecentEntrySize] = {};
    int count = 0;
    int limit = 0;
    const char* At(int i) const { return entries[i]; }
};

struct RecentLists {
    RecentList<50> projects;  // NbIDE, MaxIDE (3 to 50)
    RecentList<200> includes; // NbINC, MaxINC (1 to 199)
};

// The add-on's lists: loaded at start-up, saved at stop.
extern RecentLists Recent;

// Reads both lists from "TopBar", "TopBar\IDE" and "TopBar\INC". Counts and limits are kept
// within the slots and the limits' ranges; a list ends at its first missing entry.
void LoadRecentLists();
void SaveRecentLists();

// The project opened: taken out of the recent projects (letter case ignored).
void ForgetProject(const char* path);
// The project closed: put on top, unless an entry is exactly the path; the oldest goes when the
// list is full.
void RememberProject(const char* path);
// A header file was opened: moved or put on top of the recent includes, spelled as given.
void RecordInclude(const char* name);
// Cuts an editor's caption ("C:\SRC\FILE.CPP:2") at its first ':' at index 3 or later.
void CutEditorName(char* name);
// True for a name that ends with 'h' or 'H' (the recent includes record only those).
bool IsIncludeName(const char* name);
// A limit lowered by the options page: the count follows at once.
void SetRecentLimits(int maxProjects, int maxIncludes);

// The bar's "EditOtherView" setting, which the open-file check obeys; the bar binds its field
// while it exists (null: off).
extern const int* EditOtherViewSetting;

} // namespace qelvo
