// The documentation engine on a generated project, in two groups:
// - the engine alone, with no file touched: BM_ScanSources reads the sources from memory into the
//   model, BM_BuildPages builds the text of every page in memory;
// - the engine with the file system, as `qelvo html` runs it: BM_FirstGeneration into an empty
//   output folder (made anew before each round, outside the timing), BM_Regeneration into the
//   folder of the round before with nothing changed (every page compared, none written).
// QELVO_BENCH_SMALL=1 takes a tiny project (make test runs each benchmark once that way).
// `bench_html --write-tree=DIR [--files=N] [--lines=N]` only writes the project, for
// scripts/bench-doxygen.
#include "doc_tree.h"
#include "html/doc_scanner.h"
#include "html/html_generation.h"
#include "html/page_set.h"
#include "html/page_texts.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

using namespace qelvo;

namespace {

std::string treeDirectory;

void RemoveTree(const std::string& path) {
    std::vector<platform::DirEntry> entries;
    platform::ListDirectory((path + "\\*").c_str(), true, entries);
    for (const platform::DirEntry& e : entries) {
        if (e.name == "." || e.name == "..")
            continue;
        std::string child = path + "\\" + e.name;
        if (e.isDirectory)
            RemoveTree(child);
        else
            platform::RemoveFile(child.c_str());
    }
    platform::RemoveEmptyDirectory(path.c_str());
}

bench::TreeSize Size() {
    bench::TreeSize size;
    const char* small = std::getenv("QELVO_BENCH_SMALL");
    if (small && *small == '1') {
        size.files = 4;
        size.linesPerFile = 60;
    } else {
        size.files = 200;
    }
    return size;
}

const std::vector<bench::SourceFile>& Sources() {
    static const std::vector<bench::SourceFile> sources = bench::DocumentedSources(Size());
    return sources;
}

const std::string& Tree() {
    if (treeDirectory.empty()) {
        char pattern[] = "/tmp/qelvo-bench-html-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        treeDirectory = made ? made : "/tmp";
        bench::WriteDocumentedTree(treeDirectory, Size());
    }
    return treeDirectory;
}

bool EndsWith(const std::string& s, const char* tail) {
    size_t n = std::strlen(tail);
    return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

// The model as the walk would make it, from the sources in memory: each file after its
// companion file, then the lists sorted.
std::unique_ptr<html::htProjet> ModelInMemory() {
    std::unique_ptr<html::htProjet> project(new html::htProjet);
    project->name = "Bench";
    html::DocScanner scanner(*project);
    const std::vector<bench::SourceFile>& sources = Sources();
    for (size_t i = 0; i < sources.size(); ++i) {
        const bench::SourceFile& source = sources[i];
        if (EndsWith(source.path, ".txt")) continue;
        html::htFile* file = new html::htFile;
        file->path = source.path.c_str();
        file->name = source.path.substr(source.path.rfind('\\') + 1).c_str();
        project->files.Append(file);
        scanner.BeginFile(*file);
        if (i + 1 < sources.size() && sources[i + 1].path == source.path + ".txt")
            scanner.ScanBuffer(sources[i + 1].text.data(), sources[i + 1].text.size());
        scanner.ScanBuffer(source.text.data(), source.text.size());
    }
    project->SortLists();
    return project;
}

void BM_ScanSources(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<html::htProjet> project = ModelInMemory();
        benchmark::DoNotOptimize(project->functions.count);
    }
}
BENCHMARK(BM_ScanSources)->Unit(benchmark::kMillisecond);

void BM_BuildPages(benchmark::State& state) {
    std::unique_ptr<html::htProjet> project = ModelInMemory();
    size_t bytes = 0;
    int pages = 0;
    for (auto _ : state) {
        html::PageSet set(*project);
        html::PageTexts texts(*project, set);
        std::string text;
        bytes = 0;
        for (int id = 0; id < set.Count(); ++id) {
            texts.Build(id, text);
            bytes += text.size();
        }
        pages = set.Count();
    }
    state.counters["pages"] = pages;
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_BuildPages)->Unit(benchmark::kMillisecond);

void BM_FirstGeneration(benchmark::State& state) {
    const std::string& dir = Tree();
    html::GenerationSummary summary;
    for (auto _ : state) {
        state.PauseTiming();
        RemoveTree(html::OutputDirectory(dir.c_str()));
        state.ResumeTiming();
        html::Generate(dir.c_str(), "Bench", "*.cpp;*.h", &summary);
    }
    state.counters["written"] = summary.output.written;
}
BENCHMARK(BM_FirstGeneration)->Unit(benchmark::kMillisecond);

void BM_Regeneration(benchmark::State& state) {
    const std::string& dir = Tree();
    html::GenerationSummary summary;
    html::Generate(dir.c_str(), "Bench", "*.cpp;*.h", &summary);
    for (auto _ : state)
        html::Generate(dir.c_str(), "Bench", "*.cpp;*.h", &summary);
    state.counters["written"] = summary.output.written;
    state.counters["unchanged"] = summary.output.unchanged;
}
BENCHMARK(BM_Regeneration)->Unit(benchmark::kMillisecond);

int WriteTreeOnly(int argc, char** argv) {
    std::string directory;
    bench::TreeSize size;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--write-tree=", 13) == 0)
            directory = argv[i] + 13;
        else if (std::strncmp(argv[i], "--files=", 8) == 0)
            size.files = std::atoi(argv[i] + 8);
        else if (std::strncmp(argv[i], "--lines=", 8) == 0)
            size.linesPerFile = std::atoi(argv[i] + 8);
    }
    long lines = bench::WriteDocumentedTree(directory, size);
    std::printf("%d files, %ld lines in %s\n", size.files, lines, directory.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--write-tree=", 13) == 0)
            return WriteTreeOnly(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!treeDirectory.empty() && treeDirectory != "/tmp")
        RemoveTree(treeDirectory);
    return 0;
}
