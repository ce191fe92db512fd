// A settings group read and written field by field: the integers of a structure listed with
// their value names (written back in the order listed), and texts with the table's defaults.
#pragma once

#include "foundation/qstring.h"
#include "foundation/settings.h"
#include "foundation/settings_defaults.h"

#include <cstddef>

namespace qelvo {

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

inline void LoadText(const char* group, const char* name, String& field) {
    ReadText(group, name, field, DefaultText(group, name));
}

} // namespace qelvo
