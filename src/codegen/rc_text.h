// Small text helpers of the dialog class generator: the line reader, tokens and comma fields of
// resource-script lines, names derived from identifiers, and the control class table.
#pragma once

#include "foundation/qstring.h"

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace qelvo {
namespace codegen {

// Reads a file opened in binary mode line by line, the way the text mode of the IDE's runtime
// hands lines to fgets: CR LF ends a line as LF does, every other byte stays as it is. Reading
// the bytes ourselves gives the same lines on every platform (a script edited on Windows and
// scanned on Linux included), and tells each line's own end to whoever must keep it.
class LineReader {
public:
    explicit LineReader(FILE* file) : file_(file) {}

    // The next piece of a line: at most limit bytes of it, as fgets reads a long line in several
    // pieces (nothing of the line is lost), and in end the line end that follows the piece
    // ("\r\n" or "\n"; empty when the line goes on in the next piece or the file ends without
    // one). 0 at the end of the file.
    int Read(std::string& text, std::string& end, size_t limit);
    // The same piece as fgets gives it: with a line feed when a line end follows it.
    int Next(std::string& line, size_t limit);
    // The line (from 1) the last piece belongs to.
    int LineNumber() const { return line_; }
    // 1 when reading failed (rather than reaching the end of the file), even before a Rewind.
    int Failed() const { return failed_; }
    // Back to the first line, for the next pass over the same file.
    void Rewind();

private:
    // The byte ahead bytes after the next one, or EOF.
    int Peek(size_t ahead);

    FILE* file_;
    std::vector<char> buffer_;
    size_t start_ = 0;
    int line_ = 0;
    bool continued_ = false;
    bool atEnd_ = false;
    int failed_ = 0;
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
