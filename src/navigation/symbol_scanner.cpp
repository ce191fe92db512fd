#include "navigation/symbol_scanner.h"

#include "core/symbol_head.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace qelvo {

namespace {

// Bytes compare as signed characters, as the scan always has: a byte of 128 or more is a blank.
bool IsBlank(char c) {
    return static_cast<signed char>(c) <= ' ';
}

const char* Find(TextSpan s, char c) {
    return static_cast<const char*>(std::memchr(s.start, c, s.length));
}

const char* FindText(TextSpan s, const char* what) {
    size_t n = std::strlen(what);
    for (size_t i = 0; i + n <= s.length; ++i)
        if (std::memcmp(s.start + i, what, n) == 0) return s.start + i;
    return nullptr;
}

void AddSymbol(TextSpan line, int number, Tableau<Fnc>& symbols) {
    const char* s = line.start;
    SymbolHead head = SplitSymbolHead(s, static_cast<size_t>(Find(line, '(') - s));
    if (head.nameLength == 0) return;
    symbols.Append(new Fnc(s + head.nameStart, head.nameLength, s + head.classStart,
                           head.classLength, number));
}

int CompareSymbols(const Fnc* a, const Fnc* b) {
    int byClass = std::strcmp(a->className.c_str(), b->className.c_str());
    return byClass != 0 ? byClass : std::strcmp(a->name.c_str(), b->name.c_str());
}

} // namespace

Fnc::Fnc(const char* nameStart, size_t nameLength, const char* classStart, size_t classLength,
         int lineNumber)
    : line(lineNumber) {
    SetText(name, nameStart, nameLength);
    SetText(className, classStart, classLength);
}

bool IsSymbolCandidate(TextSpan line) {
    if (line.length == 0 || IsBlank(line.start[0])) return false;
    char first = line.start[0];
    if (first == ':' || first == '/' || first == '#') return false;
    if (Find(line, ';')) return false;
    const char* paren = Find(line, '(');
    return paren && paren > line.start;
}

void ScanSymbols(const char* text, size_t length, Tableau<Fnc>& symbols) {
    if (!text) return;
    WalkLines(text, length, [&](TextSpan line, int number) {
        if (symbols.count >= kMaxSymbols) return false;
        if (IsSymbolCandidate(line)) AddSymbol(line, number, symbols);
        return true;
    });
}

void SortSymbols(Tableau<Fnc>& symbols) {
    std::vector<Fnc*> order;
    order.reserve(static_cast<size_t>(symbols.count));
    for (int i = 0; i < symbols.count; ++i)
        order.push_back(symbols.At(i));
    // strcmp compares as unsigned bytes; stable, so equal entries stay in file order on every
    // system.
    std::stable_sort(order.begin(), order.end(),
                     [](const Fnc* a, const Fnc* b) { return CompareSymbols(a, b) < 0; });
    for (int i = 0; i < symbols.count; ++i)
        symbols.Put(order[static_cast<size_t>(i)], i);
}

bool IncludeName(TextSpan line, TextSpan& name) {
    if (!FindText(line, "#include")) return false;
    const char *open, *close;
    if ((open = Find(line, '<')) != nullptr) {
        close =
            Find(TextSpan{open + 1, line.length - static_cast<size_t>(open + 1 - line.start)}, '>');
    } else {
        open = Find(line, '"');
        if (!open || open == line.start) return false;
        close =
            Find(TextSpan{open + 1, line.length - static_cast<size_t>(open + 1 - line.start)}, '"');
    }
    // An unclosed name names nothing.
    if (!close || close == open + 1) return false;
    name = TextSpan{open + 1, static_cast<size_t>(close - open - 1)};
    return true;
}

void ScanIncludes(const char* text, size_t length, Tableau<String>& includes) {
    if (!text) return;
    WalkLines(text, length, [&](TextSpan line, int) {
        if (includes.count >= kMaxIncludes) return false;
        TextSpan name;
        if (IncludeName(line, name) && name.length <= kMaxIncludeName) {
            String* entry = new String();
            SetText(*entry, name.start, name.length);
            includes.Append(entry);
        }
        return true;
    });
}

} // namespace qelvo
