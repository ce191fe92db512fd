// qelvo symbols FILE [--sorted] and qelvo includes FILE: the editor menu's scans on a file, one
// record per line, the bytes as the scanner has them. qelvo find and qelvo xref: the quick find
// over a directory tree.
#include "cli/commands.h"
#include "foundation/settings_defaults.h"
#include "navigation/quick_search.h"
#include "navigation/source_text.h"
#include "navigation/symbol_scanner.h"
#include "platform/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace qelvo {
namespace cli {

namespace {

// The whole file, or false when it cannot be read.
bool ReadWholeFile(const char* path, std::string& text) {
    errno = 0;
    FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    char block[65536];
    size_t n;
    while ((n = std::fread(block, 1, sizeof block, file)) > 0)
        text.append(block, n);
    bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

void Put(const String& text) {
    std::fwrite(text.c_str(), 1, text.Length(), stdout);
}

// Says why, in the system's words, right after the failed read.
int CannotRead(const char* path) {
    const char* reason = errno ? std::strerror(errno) : "read error";
    std::fprintf(stderr, "qelvo: cannot read %s: %s\n", path, reason);
    return 2;
}

} // namespace

int RunSymbols(int argc, char** argv) {
    const char* path = nullptr;
    bool sorted = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--sorted") == 0)
            sorted = true;
        else if (!path)
            path = argv[i];
        else
            return UsageError("symbols takes one FILE");
    }
    if (!path) return UsageError("symbols needs a FILE");
    std::string text;
    if (!ReadWholeFile(path, text)) return CannotRead(path);
    Tableau<Fnc> symbols;
    ScanSymbols(text.data(), text.size(), symbols);
    if (sorted) SortSymbols(symbols);
    for (int i = 0; i < symbols.count; ++i) {
        const Fnc* f = symbols.At(i);
        std::printf("%d\t", f->line);
        Put(f->className);
        std::fputc('\t', stdout);
        Put(f->name);
        std::fputc('\n', stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int RunIncludes(int argc, char** argv) {
    if (argc != 1) return UsageError("includes takes one FILE");
    std::string text;
    if (!ReadWholeFile(argv[0], text)) return CannotRead(argv[0]);
    Tableau<String> includes;
    ScanIncludes(text.data(), text.size(), includes);
    for (int i = 0; i < includes.count; ++i) {
        Put(*includes.At(i));
        std::fputc('\n', stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

namespace {

struct SearchArguments {
    const char* name = nullptr;
    std::string directory;
    std::string source = DefaultText("QuickFind", "FunctionMask");
    std::string include = DefaultText("QuickFind", "IncludeMask");
    bool recurse = true;
};

// NAME DIR and the options, in any order; false after the usage message.
bool ParseSearch(int argc, char** argv, bool withInclude, SearchArguments& a, int& status) {
    const char* dir = nullptr;
    for (int i = 0; i < argc; ++i) {
        std::string arg = argv[i];
        if ((arg == "--source" || (withInclude && arg == "--include")) && i + 1 < argc)
            (arg == "--source" ? a.source : a.include) = argv[++i];
        else if (arg == "--no-recurse")
            a.recurse = false;
        else if (arg.size() > 1 && arg[0] == '-')
            return status = UsageError(("unknown option or missing value: " + arg).c_str()), false;
        else if (!a.name)
            a.name = argv[i];
        else if (!dir)
            dir = argv[i];
        else
            return status = UsageError("too many arguments"), false;
    }
    if (!a.name || !*a.name || !dir || !*dir)
        return status = UsageError("needs a NAME and a DIR"), false;
    // The walk joins with ';' between directories: such a path cannot be searched as one.
    if (std::strchr(dir, ';'))
        return status = UsageError("a DIR holding ';' cannot be searched"), false;
    a.directory = dir;
    while (a.directory.size() > 1 &&
           (a.directory.back() == '/' || a.directory.back() == '\\'))
        a.directory.pop_back();
    if (!platform::GetFileStatus(a.directory.c_str()).isDirectory) {
        std::fprintf(stderr, "qelvo: cannot read %s: not a directory\n", dir);
        return status = 2, false;
    }
    return true;
}

// Writes each found line as it is found: the path in its shown form (turned once a file), the
// line number and, for methods and cross references, the text; through one buffer of its own.
class PrintSink final : public QuickSink {
public:
    explicit PrintSink(bool withText) : withText_(withText) { out_.reserve(kFlushAt + 4096); }

    bool Found(const char* file, int line, TextSpan text) override {
        if (count_ == 0 || lastFile_ != file) {
            lastFile_ = file;
            shown_ = DisplayPath(file);
        }
        ++count_;
        out_ += shown_;
        out_ += '\t';
        char digits[16];
        char* end = digits + sizeof digits;
        char* p = end;
        unsigned value = static_cast<unsigned>(line);
        do {
            *--p = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value);
        if (line < 0) *--p = '-';
        out_.append(p, static_cast<size_t>(end - p));
        if (withText_) {
            out_ += '\t';
            out_.append(text.start, text.length);
        }
        out_ += '\n';
        if (out_.size() >= kFlushAt) Flush();
        return true;
    }

    // False when the output could not be written.
    bool Flush() {
        if (!out_.empty() && std::fwrite(out_.data(), 1, out_.size(), stdout) != out_.size())
            failed_ = true;
        out_.clear();
        return !failed_;
    }

    long count() const { return count_; }

private:
    static constexpr size_t kFlushAt = 1 << 16;
    bool withText_;
    std::string out_, lastFile_, shown_;
    long count_ = 0;
    bool failed_ = false;
};

int Search(QuickSearchKind kind, const SearchArguments& a) {
    String patterns = SearchPatterns(kind, a.source.c_str(), a.include.c_str());
    QuickSearch search;
    search.kind = kind;
    search.name = a.name;
    search.directories = a.directory.c_str();
    search.patterns = patterns.c_str();
    search.recurse = a.recurse;
    bool readError = false;
    search.read = [&readError](const char* path) {
        SourceText text;
        if (!ReadDiskText(path, text)) {
            readError = true;
            std::fprintf(stderr, "qelvo: cannot read %s: %s\n", DisplayPath(path),
                         platform::LastErrorText().c_str());
        }
        return text;
    };
    PrintSink sink(kind == kSearchMethod || kind == kSearchCross);
    if (!RunQuickSearch(search, sink)) readError = true;
    if (!sink.Flush() || std::fflush(stdout) != 0) return 2;
    if (readError) return 2;
    return sink.count() > 0 ? 0 : 1;
}

} // namespace

int RunFind(int argc, char** argv) {
    if (argc < 1) return UsageError("find needs function, class or method");
    std::string what = argv[0];
    QuickSearchKind kind;
    if (what == "function")
        kind = kSearchFunction;
    else if (what == "class")
        kind = kSearchClass;
    else if (what == "method")
        kind = kSearchMethod;
    else
        return UsageError("find needs function, class or method");
    SearchArguments a;
    int status = 2;
    if (!ParseSearch(argc - 1, argv + 1, true, a, status)) return status;
    return Search(kind, a);
}

int RunXref(int argc, char** argv) {
    SearchArguments a;
    int status = 2;
    if (!ParseSearch(argc, argv, false, a, status)) return status;
    return Search(kSearchCross, a);
}

} // namespace cli
} // namespace qelvo
