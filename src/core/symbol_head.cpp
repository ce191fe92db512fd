#include "core/symbol_head.h"

#include <cstring>

namespace qelvo {

namespace {

// Leading blanks, '*' and '&' belong to the declaration, not to the name.
void SkipDecoration(size_t& start, size_t end, const char* s) {
    while (start < end && (IsHeadBlank(s[start]) || s[start] == '*' || s[start] == '&'))
        ++start;
}

// Where the word that ends just after position from starts: after the last blank at or before
// from, or at 0.
size_t WordStart(const char* s, long from) {
    for (long k = from; k >= 0; --k)
        if (IsHeadBlank(s[k])) return static_cast<size_t>(k) + 1;
    return 0;
}

// The first "::" of s[0, n), or n.
size_t FindColons(const char* s, size_t n) {
    for (size_t i = 0; i + 2 <= n; ++i)
        if (s[i] == ':' && s[i + 1] == ':') return i;
    return n;
}

} // namespace

SymbolHead SplitSymbolHead(const char* s, size_t cut) {
    SymbolHead head;
    size_t p = FindColons(s, cut);
    size_t nameStart, nameEnd = cut;
    if (p < cut && p > 0) {
        nameStart = p + 2;
        // The byte before "::" always belongs to the class name.
        size_t classStart = WordStart(s, static_cast<long>(p) - 2);
        SkipDecoration(classStart, p, s);
        head.classStart = classStart;
        head.classLength = p - classStart;
    } else {
        // The byte before '(' always belongs to the name, even a blank.
        nameStart = WordStart(s, static_cast<long>(cut) - 2);
    }
    SkipDecoration(nameStart, nameEnd, s);
    if (nameStart < nameEnd) {
        head.nameStart = nameStart;
        head.nameLength = nameEnd - nameStart;
    }
    return head;
}

} // namespace qelvo
