// Arbitrary bytes loaded as a task file, as a project's opening loads it: a damaged file may
// load in part, never crash, leak or allocate without bound. A file that loads whole is written
// back, and what was written loads again to the same tasks and writes the same bytes.
#include "tasks/task_file.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string Bytes(FILE* f) {
    std::string bytes;
    std::rewind(f);
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, n);
    return bytes;
}

struct Loaded {
    qelvo::TaskView view;
    qelvo::Tableau<qelvo::String> types;
    qelvo::Tableau<qelvo::Task> tasks;
};

qelvo::TaskFileLoad Load(const std::string& bytes, Loaded& out) {
    FILE* f = std::tmpfile();
    if (!f) return qelvo::TaskFileLoad::kMissing;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::rewind(f);
    const qelvo::TaskFileLoad result = qelvo::ReadTaskFile(f, out.view, out.types, out.tasks);
    std::fclose(f);
    return result;
}

std::string Written(Loaded& loaded) {
    FILE* f = std::tmpfile();
    if (!f) return std::string();
    if (!qelvo::WriteTaskFile(f, loaded.view, loaded.types, loaded.tasks)) __builtin_trap();
    std::string bytes = Bytes(f);
    std::fclose(f);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Loaded first;
    const qelvo::TaskFileLoad result =
        Load(std::string(reinterpret_cast<const char*>(data), size), first);
    for (int i = 0; i < first.tasks.count; ++i)
        if (!first.tasks.At(i)) __builtin_trap(); // only whole tasks are kept
    if (result != qelvo::TaskFileLoad::kLoaded) return 0;
    const std::string written = Written(first);
    Loaded second;
    if (Load(written, second) != qelvo::TaskFileLoad::kLoaded) __builtin_trap();
    if (second.tasks.count != first.tasks.count || second.types.count != first.types.count)
        __builtin_trap();
    for (int i = 0; i < first.tasks.count; ++i) {
        const qelvo::Task& a = *first.tasks.At(i);
        const qelvo::Task& b = *second.tasks.At(i);
        if (std::strcmp(a.name.c_str(), b.name.c_str()) ||
            std::strcmp(a.text.c_str(), b.text.c_str()) || a.state != b.state ||
            a.isPublic != b.isPublic || a.priority != b.priority ||
            std::memcmp(&a.start, &b.start, sizeof a.start) ||
            std::memcmp(&a.end, &b.end, sizeof a.end))
            __builtin_trap();
    }
    if (Written(second) != written) __builtin_trap();
    return 0;
}
