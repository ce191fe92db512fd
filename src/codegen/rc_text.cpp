#include "codegen/rc_text.h"

#include <cstring>

namespace qelvo {
namespace codegen {

namespace {

bool Blank(char c) { return c == ' ' || c == '\t'; }

// Bytes are compared as unsigned: letters of the upper half belong to tokens.
bool AboveSpace(char c) { return static_cast<unsigned char>(c) > ' '; }

String Slice(const char* start, size_t n) {
    if (n > String::kMaxLength)
        n = String::kMaxLength;
    String text;
    text.SetLength(static_cast<unsigned>(n));
    if (text.Length() != n)
        return String(); // memory exhausted
    char* block = text;
    std::memcpy(block, start, n);
    block[n] = 0;
    return text;
}

struct ClassRow {
    const char* lower;
    const char* upper;
    const char* generated;
};

// Every class but "button" maps straight to its generated class.
const ClassRow kClassRows[] = {
    {"edit", "EDIT", "Edit"},
    {"listbox", "LISTBOX", "List"},
    {"combobox", "COMBOBOX", "ComboBox"},
    {"SysListView32", "SYSLISTVIEW32", "ListView"},
    {"msctls_statusbar32", "MSCTLS_STATUSBAR32", "StatusBar"},
    {"ToolbarWindow32", "TOOLBARWINDOW32", "ToolBar"},
    {"msctls_progress32", "MSCTLS_PROGRESS32", "Progress"},
    {"msctls_trackbar32", "MSCTLS_TRACKBAR32", "TrackBar"},
    {"SysTabControl32", "SYSTABCONTROL32", "TabControl"},
    {"SysTreeView32", "SYSTREEVIEW32", "TreeView"},
};

bool Contains(const char* text, const char* part) { return std::strstr(text, part) != nullptr; }

} // namespace

int LineReader::Next(std::string& line, size_t limit) {
    line.clear();
    int c = std::getc(file_);
    if (c == EOF)
        return 0;
    for (; c != EOF; c = std::getc(file_)) {
        if (c == '\r') {
            int next = std::getc(file_);
            if (next == '\n')
                c = '\n';
            else if (next != EOF)
                std::ungetc(next, file_);
        }
        if (c == '\n') {
            line.push_back('\n');
            break;
        }
        if (line.size() < limit)
            line.push_back(static_cast<char>(c));
    }
    return 1;
}

int LineReader::Failed() const { return std::ferror(file_) != 0; }

void LineReader::Rewind() { std::rewind(file_); }

String NextToken(const char* text, const char** after) {
    while (Blank(*text))
        ++text;
    const char* start = text;
    while (AboveSpace(*text))
        ++text;
    if (after)
        *after = text;
    return Slice(start, static_cast<size_t>(text - start));
}

String GetField(const char* line, int n) {
    const char* p = line;
    bool quoted = false;
    for (int field = 0; field < n; ++field) {
        // Skip to just past the next comma outside quotes.
        while (*p && (quoted || *p != ',')) {
            if (*p == '"')
                quoted = !quoted;
            ++p;
        }
        if (!*p)
            return String();
        ++p;
    }
    while (Blank(*p))
        ++p;
    if (*p == '"') {
        const char* start = ++p;
        while (*p && *p != '"')
            ++p;
        return Slice(start, static_cast<size_t>(p - start));
    }
    const char* start = p;
    while (*p && (quoted || *p != ',')) {
        if (*p == '"')
            quoted = !quoted;
        ++p;
    }
    return Slice(start, static_cast<size_t>(p - start));
}

const char* DerivedName(const char* identifier) {
    if (std::strlen(identifier) >= 5 && identifier[3] == '_')
        return identifier + 4;
    return identifier;
}

bool IsLanguageVariant(const char* name) {
    size_t n = std::strlen(name);
    return n >= 6 && name[n - 5] == '_' && name[n - 2] >= '0' && name[n - 2] <= '9';
}

const char* GeneratedClass(const char* resourceClass, const char* style) {
    if (std::strcmp(resourceClass, "button") == 0 || std::strcmp(resourceClass, "BUTTON") == 0) {
        if (Contains(style, "BS_3STATE") || Contains(style, "BS_AUTO3STATE") ||
            Contains(style, "BS_CHECKBOX") || Contains(style, "BS_AUTOCHECKBOX"))
            return "CheckBox";
        if (Contains(style, "BS_RADIOBUTTON") || Contains(style, "BS_AUTORADIOBUTTON"))
            return "Radio";
        return "Control";
    }
    for (const ClassRow& row : kClassRows)
        if (std::strcmp(resourceClass, row.lower) == 0 ||
            std::strcmp(resourceClass, row.upper) == 0)
            return row.generated;
    return nullptr;
}

bool IsNotificationClass(const char* generatedClass) {
    return std::strcmp(generatedClass, "TabControl") == 0 ||
           std::strcmp(generatedClass, "TreeView") == 0 ||
           std::strcmp(generatedClass, "ListView") == 0;
}

void DropTrailingControl(std::string& line) {
    if (!line.empty() && static_cast<unsigned char>(line.back()) < ' ')
        line.pop_back();
}

} // namespace codegen
} // namespace qelvo
