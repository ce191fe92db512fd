// The scans read whatever an editor holds: any bytes must give a bounded table without reading
// outside the text. The input is copied into a block of exactly its size, so a read past the
// end is caught by the sanitizer, and the text must come out unchanged.
#include "navigation/symbol_scanner.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<char[]> text(new char[size ? size : 1]);
    if (size) std::memcpy(text.get(), data, size);

    qelvo::Tableau<qelvo::Fnc> symbols;
    qelvo::ScanSymbols(text.get(), size, symbols);
    if (symbols.count > qelvo::kMaxSymbols) std::abort();
    int previousLine = 0;
    for (int i = 0; i < symbols.count; ++i) {
        const qelvo::Fnc* f = symbols.At(i);
        if (f->name.Length() == 0 || f->line <= previousLine) std::abort();
        previousLine = f->line;
    }
    qelvo::SortSymbols(symbols);

    qelvo::Tableau<qelvo::String> includes;
    qelvo::ScanIncludes(text.get(), size, includes);
    if (includes.count > qelvo::kMaxIncludes) std::abort();
    for (int i = 0; i < includes.count; ++i) {
        unsigned n = includes.At(i)->Length();
        if (n == 0 || n > qelvo::kMaxIncludeName) std::abort();
    }
    if (size && std::memcmp(text.get(), data, size) != 0) std::abort();
    return 0;
}
