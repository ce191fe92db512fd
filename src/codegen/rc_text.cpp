#include "codegen/rc_text.h"

#include <cstring>

namespace qelvo {
namespace codegen {

namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t';
}

// Bytes are compared as unsigned: letters of the upper half belong to tokens.
bool AboveSpace(char c) {
    return static_cast<unsigned char>(c) > ' ';
}

String Slice(const char* start, size_t n) {
    if (n > String::kMaxLength) n = String::kMaxLength;
    String text;
    text.SetLength(static_cast<unsigned>(n));
    if (text.Length() != n) return String(); // memory exhausted
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

bool Contains(const char* text, const char* part) {
    return std::strstr(text, part) != nullptr;
}

constexpr size_t kReadBlock = 16384;

} // namespace

int LineReader::Peek(size_t ahead) {
    if (start_ + ahead >= buffer_.size() && !atEnd_) {
        // Keep what is left and read a block behind it.
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(start_));
        start_ = 0;
        size_t kept = buffer_.size();
        buffer_.resize(kept + kReadBlock);
        size_t n = std::fread(buffer_.data() + kept, 1, kReadBlock, file_);
        buffer_.resize(kept + n);
        if (n < kReadBlock) {
            atEnd_ = true;
            if (std::ferror(file_)) failed_ = 1;
        }
    }
    if (start_ + ahead >= buffer_.size()) return EOF;
    return static_cast<unsigned char>(buffer_[start_ + ahead]);
}

int LineReader::Read(std::string& text, std::string& end, size_t limit) {
    text.clear();
    end.clear();
    if (Peek(0) == EOF) return 0;
    if (!continued_) ++line_;
    if (limit == 0) limit = 1;
    continued_ = false;
    for (;;) {
        int c = Peek(0);
        if (c == EOF) break;
        if (c == '\n' || (c == '\r' && Peek(1) == '\n')) {
            end = c == '\n' ? "\n" : "\r\n";
            start_ += end.size();
            break;
        }
        if (text.size() >= limit) {
            continued_ = true;
            break;
        }
        text.push_back(static_cast<char>(c));
        ++start_;
    }
    return 1;
}

int LineReader::Next(std::string& line, size_t limit) {
    std::string end;
    if (!Read(line, end, limit)) return 0;
    if (!end.empty()) line.push_back('\n');
    return 1;
}

void LineReader::Rewind() {
    std::rewind(file_);
    buffer_.clear();
    start_ = 0;
    line_ = 0;
    continued_ = false;
    atEnd_ = false;
}

String NextToken(const char* text, const char** after) {
    while (Blank(*text))
        ++text;
    const char* start = text;
    while (AboveSpace(*text))
        ++text;
    if (after) *after = text;
    return Slice(start, static_cast<size_t>(text - start));
}

String GetField(const char* line, int n) {
    const char* p = line;
    bool quoted = false;
    for (int field = 0; field < n; ++field) {
        // Skip to just past the next comma outside quotes.
        while (*p && (quoted || *p != ',')) {
            if (*p == '"') quoted = !quoted;
            ++p;
        }
        if (!*p) return String();
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
        if (*p == '"') quoted = !quoted;
        ++p;
    }
    return Slice(start, static_cast<size_t>(p - start));
}

const char* DerivedName(const char* identifier) {
    if (std::strlen(identifier) >= 5 && identifier[3] == '_') return identifier + 4;
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
    if (!line.empty() && static_cast<unsigned char>(line.back()) < ' ') line.pop_back();
}

} // namespace codegen
} // namespace qelvo
