// qelvo symbols FILE [--sorted] and qelvo includes FILE: the editor menu's scans on a file, one
// record per line, the bytes as the scanner has them.
#include "cli/commands.h"
#include "navigation/symbol_scanner.h"

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

} // namespace cli
} // namespace qelvo
