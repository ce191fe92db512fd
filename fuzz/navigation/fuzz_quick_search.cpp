// The quick find's line tests read whatever the user's files hold. The input's first line is the
// name, the rest the text; the text is copied into a block of exactly its size, so a read past
// its end is caught by the sanitizer. Every result must lie inside the text, in line order, with
// a method's text ending in the name and a cross reference's text being a whole line of it;
// the cross reference finds exactly the lines a test of every line finds.
#include "navigation/quick_search.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    const void* newline = std::memchr(bytes, '\n', size < 64 ? size : 64);
    size_t nameLength = newline ? static_cast<size_t>(static_cast<const char*>(newline) - bytes) : 0;
    std::string name(bytes, nameLength);
    name = name.c_str(); // the name ends at its first NUL, as a typed name does
    size_t length = size - (newline ? nameLength + 1 : 0);
    std::unique_ptr<char[]> text(new char[length ? length : 1]);
    if (length) std::memcpy(text.get(), bytes + (size - length), length);

    for (qelvo::QuickSearchKind kind : {qelvo::kSearchFunction, qelvo::kSearchMethod,
                                        qelvo::kSearchClass, qelvo::kSearchCross}) {
        qelvo::Tableau<qelvo::QuickResu> results;
        qelvo::SearchText(kind, name.c_str(), text.get(), length, "f", results);
        if ((kind == qelvo::kSearchFunction || kind == qelvo::kSearchClass) && results.count > 1)
            std::abort();
        if (name.empty() && results.count != 0) std::abort();
        int previous = 0;
        for (int i = 0; i < results.count; ++i) {
            const qelvo::QuickResu* r = results.At(i);
            if (r->line <= previous || static_cast<size_t>(r->line) > length) std::abort();
            previous = r->line;
            size_t n = r->text.Length();
            // A method's text is its scope and "::" up to the name (the typed name may hold
            // ':' itself: ":draw" found in "::draw(" gives "::draw").
            if (kind == qelvo::kSearchMethod &&
                (n < name.size() || n < 2 ||
                 std::memcmp(r->text.c_str() + n - name.size(), name.data(), name.size()) != 0 ||
                 std::strstr(r->text.c_str(), "::") == nullptr))
                std::abort();
            if (kind == qelvo::kSearchCross &&
                (n == 0 || n > length || std::strstr(r->text.c_str(), name.c_str()) == nullptr))
                std::abort();
        }
    }
    // The cross reference looks only at the lines holding the name: it finds what testing
    // every line finds.
    qelvo::Tableau<qelvo::QuickResu> cross;
    qelvo::SearchText(qelvo::kSearchCross, name.c_str(), text.get(), length, "f", cross);
    int at = 0;
    bool same = true;
    qelvo::WalkLines(text.get(), length, [&](qelvo::TextSpan line, int number) {
        if (!qelvo::IsCrossLine(line, name.c_str(), name.size())) return true;
        const qelvo::QuickResu* r = at < cross.count ? cross.At(at) : nullptr;
        same = r && r->line == number && r->text.Length() == line.length &&
               std::memcmp(r->text.c_str(), line.start, line.length) == 0;
        ++at;
        return same;
    });
    if (!same || at != cross.count) std::abort();
    if (length && std::memcmp(text.get(), bytes + (size - length), length) != 0) std::abort();
    return 0;
}
