// CopyDeliveredFile on a 200 MB file (QELVO_BENCH_SMALL=1: 1 MB) side by side with cp and with
// dd in the same 16380-byte chunks, of the same file into the same directory. The source is read once before either runs, so both copy
// from an equally warm cache; each iteration replaces the previous copy.
#include "core/delivered_copy.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace qelvo;

namespace {

struct Quiet final : CopyObserver {
    void Progress(uint64_t, uint64_t, const char*) override {}
    void FileMessage(const char*, int) override {}
    void CopyError(const char*) override { std::abort(); }
};

struct BigFile {
    BigFile() {
        const char* base = std::getenv("TMPDIR");
        dir = std::string(base && *base ? base : "/tmp") + "/qelvo-bench-copy";
        platform::MakeDirectory(dir.c_str());
        source = dir + "/source.bin";
        size = std::getenv("QELVO_BENCH_SMALL") ? (1u << 20) : 200u * (1u << 20);
        std::vector<char> block(1 << 20);
        for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 131 + 7);
        FILE* f = std::fopen(source.c_str(), "wb");
        for (uint64_t done = 0; f && done < size; done += block.size())
            std::fwrite(block.data(), 1, block.size(), f);
        if (!f || std::fclose(f) != 0) std::abort();
        f = std::fopen(source.c_str(), "rb"); // warm the cache for both
        while (f && std::fread(block.data(), 1, block.size(), f) == block.size()) {}
        if (f) std::fclose(f);
    }
    std::string dir, source;
    uint64_t size;
};

BigFile& File() {
    static BigFile file;
    return file;
}

void BM_CopyDeliveredFile(benchmark::State& state) {
    BigFile& f = File();
    const std::string target = f.dir + "/delivered.bin";
    Quiet quiet;
    for (auto _ : state) {
        uint64_t done = 0;
        if (CopyDeliveredFile(f.source.c_str(), target.c_str(), quiet, done, f.size, f.size, nullptr))
            std::abort();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.size));
}

void BM_Cp(benchmark::State& state) {
    BigFile& f = File();
    const std::string command = "cp --preserve=timestamps '" + f.source + "' '" + f.dir + "/copied.bin'";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) std::abort();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.size));
}

// The same chunks as the delivered copy, read and written by dd: what a copy through a buffer of
// 16380 bytes costs at least (cp copies inside the kernel, with no chunk coming to the program).
void BM_DdSameChunks(benchmark::State& state) {
    BigFile& f = File();
    const std::string target = f.dir + "/dd.bin";
    const std::string command = "dd if='" + f.source + "' of='" + target +
                                "' bs=16380 status=none && touch -r '" + f.source + "' '" +
                                target + "'";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) std::abort();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.size));
}

} // namespace

BENCHMARK(BM_CopyDeliveredFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Cp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DdSameChunks)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
