// The class and name of a function or method head, shared by the editor menu's symbol scan and
// the extraction of keyword files: the line cut at its first '(', "::" after position 0 making
// a method, the words found by scanning back to the previous blank.
#pragma once

#include <cstddef>

namespace qelvo {

// Bytes compare as signed characters: a byte of 128 or more counts as a blank.
inline bool IsHeadBlank(char c) {
    return static_cast<signed char>(c) <= ' ';
}

struct SymbolHead {
    size_t classStart = 0, classLength = 0; // no class: a free function
    size_t nameStart = 0, nameLength = 0;   // an empty name: the line gives nothing
};

// The head of line[0, cut), where cut (at least 1) is the position of the line's first '('.
// Leading blanks, '*' and '&' are skipped at the start of the class name and of the name.
SymbolHead SplitSymbolHead(const char* line, size_t cut);

} // namespace qelvo
