// Small text helpers of the dialog class generator: the line reader, tokens and comma fields of
// resource-script lines, names derived from identifiers, and the control class table.
#pragma once

#include "foundation/qstring.h"

#include <cstddef>
#include <cstdio>
#include <string>

namespace qelvo {
namespace codegen {

// Reads a file opened in binary mode line by line, the way the text mode of the IDE's runtime
// hands lines to fgets: CR LF becomes LF, every other byte stays as it is. Reading the bytes
// ourselves gives the same lines on every platform (a script edited on Windows and scanned on
// Linux included).
class LineReader {
public:
    explicit LineReader(FILE* file) : file_(file) {}

    // The next line with its line feed when it has one (the last line of a file may have
    // none). A line longer than limit bytes keeps its first limit bytes and its line feed; the
    // rest of it is skipped, so a long line never turns into several statements. 0 at the end.
    int Next(std::string& line, size_t limit);
    // 1 when reading failed (rather than reaching the end of the file).
    int Failed() const;
    // Back to the first line, for the next pass over the same file.
    void Rewind();

private:
    FILE* file_;
};

// Skips leading blanks and tabs and gives the following run of bytes above a space. When after
// is given, it receives the position just past the token.
String NextToken(const char* text, const char** after = nullptr);

// Field n (from 0) of a line split at commas outside double quotes; leading blanks and tabs of
// the field are skipped, and a field that starts with a double quote is given without its
// quotes (up to the next double quote). An absent field is empty.
String GetField(const char* line, int n);

// The name a handler takes from an identifier: the identifier less its first four characters
// when it has at least 5 and its fourth is '_' (IDC_NAME gives NAME, IDM_OPEN gives OPEN),
// otherwise the identifier unchanged.
const char* DerivedName(const char* identifier);

// True for a language variant of a dialog (DLG_0409): a name of at least 6 characters whose
// fifth character from the end is '_' and whose second from the end is a digit.
bool IsLanguageVariant(const char* name);

// The generated class of a CONTROL statement's resource class (compared exactly as written)
// and style, or null for a class that gives no member (static texts among them).
const char* GeneratedClass(const char* resourceClass, const char* style);

// TabControl, TreeView and ListView: their handlers receive the notification header.
bool IsNotificationClass(const char* generatedClass);

// Removes one trailing byte below a space (the line feed, as a rule).
void DropTrailingControl(std::string& line);

} // namespace codegen
} // namespace qelvo
