// qelvo keywords extract SOURCE and qelvo keywords complete PREFIX KWDFILE...: keyword
// completion's extraction and completion rule on files, the bytes as the engine has them.
#include "cli/commands.h"
#include "completion/keyword_completion.h"
#include "platform/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace qelvo {
namespace cli {

namespace {

const char kUsage[] = "usage: qelvo keywords extract SOURCE\n"
                      "       qelvo keywords complete PREFIX KWDFILE...\n"
                      "\n"
                      "extract writes SOURCE's keyword file (its functions, classes and methods)\n"
                      "next to it, named as SOURCE with the extension .kwd, and prints its path.\n"
                      "complete loads the keyword files in order, sorts them, and prints\n"
                      "RESULT<TAB>INSERT<TAB>MESSAGE: RESULT 0 (no keyword starts with PREFIX),\n"
                      "1 (one does) or 2 (several do), INSERT the text completion adds to\n"
                      "PREFIX, MESSAGE what the status line shows.\n";

int CannotRead(const char* path) {
    const char* reason = errno ? std::strerror(errno) : "read error";
    std::fprintf(stderr, "qelvo: cannot read %s: %s\n", DisplayPath(path), reason);
    return 2;
}

int Extract(const char* source) {
    KeywordStore store{KeywordStore::WithoutSettings()};
    String path = source;
    errno = 0;
    if (!store.ExtractKeywords(path)) {
        const char* reason = errno ? std::strerror(errno) : "the keyword file would be the source";
        std::fprintf(stderr, "qelvo: cannot extract the keywords of %s: %s\n", DisplayPath(source),
                     reason);
        return 2;
    }
    std::printf("%s\n", DisplayPath(path.c_str()));
    return std::fflush(stdout) == 0 ? 0 : 2;
}

int CompletePrefix(const char* prefix, int n, char** files) {
    KeywordStore store{KeywordStore::WithoutSettings()};
    for (int i = 0; i < n; ++i) {
        errno = 0;
        if (!store.LoadKeywordFile(files[i])) return CannotRead(files[i]);
    }
    store.SortKeywords();
    char out[kMaxInsert + 1];
    int result = store.CompleteWord(prefix, out);
    std::printf("%d\t%s\t%s\n", result, out, result ? store.message : "No available completion");
    return std::fflush(stdout) == 0 ? 0 : 2;
}

} // namespace

int RunKeywords(int argc, char** argv) {
    if (argc >= 1 && IsHelp(argv[0])) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[0], "extract") == 0) return Extract(argv[1]);
    if (argc >= 3 && std::strcmp(argv[0], "complete") == 0)
        return CompletePrefix(argv[1], argc - 2, argv + 2);
    std::fputs(kUsage, stderr);
    return 2;
}

} // namespace cli
} // namespace qelvo
