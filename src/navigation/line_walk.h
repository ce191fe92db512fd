// The line walk every scan of a source text shares: a line ends at CR, LF or NUL, a CR LF pair
// ends one line, the last line needs no end, and lines are numbered from 1.
#pragma once

#include <cstddef>

namespace qelvo {

// The pieces of one line, for the tests of the rules.
struct TextSpan {
    const char* start;
    size_t length;
};

// Calls visit(line, number) for each line of text[0, length) until it gives false. Each step
// moves on by at least one byte, so the walk always ends.
template <class Visit> void WalkLines(const char* text, size_t length, Visit visit) {
    size_t pos = 0;
    int number = 0;
    while (pos < length) {
        size_t end = pos;
        while (end < length && text[end] != '\r' && text[end] != '\n' && text[end] != '\0')
            ++end;
        ++number;
        if (!visit(TextSpan{text + pos, end - pos}, number)) return;
        if (end >= length) return;
        pos = end + 1;
        if (text[end] == '\r' && pos < length && text[pos] == '\n') ++pos;
    }
}

} // namespace qelvo
