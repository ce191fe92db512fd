// The documentation scanner and the HTML writer on a generated project. QELVO_BENCH_SMALL=1 takes
// a tiny project (make test runs each benchmark once that way).
// `bench_html --write-tree=DIR [--files=N] [--lines=N]` only writes the project, for
// scripts/bench-doxygen.
#include "doc_tree.h"
#include "html/doc_scanner.h"
#include "html/html_generation.h"
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

const std::string& Tree() {
    if (treeDirectory.empty()) {
        char pattern[] = "/tmp/qelvo-bench-html-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        treeDirectory = made ? made : "/tmp";
        bench::TreeSize size;
        const char* small = std::getenv("QELVO_BENCH_SMALL");
        if (small && *small == '1') {
            size.files = 4;
            size.linesPerFile = 60;
        } else {
            size.files = 200;
        }
        bench::WriteDocumentedTree(treeDirectory, size);
    }
    return treeDirectory;
}

void BM_ScanProject(benchmark::State& state) {
    const std::string& dir = Tree();
    for (auto _ : state) {
        std::unique_ptr<html::htProjet> project = html::BuildModel(dir.c_str(), "*.cpp;*.h", "Bench");
        benchmark::DoNotOptimize(project->functions.count);
    }
}
BENCHMARK(BM_ScanProject)->Unit(benchmark::kMillisecond);

void BM_GenerateProject(benchmark::State& state) {
    const std::string& dir = Tree();
    html::GenerationSummary summary;
    for (auto _ : state) {
        html::Generate(dir.c_str(), "Bench", "*.cpp;*.h", &summary);
    }
    state.counters["pages"] = summary.pages;
}
BENCHMARK(BM_GenerateProject)->Unit(benchmark::kMillisecond);

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
