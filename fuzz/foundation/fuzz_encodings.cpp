// Arbitrary bytes read as a list of texts and as one text, the way task files and other stored
// lists are read back: a failure result is fine, a crash, a leak or a huge allocation is not.
#include "foundation/qstring.h"
#include "foundation/tableau.h"

#include <cstdint>
#include <cstdio>

namespace {
FILE* Open(const uint8_t* data, size_t size) {
    FILE* f = std::tmpfile();
    if (!f)
        return nullptr;
    if (size)
        std::fwrite(data, 1, size, f);
    std::rewind(f);
    return f;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (FILE* f = Open(data, size)) {
        qelvo::Tableau<qelvo::String> list;
        if (list.fRead(f)) {
            for (int i = 0; i < list.count; ++i)
                if (!list.At(i))
                    __builtin_trap(); // success means every entry was read
        }
        std::fclose(f);
    }
    if (FILE* f = Open(data, size)) {
        qelvo::String text;
        while (text.fRead(f))
            if (text.c_str()[text.Length()] != 0)
                __builtin_trap();
        std::fclose(f);
    }
    return 0;
}
