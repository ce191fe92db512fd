// Keyword files are text that people edit by hand: any bytes, loaded and sorted, then
// completed with a few prefixes, must give bounded texts; a help is shown through the bounded
// formatter whatever its '%' conversions.
#include "completion/keyword_completion.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace qelvo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* in = fmemopen(const_cast<uint8_t*>(data), size ? size : 1, "rb");
    if (!in) return 0;
    if (!size) std::fseek(in, 0, SEEK_END);
    KeywordStore store{KeywordStore::WithoutSettings()};
    store.LoadKeywordStream(in);
    std::fclose(in);
    store.SortKeywords();
    for (int i = 1; i < store.keywords.count; ++i)
        if (std::strcmp(store.keywords.At(i - 1)->keyword.c_str(),
                        store.keywords.At(i)->keyword.c_str()) > 0)
            std::abort();
    // Prefixes: none, the first bytes of the input, the first keyword's start and each middle
    // keyword whole.
    char prefixes[4][kMaxWord + 1] = {""};
    size_t n = size < 3 ? size : 3;
    std::memcpy(prefixes[1], data, n);
    prefixes[1][n] = 0;
    if (store.keywords.count) {
        std::strncpy(prefixes[2], store.keywords.At(0)->keyword.c_str(), 2);
        std::strncpy(prefixes[3], store.keywords.At(store.keywords.count / 2)->keyword.c_str(),
                     kMaxWord);
    }
    for (const auto& prefix : prefixes) {
        char out[kMaxInsert + 1];
        int r = store.CompleteWord(prefix, out);
        if (r < 0 || r > 2 || std::strlen(out) > kMaxInsert) std::abort();
        if (r && std::strlen(store.message) > kMaxMessage) std::abort();
        if (r == 0 && (out[0] || store.matchIndex != -1)) std::abort();
        if (r == 0) continue;
        const MeT* match = store.keywords.At(store.matchIndex);
        if (std::strncmp(match->keyword.c_str(), prefix, std::strlen(prefix)) != 0) std::abort();
        if (match->help) {
            char shown[kMaxHelpShown + 1];
            FormatHelp(match->help->c_str(), match->keyword.c_str(), shown);
            if (std::strlen(shown) > kMaxHelpShown) std::abort();
        }
    }
    return 0;
}
