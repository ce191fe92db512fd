// The line scan of a source text for function, class and method heads and for include names.
// It works on whatever an editor holds (unfinished code, binary bytes, NULs, very long lines):
// it reads only within the given length and never writes to the text.
#pragma once

#include "foundation/qstring.h"
#include "foundation/tableau.h"
#include "navigation/line_walk.h"

#include <cstddef>

namespace qelvo {

// One symbol found by the scan: a function, or a method with its class.
class Fnc : public Basic {
public:
    Fnc() = default;
    Fnc(const char* name, size_t nameLength, const char* className, size_t classLength, int line);

    String name;
    String className; // empty for a free function
    int line = 0;     // 1-based
};

// The function menu's commands run from 1000 to 9999 and the include menu's from 700 to 799:
// the scans keep no more than those ranges hold, so no command falls into another range.
constexpr int kMaxSymbols = 9000;
constexpr int kMaxIncludes = 100;
// Include names beyond this many characters name no file the IDE can open: they are skipped.
constexpr size_t kMaxIncludeName = 199;

// Appends the symbol of every candidate line of text[0, length) to symbols, in file order.
void ScanSymbols(const char* text, size_t length, Tableau<Fnc>& symbols);
// Sorts by class name, then by name, byte by byte as unsigned bytes; equal keys keep file order.
void SortSymbols(Tableau<Fnc>& symbols);
// Appends the name of every include line of text[0, length) to includes, in file order.
void ScanIncludes(const char* text, size_t length, Tableau<String>& includes);

// Whether the line may hold a function or method head.
bool IsSymbolCandidate(TextSpan line);
// The include name of the line; false when it names none.
bool IncludeName(TextSpan line, TextSpan& name);

} // namespace qelvo
