#include "foundation/qstring.h"

#include "platform/platform.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace qelvo {

namespace {
char sharedEmpty;

unsigned Bounded(size_t n) {
    return n > String::kMaxLength ? String::kMaxLength : static_cast<unsigned>(n);
}

// True when p points into [block, block + size).
bool Inside(const char* p, const char* block, size_t size) {
    return p && block && std::less_equal<const char*>()(block, p) &&
           std::less<const char*>()(p, block + size);
}
} // namespace

String::String() : text(static_cast<char*>(std::malloc(1))), length(0) {
    if (text)
        text[0] = 0;
}

String::String(const char* source) : String() {
    if (source)
        Assign(source, Bounded(std::strlen(source)));
}

String::String(int value) : String() { *this = value; }

String::String(const String& other) : String() {
    Assign(other.text, other.length);
}

String::~String() { std::free(text); }

void String::SetLength(unsigned n) {
    if (n > kMaxLength)
        n = kMaxLength;
    char* block = static_cast<char*>(std::realloc(text, n + 1u));
    if (!block)
        return; // memory exhausted: the old text stays
    text = block;
    length = static_cast<uint16_t>(n);
}

void String::Assign(const char* source, unsigned n) {
    if (Inside(source, text, length + 1u)) {
        // Assigning a part of this very text: copy it away before reallocating.
        String copy;
        copy.Assign(source, n);
        Assign(copy.text, copy.length);
        return;
    }
    SetLength(n);
    if (length != n) // reallocation failed
        return;
    std::memcpy(text, source, n);
    text[n] = 0;
}

void String::Append(const char* source, unsigned n) {
    if (n == 0)
        return;
    if (Inside(source, text, length + 1u)) {
        String copy;
        copy.Assign(source, n);
        Append(copy.text, copy.length);
        return;
    }
    unsigned old = length;
    unsigned total = old + n > kMaxLength ? kMaxLength : old + n;
    SetLength(total);
    if (length != total)
        return;
    std::memcpy(text + old, source, total - old);
    text[total] = 0;
}

String& String::operator=(const char* source) {
    Assign(source ? source : "", source ? Bounded(std::strlen(source)) : 0);
    return *this;
}

String& String::operator=(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d", value);
    Assign(buffer, static_cast<unsigned>(std::strlen(buffer)));
    return *this;
}

String& String::operator=(const String& other) {
    if (this != &other)
        Assign(other.text, other.length);
    return *this;
}

String& String::operator+=(const char* source) {
    if (source && *source)
        Append(source, Bounded(std::strlen(source)));
    return *this;
}

String& String::operator+=(const String& other) {
    if (other.length != 0)
        Append(other.text, other.length);
    return *this;
}

String& String::operator+=(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d", value);
    Append(buffer, static_cast<unsigned>(std::strlen(buffer)));
    return *this;
}

char& String::operator[](int i) {
    if (i >= 0 && i <= static_cast<int>(length))
        return text[i];
    platform::ShowMessage("Parcours de chaine hors limite !", "Erreur", platform::kMbOk);
    sharedEmpty = 0;
    return sharedEmpty;
}

String::operator long int() {
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    const char* digits = (*p == '+' || *p == '-') ? p + 1 : p;
    if (*digits < '0' || *digits > '9')
        return 0;
    errno = 0;
    return std::strtol(p, nullptr, 10); // out of range gives LONG_MIN or LONG_MAX
}

int String::fWrite(FILE* file) {
    if (!WriteUInt16(file, length))
        return 0;
    return std::fwrite(text, 1, length + 1u, file) == length + 1u;
}

int String::fRead(FILE* file) {
    uint16_t n;
    if (!ReadUInt16(file, n)) {
        Assign("", 0);
        return 0;
    }
    SetLength(n);
    if (length != n)
        return 0;
    size_t got = std::fread(text, 1, n + 1u, file);
    if (got < n + 1u) {
        // A short file: keep no half-read text.
        Assign("", 0);
        return 0;
    }
    // The encoding promises a zero after the characters; a corrupt file may not have one.
    text[n] = 0;
    return 1;
}

void SetText(String& out, const char* start, size_t n) {
    if (n > String::kMaxLength) n = String::kMaxLength;
    out.SetLength(static_cast<unsigned>(n));
    if (out.Length() != n) return;
    char* text = out;
    if (n) std::memcpy(text, start, n);
    text[n] = 0;
}

} // namespace qelvo
