#include "navigation/quick_search.h"

#include "foundation/tree_walk.h"

#include <cstring>
#include <string>

namespace qelvo {

namespace {

// Bytes compare as signed characters: a byte of 128 or more counts as a blank.
bool StartsAboveBlank(TextSpan line) {
    return line.length > 0 && static_cast<signed char>(line.start[0]) > ' ';
}

bool Has(TextSpan line, char c) {
    return std::memchr(line.start, c, line.length) != nullptr;
}

// Offset of the first c, or line.length when there is none.
size_t First(TextSpan line, char c) {
    const void* at = std::memchr(line.start, c, line.length);
    return at ? static_cast<size_t>(static_cast<const char*>(at) - line.start) : line.length;
}

size_t FirstText(TextSpan line, const char* what, size_t n) {
    if (n == 0 || n > line.length) return line.length;
    const char* p = line.start;
    const char* last = line.start + (line.length - n);
    while (p <= last) {
        p = static_cast<const char*>(std::memchr(p, what[0], static_cast<size_t>(last - p) + 1));
        if (!p) break;
        if (std::memcmp(p, what, n) == 0) return static_cast<size_t>(p - line.start);
        ++p;
    }
    return line.length;
}

// A line that may hold a function or method head.
bool IsHeadCandidate(TextSpan line) {
    if (!StartsAboveBlank(line)) return false;
    char first = line.start[0];
    return first != '/' && first != '#' && first != ':' && !Has(line, ';');
}

// The word starts before the line's first '(' (and there is one).
bool OpensAfter(TextSpan line, size_t at) {
    size_t paren = First(line, '(');
    return paren < line.length && paren > at;
}

} // namespace

QuickResu::QuickResu(int lineNumber, const char* fileName, const char* lineText,
                     size_t textLength)
    : line(lineNumber), file(fileName) {
    SetText(text, lineText, textLength);
}

bool IsSeparator(char c) {
    return !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
             c == '_');
}

bool FindWord(TextSpan line, const char* name, size_t nameLength, size_t& at) {
    if (!name || nameLength == 0) return false;
    size_t pos = FirstText(line, name, nameLength);
    if (pos >= line.length) return false;
    size_t end = pos + nameLength;
    if (pos > 0 && !IsSeparator(line.start[pos - 1])) return false;
    if (end < line.length && !IsSeparator(line.start[end])) return false;
    at = pos;
    return true;
}

bool IsFunctionLine(TextSpan line, const char* name, size_t nameLength) {
    size_t at;
    return IsHeadCandidate(line) && FindWord(line, name, nameLength, at) && OpensAfter(line, at);
}

bool IsClassLine(TextSpan line, const char* name, size_t nameLength) {
    size_t at;
    return line.length > 6 && StartsAboveBlank(line) && !Has(line, ';') &&
           std::memcmp(line.start, "class", 5) == 0 && IsSeparator(line.start[5]) &&
           FindWord(line, name, nameLength, at);
}

bool MethodLine(TextSpan line, const char* name, size_t nameLength, TextSpan& text) {
    size_t at;
    if (!IsHeadCandidate(line) || !FindWord(line, name, nameLength, at) || !OpensAfter(line, at))
        return false;
    size_t scope = FirstText(line, "::", 2);
    if (scope >= at) return false;
    size_t start = scope;
    while (start > 0 && !IsSeparator(line.start[start - 1]))
        --start;
    text = TextSpan{line.start + start, at + nameLength - start};
    return true;
}

bool IsCrossLine(TextSpan line, const char* name, size_t nameLength) {
    size_t at;
    return line.length > 0 && !StartsAboveBlank(line) && FindWord(line, name, nameLength, at);
}

namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n' || c == '\0';
}

// The line ends in text[from, to) as WalkLines counts them (a CR LF pair once); text[to] must
// exist unless to is the text's end, and must not be the LF of a pair begun before it. Blocks
// of 64 bytes are counted without a branch a byte.
int CountLineEnds(const char* text, size_t from, size_t to) {
    int count = 0;
    size_t i = from;
    for (; i + 64 < to; i += 64) {
        const unsigned char* p = reinterpret_cast<const unsigned char*>(text + i);
        unsigned char ends = 0;
        for (int j = 0; j < 64; ++j)
            ends += static_cast<unsigned char>((p[j] == '\n') | (p[j] == 0) |
                                               ((p[j] == '\r') & (p[j + 1] != '\n')));
        count += ends;
    }
    for (; i < to; ++i)
        if (IsLineEnd(text[i]) && !(text[i] == '\r' && i + 1 < to && text[i + 1] == '\n'))
            ++count;
    return count;
}

// The next place of name (n bytes, n > 0) in text[from, length), or length.
size_t NextPlace(const char* text, size_t from, size_t length, const char* name, size_t n) {
    const char first = name[0], last = name[n - 1];
    while (from + n <= length) {
        const char* p =
            static_cast<const char*>(std::memchr(text + from, first, length - n + 1 - from));
        if (!p) break;
        if (p[n - 1] == last && std::memcmp(p, name, n) == 0)
            return static_cast<size_t>(p - text);
        from = static_cast<size_t>(p - text) + 1;
    }
    return length;
}

