// The formatters of the HTML writer: escaping, links to the pages of classes, macros and
// functions, documentation texts (short and full form) and declaring code.
#pragma once

#include "html/ht_model.h"
#include "html/page_set.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qelvo {
namespace html {

class Formatter {
public:
    // Links name the pages of the set, and none that it has refused; without a set they name
    // the pages as they are called when no two names clash.
    explicit Formatter(const htProjet& project, const PageSet* pages = nullptr);

    // A run of non-identifier characters: & < > " become entities without a semicolon, 0x03 a
    // line break, the first "//" opens an italic span that the next "\n" closes.
    void Escape(std::string& out, const char* begin, const char* end, bool& italic) const;
    // A word: a link to the page of the class, macro or function of that name (the first of the
    // name in its sorted list) unless that symbol is the owner; otherwise the word as it is.
    void Link(std::string& out, const htSymbol* owner, const char* word, size_t n) const;
    // A documentation text; the 0xA7 marks announce parameters (one) and the return value (two).
    void Documentation(std::string& out, const htSymbol* owner, const String& text,
                       bool full) const;
    // Declaring code in a <pre> block, keywords in bold, names linked.
    void Code(std::string& out, const htSymbol* owner, const String& code) const;

private:
    void Word(std::string& out, const htSymbol* owner, const char*& p, bool& italic) const;
    enum Kind { kClassPage, kMacroPage, kFunctionPage };
    void Anchor(std::string& out, Kind kind, int position, const char* word, size_t n) const;
    const htProjet& project_;
    const PageSet* pages_;
    // The first class, macro and function of each name (positions in the sorted lists, -1
    // for none): every word of every text is looked up, so this goes by hash, not by search.
    struct Targets {
        int classPosition = -1;
        int macroPosition = -1;
        int functionPosition = -1;
    };
    std::unordered_map<std::string_view, Targets> targets_;
    std::vector<bool> shapes_; // lengths and first characters of the names above
};

bool IsIdentifierChar(char c);

} // namespace html
} // namespace qelvo
