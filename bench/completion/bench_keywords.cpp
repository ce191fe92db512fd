// Keyword completion on a generated keyword file of 200000 lines (identifiers made of
// syllables, one in four with a help text), written once to the temporary directory.
// QELVO_BENCH_SMALL=1 takes 500 lines (make test runs each benchmark once that way).
// The peers run as processes on the same file and prefixes: `look PREFIX FILE` on the sorted
// keywords, and `qelvo keywords complete PREFIX FILE`, which loads and sorts the whole file
// each time. The in-process completion has the table loaded already.
#include "completion/keyword_completion.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace qelvo;

namespace {

const char* const kSyllables[] = {"Get", "Set", "Create", "Window", "Text", "Item", "Dlg",
                                  "Message", "File", "Menu", "Rect", "Ex",   "Reg",  "Key",
                                  "Value", "Draw"};

struct Files {
    std::string keywords; // as written: unsorted, with helps
    std::string sorted;   // the keywords alone, sorted, for look
    std::vector<std::string> prefixes;
};

std::string TempPath(const char* name) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/qelvo-bench-" +
           std::to_string(static_cast<long>(getpid())) + "-" + name;
}

const Files& TheFiles() {
    static Files files;
    if (!files.keywords.empty()) return files;
    const char* small = std::getenv("QELVO_BENCH_SMALL");
    long lines = small && *small == '1' ? 500 : 200000;
    std::vector<std::string> words;
    unsigned seed = 12345;
    std::string text;
    for (long i = 0; i < lines; ++i) {
        std::string word;
        for (int k = 0; k < 4; ++k) {
            seed = seed * 1103515245u + 12345u;
            word += kSyllables[(seed >> 16) % 16];
        }
        word += std::to_string(i % 97);
        words.push_back(word);
        text += word + (i % 4 == 0 ? "|int %s(int a, int b)\n" : "\n");
    }
    std::sort(words.begin(), words.end());
    std::string sortedText;
    for (const std::string& w : words)
        sortedText += w + "\n";
    files.keywords = TempPath("keywords.kwd");
    files.sorted = TempPath("sorted.txt");
    for (auto* file : {&files.keywords, &files.sorted}) {
        FILE* out = std::fopen(file->c_str(), "wb");
        const std::string& bytes = file == &files.keywords ? text : sortedText;
        if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) std::abort();
        std::fclose(out);
    }
    // Prefixes of 3 to 15 bytes, taken from keywords spread over the table.
    for (size_t i = 0; i < 64; ++i) {
        const std::string& w = words[(i * 7919) % words.size()];
        files.prefixes.push_back(w.substr(0, 3 + i % 13));
    }
    return files;
}

void BM_LoadAndSort(benchmark::State& state) {
    const Files& files = TheFiles();
    for (auto _ : state) {
        KeywordStore store{KeywordStore::WithoutSettings()};
        if (!store.LoadKeywordFile(files.keywords.c_str())) state.SkipWithError("unreadable");
        store.SortKeywords();
        benchmark::DoNotOptimize(store.keywords.count);
    }
}
BENCHMARK(BM_LoadAndSort)->Unit(benchmark::kMillisecond);

void BM_CompleteWord(benchmark::State& state) {
    const Files& files = TheFiles();
    KeywordStore store{KeywordStore::WithoutSettings()};
    store.LoadKeywordFile(files.keywords.c_str());
    store.SortKeywords();
    size_t i = 0;
    for (auto _ : state) {
        char out[kMaxInsert + 1];
        benchmark::DoNotOptimize(store.CompleteWord(files.prefixes[i++ % 64].c_str(), out));
    }
}
BENCHMARK(BM_CompleteWord);

// One process per completion, its output read to the end.
void RunProcess(benchmark::State& state, const std::string& program, const std::string& file) {
    const Files& files = TheFiles();
    size_t i = 0;
    for (auto _ : state) {
        std::string command = program + " '" + files.prefixes[i++ % 64] + "' '" + file + "'";
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) {
            state.SkipWithError("cannot start the program");
            return;
        }
        char block[4096];
        size_t total = 0, n;
        while ((n = std::fread(block, 1, sizeof block, pipe)) > 0)
            total += n;
        pclose(pipe);
        benchmark::DoNotOptimize(total);
    }
}

void BM_LookProcess(benchmark::State& state) {
    RunProcess(state, "LC_ALL=C look", TheFiles().sorted);
}
BENCHMARK(BM_LookProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_QelvoKeywordsProcess(benchmark::State& state) {
    RunProcess(state, std::string(QELVO_CLI_PATH) + " keywords complete", TheFiles().keywords);
}
BENCHMARK(BM_QelvoKeywordsProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const Files& files = TheFiles();
    std::remove(files.keywords.c_str());
    std::remove(files.sorted.c_str());
    return 0;
}