// The cross reference over a whole text: the lines WalkLines would give, tested with
// IsCrossLine, but only those holding the name; a line's first place decides, so the search
// goes on after the line's end.
bool SearchCrossLines(const char* name, size_t n, const char* text, size_t length,
                      const char* file, QuickSink& sink) {
    size_t counted = 0, lineStart = 0;
    int number = 1; // of the line starting at lineStart
    for (size_t at = NextPlace(text, 0, length, name, n); at < length;
         at = NextPlace(text, at, length, name, n)) {
        // The line holding at: after the last line end before it.
        size_t start = at;
        while (start > counted && !IsLineEnd(text[start - 1]))
            --start;
        if (start > lineStart) {
            number += CountLineEnds(text, counted, start);
            lineStart = start;
        }
        size_t end = at + n;
        while (end < length && !IsLineEnd(text[end]))
            ++end;
        const TextSpan line = {text + lineStart, end - lineStart};
        if (IsCrossLine(line, name, n) && !sink.Found(file, number, line)) return false;
        counted = end;
        at = end;
    }
    return true;
}

class TableauSink final : public QuickSink {
public:
    explicit TableauSink(Tableau<QuickResu>& results) : results_(results) {}
    bool Found(const char* file, int line, TextSpan text) override {
        results_.Append(new QuickResu(line, file, text.start, text.length));
        return true;
    }

private:
    Tableau<QuickResu>& results_;
};

} // namespace

bool SearchText(QuickSearchKind kind, const char* name, const char* text, size_t length,
                const char* file, QuickSink& sink) {
    if (!text || !name) return true;
    size_t n = std::strlen(name);
    // A name holding a line end is in no line: the line walk below finds nothing either.
    if (kind == kSearchCross && n > 0 && !std::strpbrk(name, "\r\n"))
        return SearchCrossLines(name, n, text, length, file, sink);
    bool more = true;
    WalkLines(text, length, [&](TextSpan line, int number) {
        TextSpan found = line;
        bool match = false;
        switch (kind) {
        case kSearchFunction: match = IsFunctionLine(line, name, n); break;
        case kSearchClass: match = IsClassLine(line, name, n); break;
        case kSearchMethod: match = MethodLine(line, name, n, found); break;
        case kSearchCross: match = IsCrossLine(line, name, n); break;
        }
        if (!match) return true;
        if (!sink.Found(file, number, found)) more = false;
        if (kind == kSearchFunction || kind == kSearchClass) more = false;
        return more;
    });
    return more;
}

bool SearchText(QuickSearchKind kind, const char* name, const char* text, size_t length,
                const char* file, Tableau<QuickResu>& results) {
    TableauSink sink(results);
    return SearchText(kind, name, text, length, file, sink);
}

String SearchPatterns(QuickSearchKind kind, const char* functionMask, const char* includeMask) {
    String patterns;
    if (kind == kSearchClass) {
        patterns = includeMask ? includeMask : "";
        if (patterns.Length() > 0 && functionMask && *functionMask) patterns += ";";
    }
    patterns += functionMask ? functionMask : "";
    return patterns;
}

namespace {

class Searcher final : public TreeVisitor {
public:
    Searcher(const QuickSearch& search, QuickSink& sink) : search_(search), sink_(sink) {}

    int EnterDirectory(const WalkDirectory& directory) override {
        return !done && (directory.depth == 0 || directory.name[0] != '.');
    }
    void VisitFile(const WalkDirectory& directory, const platform::DirEntry& file) override {
        if (done) return;
        std::string path = directory.path + "\\" + file.name;
        SourceText text = search_.read ? search_.read(path.c_str()) : SourceText();
        if (!SearchText(search_.kind, search_.name, text.bytes.get(), text.length, path.c_str(),
                        sink_))
            done = true;
    }
    bool done = false;

private:
    const QuickSearch& search_;
    QuickSink& sink_;
};

std::vector<std::string> Items(const char* list) {
    std::vector<std::string> items;
    std::string all = list ? list : "";
    size_t start = 0;
    while (start <= all.size()) {
        size_t end = all.find(';', start);
        if (end == std::string::npos) end = all.size();
        // An empty item would name the root of the drive: it is left out.
        if (end > start) items.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

} // namespace

int RunQuickSearch(const QuickSearch& search, Tableau<QuickResu>& results) {
    TableauSink sink(results);
    return RunQuickSearch(search, sink);
}

int RunQuickSearch(const QuickSearch& search, QuickSink& sink) {
    Searcher searcher(search, sink);
    int ok = 1;
    std::vector<std::string> patterns = Items(search.patterns);
    for (const std::string& directory : Items(search.directories)) {
        for (const std::string& pattern : patterns) {
            if (searcher.done) return ok;
            WalkOptions options;
            options.patterns = pattern.c_str();
            options.skipHidden = false; // only sub-directories starting with '.' are skipped
            options.maxDepth = search.recurse ? 64 : 0;
            ok = WalkTree(directory.c_str(), options, searcher) && ok;
        }
    }
    return ok;
}

void EnterHistory(Tableau<String>& history, const char* name) {
    if (!name || !*name) return;
    for (int i = 0; i < history.count; ++i) {
        if (std::strcmp(history.At(i)->c_str(), name) == 0) {
            history.Destroy(i);
            break;
        }
    }
    while (history.count >= kHistorySize)
        history.Destroy(history.count - 1);
    history.Insert(new String(name), 0);
}

} // namespace qelvo
