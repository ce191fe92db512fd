#include "html/html_format.h"

#include <cstring>

namespace qelvo {
namespace html {

namespace {

constexpr char kMark = '\xA7';

const char* const kKeywords[] = {"public",   "CLASS",    "operator", "const",     "friend",
                                 "static",   "class",    "private",  "virtual",   "protected",
                                 "__export", "export",   "_export",  "template",  "_import",
                                 "__import", "extern"};

bool IsKeyword(const char* word, size_t n) {
    for (const char* k : kKeywords)
        if (std::strlen(k) == n && std::memcmp(k, word, n) == 0)
            return true;
    return false;
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

void Formatter::Link(std::string& out, const htSymbol* owner, const char* word, size_t n) const {
    if (n > 0 && n <= kMaxNameLength) {
        char name[kMaxNameLength + 1];
        std::memcpy(name, word, n);
        name[n] = 0;
        int i = -1;
        const htSymbol* target = project_.FindClass(name);
        if (target && target != owner) {
            out.append("<a href =\"Class ").append(name).append(".html\" target=\"space\">");
            out.append(name).append("</a>");
            return;
        }
        target = project_.FindMacro(name, &i);
        const char* page = "Define ";
        if (!target || target == owner) {
            target = project_.FindFunction(name, &i);
            page = "Fnc ";
        }
        if (target && target != owner) {
            out.append("<a href =\"").append(page).append(name).append(" ");
            out.append(std::to_string(i)).append(".html\" target=\"space\">");
            out.append(name).append("</a>");
            return;
        }
    }
    out.append(word, n);
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
