#include "html/ht_model.h"

#include <algorithm>
#include <cstring>

namespace qelvo {
namespace html {

namespace {
const char* NameOf(const Basic* b) { return static_cast<const htSymbol*>(b)->Name(); }

bool Before(const Basic* a, const Basic* b) { return std::strcmp(NameOf(a), NameOf(b)) < 0; }

void StableSortByName(BasicTableau& list) {
    if (list.count > 1)
        std::stable_sort(list.items, list.items + list.count, Before);
}

// Files of the same name in different folders come in the order of their paths, not in the
// order a listing gave them: that order differs between systems, and it decides which of them
// keeps the plain page names.
bool FileBefore(const Basic* a, const Basic* b) {
    int byName = std::strcmp(NameOf(a), NameOf(b));
    if (byName != 0) return byName < 0;
    return std::strcmp(static_cast<const htFile*>(a)->path.c_str(),
                       static_cast<const htFile*>(b)->path.c_str()) < 0;
}
} // namespace

htFile::htFile() {
    macros.owns = 0;
    functions.owns = 0;
    classes.owns = 0;
}

htProjet::htProjet() {
    // A large project holds tens of thousands of symbols: grow the lists in larger steps.
    functions.delta = 256;
    classes.delta = 256;
    macros.delta = 256;
    files.delta = 64;
}

void htProjet::SortLists() {
    StableSortByName(functions);
    StableSortByName(classes);
    StableSortByName(macros);
    if (files.count > 1) std::stable_sort(files.items, files.items + files.count, FileBefore);
}

int FirstPositionOf(const BasicTableau& list, const char* name) {
    // strcmp orders bytes as unsigned characters, as the sort did.
    Basic** end = list.items + list.count;
    Basic** found = std::lower_bound(list.items, end, name, [](const Basic* b, const char* key) {
        return std::strcmp(NameOf(b), key) < 0;
    });
    if (found == end || std::strcmp(NameOf(*found), name) != 0)
        return -1;
    return static_cast<int>(found - list.items);
}

int PositionInSorted(const BasicTableau& list, const htSymbol* symbol) {
    int i = FirstPositionOf(list, symbol->Name());
    if (i < 0)
        return -1;
    for (; i < list.count && std::strcmp(NameOf(list.items[i]), symbol->Name()) == 0; ++i)
        if (list.items[i] == symbol)
            return i;
    return -1;
}

namespace {
template <class T> T* Lookup(const Ensemble<T>& list, const char* name, int* position) {
    int i = FirstPositionOf(list, name);
    if (position)
        *position = i;
    return i < 0 ? nullptr : list.At(i);
}
} // namespace

htClass* htProjet::FindClass(const char* name, int* position) const {
    return Lookup(classes, name, position);
}

htSymbol* htProjet::FindMacro(const char* name, int* position) const {
    return Lookup(macros, name, position);
}

htSymbol* htProjet::FindFunction(const char* name, int* position) const {
    return Lookup(functions, name, position);
}

} // namespace html
} // namespace qelvo
