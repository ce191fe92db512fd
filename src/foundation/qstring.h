// The one text class: owned heap text of exactly length + 1 bytes with a 16-bit length.
// Every change reallocates to the exact size; the text is always NUL-terminated.
#pragma once

#include "foundation/basic.h"

#include <cstddef>

namespace qelvo {

class String : public Basic {
public:
    // Longest text a String holds; longer texts are cut there.
    static constexpr unsigned kMaxLength = 65535;

    String();
    String(const char* text);
    explicit String(int value);
    String(const String& other);
    ~String() override;

    String& operator=(const char* text);
    String& operator=(int value);
    String& operator=(const String& other);
    String& operator+=(const char* text);
    String& operator+=(const String& other);
    String& operator+=(int value);

    // Reallocates the block to n + 1 bytes and sets the length to n; writes no terminator.
    void SetLength(unsigned n);
    unsigned Length() const { return length; }
    const char* c_str() const { return text; }

    // Character i for 0 <= i <= length (length gives the terminator); anything else says
    // "Parcours de chaine hors limite !" and gives a shared empty character.
    char& operator[](int i);

    int fWrite(FILE* file) override;
    int fRead(FILE* file) override;
    operator char*() override { return text; }
    // The number the text starts with ("%ld": leading blanks skipped, trailing text ignored),
    // or 0 when it does not start with one.
    operator long int() override;

private:
    void Assign(const char* source, unsigned n);
    void Append(const char* source, unsigned n);

    char* text;
    uint16_t length;
};

// Makes out the n bytes at start (cut at String::kMaxLength); when memory is exhausted the text
// stays as it was.
void SetText(String& out, const char* start, size_t n);

} // namespace qelvo
