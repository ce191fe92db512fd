#include "html/doc_scanner.h"

#include "foundation/tree_walk.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstring>

namespace qelvo {
namespace html {

namespace {

bool IsIdent(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool StartsWith(const char* line, const char* prefix) {
    return std::strncmp(line, prefix, std::strlen(prefix)) == 0;
}

// A name as the model keeps it: at most 79 characters.
std::string Name(const char* begin, size_t n) {
    return std::string(begin, n > kMaxNameLength ? kMaxNameLength : n);
}

size_t IdentLength(const char* p) {
    size_t n = 0;
    while (IsIdent(p[n]))
        ++n;
    return n;
}

// The rest of a documentation comment's first line: from the first identifier character after
// the name on.
const char* BriefAfter(const char* p) {
    while (*p && !IsIdent(*p))
        ++p;
    return p;
}

// Last occurrence of word in line, or null.
const char* LastOccurrence(const char* line, size_t len, const char* word) {
    size_t n = std::strlen(word);
    for (size_t i = len; i >= n; --i)
        if (std::memcmp(line + i - n, word, n) == 0) return line + i - n;
    return nullptr;
}

// The line and its "\n", appended in one step.
void AppendLine(String& target, const char* line, size_t len, const char* ending) {
    char buffer[kMaxLineLength + 4];
    if (len > kMaxLineLength) len = kMaxLineLength;
    std::memcpy(buffer, line, len);
    std::strcpy(buffer + len, ending);
    target += buffer;
}

} // namespace

// Cuts a byte stream into the lines the reader sees: each piece ends after a '\n' or when it
// holds 4095 bytes, whichever comes first.
class DocScanner::Splitter {
public:
    explicit Splitter(DocScanner& scanner) : scanner_(scanner) {}
    void Feed(const char* data, size_t size) {
        for (size_t i = 0; i < size; ++i) {
            piece_[used_++] = data[i];
            if (data[i] == '\n' || used_ == kMaxLineLength) Emit();
        }
    }
    void Finish() {
        if (used_ > 0) Emit();
    }

private:
    void Emit() {
        piece_[used_] = 0;
        used_ = 0;
        scanner_.ScanLine(piece_);
    }
    DocScanner& scanner_;
    char piece_[kMaxLineLength + 1];
    size_t used_ = 0;
};

DocScanner::DocScanner(htProjet& project) : project_(project) {}

void DocScanner::BeginFile(htFile& file) {
    file_ = &file;
    inFile_.clear();
}

void DocScanner::StartText() {
    state_ = Idle;
    current_ = nullptr;
    blockComment_ = false;
}

int DocScanner::ScanPath(const char* path) {
    // Binary mode: line ends are trimmed anyway, and a Ctrl-Z does not end the text early.
    FILE* in = platform::OpenFile(path, "rb");
    if (!in) return 0;
    // Read in large blocks straight into ours: the library's own buffer would only be copied.
    std::setvbuf(in, nullptr, _IONBF, 0);
    StartText();
    Splitter splitter(*this);
    static thread_local char block[65536];
    size_t n;
    while ((n = std::fread(block, 1, sizeof block, in)) > 0)
        splitter.Feed(block, n);
    splitter.Finish();
    std::fclose(in);
    return 1;
}

void DocScanner::ScanBuffer(const char* data, size_t size) {
    StartText();
    Splitter splitter(*this);
    splitter.Feed(data, size);
    splitter.Finish();
}

void DocScanner::ScanLine(const char* line) {
    size_t len = std::strlen(line);
    if (len > kMaxLineLength) len = kMaxLineLength;
    while (len > 0 && static_cast<unsigned char>(line[len - 1]) < ' ')
        --len;
    char trimmed[kMaxLineLength + 1];
    std::memcpy(trimmed, line, len);
    trimmed[len] = 0;

    // A line can open and close a block comment at once.
    if (!blockComment_ && std::strstr(trimmed, "/*")) blockComment_ = true;
    if (blockComment_ && std::strstr(trimmed, "*/")) blockComment_ = false;

    switch (state_) {
    case Idle:
        ScanIdle(trimmed, len);
        break;
    case ClassDoc:
    case MemberDoc:
    case FunctionDoc:
    case MacroDoc:
    case FileDoc:
        ScanDoc(trimmed, len);
        break;
    case ClassCode:
        if (current_) AppendLine(current_->code, trimmed, len, "\n");
        if (len > 0 && trimmed[0] == '}') state_ = Idle;
        break;
    case MacroCode:
        if (current_) AppendLine(current_->code, trimmed, len, "\n");
        if (len == 0 || trimmed[len - 1] != '\\') state_ = Idle;
        break;
    }
}

void DocScanner::ScanDoc(const char* line, size_t len) {
    if (len > 1 && std::strstr(line, "*/")) {
        state_ = Idle;
        return;
    }
    if (StartsWith(line, "//")) return;
    htSymbol* target = state_ == FileDoc ? static_cast<htSymbol*>(file_) : current_;
    if (!target) return;
    if (len > 0 && line[len - 1] == '~')
        AppendLine(target->text, line, len - 1, "\x03\n");
    else
        AppendLine(target->text, line, len, "\n");
}

void DocScanner::ScanIdle(const char* line, size_t len) {
    if (len > 6 && StartsWith(line, "/** ::")) {
        const char* p = line + 6;
        size_t n = IdentLength(p);
        htClass* c = FindOrCreateClass(Name(p, n));
        c->brief = BriefAfter(p + n);
        current_ = c;
        state_ = ClassDoc;
        return;
    }
    if (len > 9 && StartsWith(line, "/** ")) {
        if (const char* colons = std::strstr(line, "::")) {
            htClass* c = FindOrCreateClass(Name(line + 4, static_cast<size_t>(colons - line - 4)));
            current_ = FindOrCreateMember(*c, Name(colons + 2, std::strlen(colons + 2)), ByComment);
            state_ = MemberDoc;
            return;
        }
    }
    if (len > 6 && StartsWith(line, "/** #")) {
        const char* p = line + 5;
        size_t n = IdentLength(p);
        current_ = FindOrCreateMacro(Name(p, n), ByComment);
        current_->brief = BriefAfter(p + n);
        state_ = MacroDoc;
        return;
    }
    if (len > 6 && StartsWith(line, "/** ")) {
        const char* p = line + 4;
        size_t n = IdentLength(p);
        current_ = FindOrCreateFunction(Name(p, n), ByComment);
        current_->brief = BriefAfter(p + n);
        state_ = FunctionDoc;
        return;
    }
    if (!blockComment_) {
        if (ClassHead(line, len) || FunctionDefinition(line, len) || MemberDefinition(line, len) ||
            Define(line, len))
            return;
    }
    if (std::strcmp(line, "/**") == 0) {
        current_ = file_;
        state_ = FileDoc;
    }
}

bool DocScanner::ClassHead(const char* line, size_t len) {
    if (len <= 6 || !IsIdent(line[0]) || line[len - 1] == '\\') return false;
    const char* lower = LastOccurrence(line, len, "class");
    const char* upper = LastOccurrence(line, len, "CLASS");
    const char* word = lower && (!upper || lower > upper) ? lower : upper;
    // The word must be followed by a character of the line that ends it.
    if (!word || word + 5 >= line + len || IsIdent(word[5])) return false;
    const char* p = word + 5;
    while (*p && !IsIdent(*p))
        ++p;
    htClass* c = FindOrCreateClass(Name(p, IdentLength(p)));
    c->code = "";
    AppendLine(c->code, line, len, "\n");
    current_ = c;
    state_ = ClassCode;
    return true;
}

bool DocScanner::FunctionDefinition(const char* line, size_t len) {
    if (len <= 2 || StartsWith(line, "CALCUL_") || !IsIdent(line[0]) || line[len - 1] != ')' ||
        std::strstr(line, "::"))
        return false;
    const char* paren = std::strchr(line, '(');
    if (!paren) return false;
    const char* end = paren;
    while (end > line && !IsIdent(end[-1]))
        --end;
    const char* begin = end;
    while (begin > line && IsIdent(begin[-1]))
        --begin;
    htSymbol* f = FindOrCreateFunction(Name(begin, static_cast<size_t>(end - begin)), ByCode);
    f->code = "";
    AppendLine(f->code, line, len, "\n");
    return true;
}

bool DocScanner::MemberDefinition(const char* line, size_t len) {
    if (len <= 2 || len > kMaxMemberLineLength || !IsIdent(line[0]) || line[len - 1] != ')' ||
        !std::strchr(line, '('))
        return false;
    const char* colons = std::strstr(line, "::");
    if (!colons) return false;
    const char* classBegin = colons;
    while (classBegin > line && IsIdent(classBegin[-1]))
        --classBegin;
    const char* member = colons + 2;
    const char* memberEnd = std::strchr(member, '(');
    if (!memberEnd) memberEnd = line + len;
    htClass* c = FindOrCreateClass(Name(classBegin, static_cast<size_t>(colons - classBegin)));
    htSymbol* m =
        FindOrCreateMember(*c, Name(member, static_cast<size_t>(memberEnd - member)), ByCode);
    // The return type, then the member's own part: "int TFoo::Size(int a)" gives
    // "int Size(int a)".
    std::string code(line, static_cast<size_t>(classBegin - line));
    code.append(member, static_cast<size_t>(line + len - member));
    code += "\n";
    m->code = code.c_str();
    return true;
}

bool DocScanner::Define(const char* line, size_t len) {
    if (len <= 8 || !StartsWith(line, "#define")) return false;
    const char* p = line + 7;
    while (*p && !IsIdent(*p))
        ++p;
    size_t n = IdentLength(p);
    const char* after = p + n;
    // A bare guard such as #define FOO_H names nothing to document (blanks after it included).
    while (*after == ' ')
        ++after;
    if (*after == 0) return true;
    htSymbol* m = FindOrCreateMacro(Name(p, n), ByCode);
    m->code = "";
    AppendLine(m->code, line, len, "\n");
    if (line[len - 1] == '\\') {
        current_ = m;
        state_ = MacroCode;
    }
    return true;
}

void DocScanner::NoteInFile(htSymbol* symbol, BasicTableau& fileList) {
    if (inFile_.insert(symbol).second) fileList.Append(symbol);
}

htSymbol* DocScanner::FindOrCreate(std::unordered_map<std::string, std::vector<htSymbol*>>& index,
                                   const std::string& name, Rule rule,
                                   Ensemble<htSymbol>& projectList, Ensemble<htSymbol>* fileList) {
    // Repeated names (overloads) pair documentation with declarations in order of appearance:
    // a declaration takes the first one without code, a comment the first one without text.
    std::vector<htSymbol*>& same = index[name];
    for (htSymbol* s : same) {
        if ((rule == ByCode ? s->code : s->text).Length() == 0) {
            if (fileList) NoteInFile(s, *fileList);
            return s;
        }
    }
    htSymbol* s = new htSymbol;
    s->name = name.c_str();
    projectList.Append(s);
    same.push_back(s);
    if (fileList) NoteInFile(s, *fileList);
    return s;
}

htSymbol* DocScanner::FindOrCreateFunction(const std::string& name, Rule rule) {
    return FindOrCreate(functions_, name, rule, project_.functions,
                        file_ ? &file_->functions : nullptr);
}

htSymbol* DocScanner::FindOrCreateMacro(const std::string& name, Rule rule) {
    return FindOrCreate(macros_, name, rule, project_.macros, file_ ? &file_->macros : nullptr);
}

htClass* DocScanner::FindOrCreateClass(const std::string& name) {
    htClass*& c = classes_[name];
    if (!c) {
        c = new htClass;
        c->name = name.c_str();
        project_.classes.Append(c);
    }
    if (file_) NoteInFile(c, file_->classes);
    return c;
}

htSymbol* DocScanner::FindOrCreateMember(htClass& owner, const std::string& name, Rule rule) {
    return FindOrCreate(members_[&owner], name, rule, owner.members, nullptr);
}

std::string CompanionPath(const char* sourcePath) {
    return std::string(sourcePath) + ".txt";
}

namespace {

// Each matching file becomes a file of the model, read after its companion file.
class ModelVisitor : public TreeVisitor {
public:
    ModelVisitor(DocScanner& scanner, htProjet& project) : scanner_(scanner), project_(project) {}
    void VisitFile(const WalkDirectory& directory, const platform::DirEntry& entry) override {
        htFile* file = new htFile;
        std::string path = directory.path + "\\" + entry.name;
        file->path = path.c_str();
        file->name = entry.name.c_str();
        project_.files.Append(file);
        scanner_.BeginFile(*file);
        // Only a regular companion: a pipe of that name would wait for a writer for ever.
        std::string companion = CompanionPath(path.c_str());
        if (platform::GetFileStatus(companion.c_str()).isFile) scanner_.ScanPath(companion.c_str());
        scanner_.ScanPath(path.c_str());
    }

private:
    DocScanner& scanner_;
    htProjet& project_;
};

} // namespace

std::unique_ptr<htProjet> BuildModel(const char* directory, const char* patterns,
                                     const char* projectName) {
    std::unique_ptr<htProjet> project(new htProjet);
    project->name = projectName ? projectName : "";
    project->directory = directory ? directory : "";
    project->patterns = patterns ? patterns : "";
    DocScanner scanner(*project);
    ModelVisitor visitor(scanner, *project);
    // One walk of the whole tree per pattern: the files of the first pattern come first.
    for (const std::string& pattern : SplitPatterns(patterns)) {
        WalkOptions options;
        options.patterns = pattern.c_str();
        options.maxDepth = kMaxWalkDepth;
        options.maxPathLength = kMaxWalkPath;
        WalkTree(directory ? directory : "", options, visitor);
    }
    project->SortLists();
    return project;
}

} // namespace html
} // namespace qelvo
