#include "html/html_format.h"

#include <cstring>

namespace qelvo {
namespace html {

namespace {

constexpr char kMark = '\xA7';

const std::string_view kKeywords[] = {"public",   "CLASS",  "operator", "const",    "friend",
                                      "static",   "class",  "private",  "virtual",  "protected",
                                      "__export", "export", "_export",  "template", "_import",
                                      "__import", "extern"};

bool IsKeyword(const char* word, size_t n) {
    for (std::string_view k : kKeywords)
        if (k.size() == n && std::memcmp(k.data(), word, n) == 0) return true;
    return false;
}

// Words are mostly not names of the project's symbols; a table of the lengths and first
// characters that names have turns most of them away before any hashing.
size_t Shape(const char* word, size_t n) {
    return n * 128 + static_cast<unsigned char>(word[0] & 0x7F);
}

const char* IdentEnd(const char* p) {
    while (IsIdentifierChar(*p))
        ++p;
    return p;
}

} // namespace

bool IsIdentifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

void Formatter::Escape(std::string& out, const char* begin, const char* end, bool& italic) const {
    for (const char* p = begin; p < end; ++p) {
        switch (*p) {
        case '&':
            out += "&#38";
            break;
        case '<':
            out += "&#60";
            break;
        case '>':
            out += "&#62";
            break;
        case '"':
            out += "&#34";
            break;
        case '\x03':
            out += "<br>\n";
            break;
        case '\n':
            out += italic ? "</I>\n" : "\n";
            italic = false;
            break;
        case '/':
            if (!italic && p + 1 < end && p[1] == '/') {
                out += "<I>/";
                italic = true;
            } else {
                out += '/';
            }
            break;
        default:
            out += *p;
        }
    }
}

Formatter::Formatter(const htProjet& project, const PageSet* pages)
    : project_(project), pages_(pages) {
    shapes_.assign((kMaxNameLength + 1) * 128, false);
    auto index = [this](const BasicTableau& list, int Targets::*position) {
        // The lists are sorted: the first entry of a name comes first.
        for (int i = list.count - 1; i >= 0; --i) {
            std::string_view name = static_cast<const htSymbol*>(list.items[i])->Name();
            targets_[name].*position = i;
            if (!name.empty() && name.size() <= kMaxNameLength)
                shapes_[Shape(name.data(), name.size())] = true;
        }
    };
    index(project.classes, &Targets::classPosition);
    index(project.macros, &Targets::macroPosition);
    index(project.functions, &Targets::functionPosition);
}

void Formatter::Link(std::string& out, const htSymbol* owner, const char* word, size_t n) const {
    auto found = n > 0 && n <= kMaxNameLength && shapes_[Shape(word, n)]
                     ? targets_.find(std::string_view(word, n))
                     : targets_.end();
    if (found != targets_.end()) {
        const Targets& t = found->second;
        if (t.classPosition >= 0 && project_.classes[t.classPosition] != owner) {
            Anchor(out, kClassPage, t.classPosition, word, n);
            return;
        }
        if (t.macroPosition >= 0 && project_.macros[t.macroPosition] != owner) {
            Anchor(out, kMacroPage, t.macroPosition, word, n);
            return;
        }
        if (t.functionPosition >= 0 && project_.functions[t.functionPosition] != owner) {
            Anchor(out, kFunctionPage, t.functionPosition, word, n);
            return;
        }
    }
    out.append(word, n);
}

// The word as a link to its page, or as it is when that page was refused: a word that names a
// class is not sent to a function of the same name instead.
void Formatter::Anchor(std::string& out, Kind kind, int position, const char* word,
                       size_t n) const {
    if (!pages_) {
        out += kind == kClassPage   ? "<a href =\"Class "
               : kind == kMacroPage ? "<a href =\"Define "
                                    : "<a href =\"Fnc ";
        out.append(word, n);
        if (kind != kClassPage) out.append(" ").append(std::to_string(position));
        out += ".html";
    } else {
        int id = kind == kClassPage   ? pages_->Class(position)
                 : kind == kMacroPage ? pages_->Macro(position)
                                      : pages_->Function(position);
        if (!pages_->Linkable(id)) {
            out.append(word, n);
            return;
        }
        out.append("<a href =\"").append(pages_->Name(id));
    }
    out.append("\" target=\"space\">").append(word, n).append("</a>");
}

void Formatter::Word(std::string& out, const htSymbol* owner, const char*& p,
                     bool& italic) const {
    // The character after the marks and the identifier characters that follow it.
    if (*p == 0)
        return;
    if (IsIdentifierChar(*p)) {
        const char* end = IdentEnd(p);
        Link(out, owner, p, static_cast<size_t>(end - p));
        p = end;
        return;
    }
    // A word that starts with another character names nothing: it is written, made safe.
    if (*p == kMark)
        out += *p;
    else
        Escape(out, p, p + 1, italic);
    ++p;
    const char* end = IdentEnd(p);
    out.append(p, static_cast<size_t>(end - p));
    p = end;
}

void Formatter::Documentation(std::string& out, const htSymbol* owner, const String& text,
                              bool full) const {
    if (text.Length() == 0) {
        out += "<I>Pas de documentation disponible !</I><br>";
        return;
    }
    bool italic = false;
    bool parametersShown = false;
    const char* p = text.c_str();
    while (*p) {
        if (*p == kMark) {
            if (p[1] == kMark) {
                out += full ? "<br><br><B>Retour :</B><br><br>\n" : "<br><U><I>Retour</I></U> : ";
                p += 2;
                Word(out, owner, p, italic);
            } else {
                if (full && !parametersShown) {
                    out += "<br><br><B>Param\xE8tres :</B><br>\n";
                    parametersShown = true;
                }
                out += "<br><I><CODE>";
                ++p;
                Word(out, owner, p, italic);
                out += "</CODE></I>";
            }
        } else if (IsIdentifierChar(*p)) {
            const char* end = IdentEnd(p);
            Link(out, owner, p, static_cast<size_t>(end - p));
            p = end;
        } else {
            const char* end = p;
            while (*end && *end != kMark && !IsIdentifierChar(*end))
                ++end;
            Escape(out, p, end, italic);
            p = end;
        }
    }
    out += "</pre>\n";
}

void Formatter::Code(std::string& out, const htSymbol* owner, const String& code) const {
    if (code.Length() == 0) {
        out += "<I><pre>Pas de code disponible !</I></pre><br>";
        return;
    }
    out += "<pre>";
    bool italic = false;
    const char* p = code.c_str();
    while (*p) {
        if (IsIdentifierChar(*p)) {
            const char* end = IdentEnd(p);
            size_t n = static_cast<size_t>(end - p);
            if (IsKeyword(p, n))
                out.append("<b>").append(p, n).append("</b>");
            else
                Link(out, owner, p, n);
            p = end;
        } else {
            const char* end = p;
            while (*end && !IsIdentifierChar(*end))
                ++end;
            Escape(out, p, end, italic);
            p = end;
        }
    }
    out += "</pre>\n";
}

} // namespace html
} // namespace qelvo
