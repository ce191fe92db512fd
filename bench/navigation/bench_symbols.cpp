// The symbol and include scans on a generated C++ source of classes, methods and free
// functions. QELVO_BENCH_SMALL=1 takes a tiny source (make test runs each benchmark once that
// way). `bench_symbols --write-source=FILE [--lines=N]` only writes the source, for
// scripts/bench-ctags.
#include "navigation/symbol_scanner.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace qelvo;

namespace {

// About lines lines: one include block, then classes of eight methods and free functions
// between them, each with a comment and a body, in CR LF like the IDE's files.
std::string Source(long lines) {
    std::string text = "#include <stdio.h>\r\n#include \"app.h\"\r\n\r\n";
    long written = 3;
    for (int n = 0; written < lines; ++n) {
        std::string cls = "Shape" + std::to_string(n);
        text += "class " + cls + " {\r\npublic:\r\n  int Area() const ;\r\n};\r\n\r\n";
        written += 5;
        for (int m = 0; m < 8 && written < lines; ++m) {
            text += "/** Method " + std::to_string(m) + " of the shape */\r\n";
            text += "int " + cls + "::Method" + std::to_string(m) + "(int x, char *name)\r\n";
            text += "{\r\n  int total = x * " + std::to_string(m) + " ;\r\n";
            text += "  if (name && *name)\r\n    total += (int)strlen(name) ;\r\n";
            text += "  return total ;\r\n}\r\n\r\n";
            written += 9;
        }
        text += "static void Helper" + std::to_string(n) +
                "(void)\r\n{\r\n  printf(\"x\") ;\r\n}\r\n\r\n";
        written += 5;
    }
    return text;
}

const std::string& Text() {
    static std::string text;
    if (text.empty()) {
        const char* small = std::getenv("QELVO_BENCH_SMALL");
        text = Source(small && *small == '1' ? 200 : 20000);
    }
    return text;
}

void BM_ScanSymbols(benchmark::State& state) {
    const std::string& text = Text();
    for (auto _ : state) {
        Tableau<Fnc> symbols;
        ScanSymbols(text.data(), text.size(), symbols);
        SortSymbols(symbols);
        benchmark::DoNotOptimize(symbols.count);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ScanSymbols);

void BM_ScanIncludes(benchmark::State& state) {
    const std::string& text = Text();
    for (auto _ : state) {
        Tableau<String> includes;
        ScanIncludes(text.data(), text.size(), includes);
        benchmark::DoNotOptimize(includes.count);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ScanIncludes);

} // namespace

int main(int argc, char** argv) {
    const char* write = nullptr;
    long lines = 20000;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--write-source=", 15) == 0)
            write = argv[i] + 15;
        else if (std::strncmp(argv[i], "--lines=", 8) == 0)
            lines = std::atol(argv[i] + 8);
    }
    if (write) {
        FILE* out = std::fopen(write, "wb");
        if (!out) return 2;
        std::string text = Source(lines);
        std::fwrite(text.data(), 1, text.size(), out);
        return std::fclose(out) == 0 ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
