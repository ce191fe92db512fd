#include "core/recent_lists.h"

#include "foundation/settings.h"
#include "foundation/text_utils.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace qelvo {

RecentLists Recent;
const int* EditOtherViewSetting = nullptr;

namespace {

constexpr char kMissing[] = "not found";

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

bool SameIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (std::toupper(static_cast<unsigned char>(*a)) !=
            std::toupper(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

template <int N>
void Load(RecentList<N>& list, const char* countName, const char* limitName, int defaultLimit,
          int lowLimit, int highLimit, const char* group) {
    list.limit = Clamp(ReadInt("TopBar", limitName, defaultLimit), lowLimit, highLimit);
    int count = Clamp(ReadInt("TopBar", countName, 0), 0, list.limit);
    list.count = 0;
    for (int i = 0; i < count; ++i) {
        char name[24];
        std::snprintf(name, sizeof name, "Entry%d", i);
        char* slot = list.entries[i];
        // A value longer than a slot is cut to it.
        ReadText(group, name, slot, kRecentEntrySize, kMissing);
        if (std::strcmp(slot, kMissing) == 0)
            break;
        list.count = i + 1;
    }
}

template <int N>
void Save(const RecentList<N>& list, const char* countName, const char* limitName,
          const char* group) {
    WriteInt("TopBar", countName, list.count);
    WriteInt("TopBar", limitName, list.limit);
    for (int i = 0; i < list.count; ++i) {
        char name[24];
        std::snprintf(name, sizeof name, "Entry%d", i);
        WriteText(group, name, list.entries[i]);
    }
}

// Entries 0 .. last - 1 move down one slot; entry 0 becomes the text.
template <int N> void PutOnTop(RecentList<N>& list, int last, const char* text) {
    for (int i = last; i > 0; --i)
        std::memcpy(list.entries[i], list.entries[i - 1], kRecentEntrySize);
    CopyText(list.entries[0], text, kRecentEntrySize);
}

// A new entry on top: the last one goes when the list is full.
template <int N> void PushNew(RecentList<N>& list, const char* text) {
    int limit = list.limit < 1 ? 1 : list.limit > N ? N : list.limit;
    if (list.count >= limit)
        list.count = limit - 1;
    PutOnTop(list, list.count, text);
    ++list.count;
}

} // namespace

void LoadRecentLists() {
    Load(Recent.projects, "NbIDE", "MaxIDE", 10, 3, 50, "TopBar\\IDE");
    Load(Recent.includes, "NbINC", "MaxINC", 50, 1, 199, "TopBar\\INC");
}

void SaveRecentLists() {
    Save(Recent.projects, "NbIDE", "MaxIDE", "TopBar\\IDE");
    Save(Recent.includes, "NbINC", "MaxINC", "TopBar\\INC");
}

void ForgetProject(const char* path) {
    RecentList<50>& list = Recent.projects;
    if (!path)
        return;
    for (int i = 0; i < list.count; ++i) {
        if (!SameIgnoringCase(list.entries[i], path))
            continue;
        for (int j = i + 1; j < list.count; ++j)
            std::memcpy(list.entries[j - 1], list.entries[j], kRecentEntrySize);
        --list.count;
        return;
    }
}

void RememberProject(const char* path) {
    RecentList<50>& list = Recent.projects;
    if (!path || !path[0])
        return;
    for (int i = 0; i < list.count; ++i)
        if (std::strcmp(list.entries[i], path) == 0)
            return;
    PushNew(list, path);
}

void RecordInclude(const char* name) {
    RecentList<200>& list = Recent.includes;
    if (!name || !name[0])
        return;
    for (int i = 0; i < list.count; ++i) {
        if (SameIgnoringCase(list.entries[i], name)) {
            PutOnTop(list, i, name);
            return;
        }
    }
    PushNew(list, name);
}

void CutEditorName(char* name) {
    if (!name || std::strlen(name) <= 3)
        return;
    if (char* colon = std::strchr(name + 3, ':'))
        *colon = 0;
}

bool IsIncludeName(const char* name) {
    size_t length = name ? std::strlen(name) : 0;
    return length > 0 && (name[length - 1] == 'h' || name[length - 1] == 'H');
}

void SetRecentLimits(int maxProjects, int maxIncludes) {
    Recent.projects.limit = Clamp(maxProjects, 3, 50);
    Recent.includes.limit = Clamp(maxIncludes, 1, 199);
    if (Recent.projects.count > Recent.projects.limit)
        Recent.projects.count = Recent.projects.limit;
    if (Recent.includes.count > Recent.includes.limit)
        Recent.includes.count = Recent.includes.limit;
}

} // namespace qelvo
