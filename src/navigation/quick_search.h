// The line tests and the directory walk of the quick find: a name looked up as a function, a
// class, a method or a cross reference across directories of source files. The tests read only
// within the line they are given and never write to it.
#pragma once

#include "foundation/basic.h"
#include "foundation/qstring.h"
#include "foundation/tableau.h"
#include "navigation/line_walk.h"
#include "navigation/source_text.h"

#include <cstddef>
#include <functional>

namespace qelvo {

// The four searches, in the order of their commands (190 to 193).
enum QuickSearchKind { kSearchFunction = 0, kSearchMethod, kSearchClass, kSearchCross };

// One found line: for a method the class, "::" and the name as written, for a cross reference
// the whole line.
class QuickResu : public Basic {
public:
    QuickResu() = default;
    QuickResu(int line, const char* file, const char* text, size_t textLength);

    int line = 0; // 1-based
    String file;  // the path as found
    String text;
};

// Bytes other than 'a' to 'z', 'A' to 'Z', '0' to '9' and '_' separate words.
bool IsSeparator(char c);
// Where the first occurrence of name in line starts when it is a word there; false when the
// first occurrence is inside a longer word, or there is none (or name is empty).
bool FindWord(TextSpan line, const char* name, size_t nameLength, size_t& at);

bool IsFunctionLine(TextSpan line, const char* name, size_t nameLength);
bool IsClassLine(TextSpan line, const char* name, size_t nameLength);
// True with the result text ("Circle::draw") in text.
bool MethodLine(TextSpan line, const char* name, size_t nameLength, TextSpan& text);
bool IsCrossLine(TextSpan line, const char* name, size_t nameLength);

// Where a search puts the lines it finds, as it finds them: the file's path as found, the
// line number and the line's result text (see QuickResu), valid during the call only. False
// stops the search.
class QuickSink {
public:
    virtual bool Found(const char* file, int line, TextSpan text) = 0;

protected:
    ~QuickSink() = default;
};

// Gives the results of one text's lines to the sink; for functions and classes only the first
// matching line, and the answer says whether the search may go on. A cross reference looks
// only at the lines holding the name.
bool SearchText(QuickSearchKind kind, const char* name, const char* text, size_t length,
                const char* file, QuickSink& sink);
// The same, appended to results.
bool SearchText(QuickSearchKind kind, const char* name, const char* text, size_t length,
                const char* file, Tableau<QuickResu>& results);

// The file patterns of a search: the source mask, or for classes the header mask, then ';'
// when both are set, then the source mask.
String SearchPatterns(QuickSearchKind kind, const char* functionMask, const char* includeMask);

struct QuickSearch {
    QuickSearchKind kind = kSearchFunction;
    const char* name = "";
    const char* directories = ""; // separated by ';'
    const char* patterns = "";    // separated by ';'
    bool recurse = true;
    // A file's text by its path ("directory\name"); an empty text when it cannot be read.
    std::function<SourceText(const char* path)> read;
};

// For every directory in turn and every pattern in turn: the directory's files matching the
// pattern, in listing order, then (with recurse) its sub-directories whose names do not start
// with '.', depth first. Functions and classes end at the first matching file. Links are not
// followed. Returns 0 when some listed directory could not be read.
int RunQuickSearch(const QuickSearch& search, QuickSink& sink);
int RunQuickSearch(const QuickSearch& search, Tableau<QuickResu>& results);

// The search history: at most 20 names, the most recent first. A name already held moves to
// the front; otherwise, when it is full, the oldest is dropped.
constexpr int kHistorySize = 20;
void EnterHistory(Tableau<String>& history, const char* name);

} // namespace qelvo
