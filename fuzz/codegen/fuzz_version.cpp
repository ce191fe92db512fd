// Version files come from the user's projects: any bytes must be numbered or left exactly as
// they were, never cut or mangled, and the old content must always survive. Each run writes
// the input as VERSION.RC into a private temp folder and numbers it.
#include "codegen/dialog_generator.h"
#include "codegen/version_text.h"
#include "platform/platform.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

struct Folder {
    Folder() {
        const char* base = std::getenv("TMPDIR");
        path = std::string(base && *base ? base : "/tmp") + "/qelvo-fuzz-version-" +
               std::to_string(static_cast<long>(::getpid()));
        qelvo::platform::MakeDirectory(path.c_str());
    }
    ~Folder() {
        Clear();
        qelvo::platform::RemoveEmptyDirectory(path.c_str());
    }
    std::string File(const char* name) const { return path + "/" + name; }
    void Clear() {
        for (const char* name : {"VERSION.RC", "VERSION.BAK", "VERSION.$$$", "VERSION.BK$"})
            qelvo::platform::RemoveFile(File(name).c_str());
    }
    std::string path;
};

std::string Read(const std::string& path) {
    std::string bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return bytes;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    std::fclose(file);
    return bytes;
}

size_t LineEnds(const std::string& text) {
    size_t n = 0;
    for (char c : text)
        n += c == '\n';
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Folder folder;
    if (size < 2 || size > 16384) return 0;
    // The first two bytes are the Make's counter, the rest the file.
    int counter = data[0] | data[1] << 8;
    if (data[0] & 1) counter += 65000; // near and past the top too
    std::string input(reinterpret_cast<const char*>(data) + 2, size - 2);
    folder.Clear();
    FILE* file = std::fopen(folder.File("VERSION.RC").c_str(), "wb");
    if (!file) return 0;
    std::fwrite(input.data(), 1, input.size(), file);
    std::fclose(file);

    qelvo::codegen::DialogGenerator generator;
    generator.buildCounter = counter;
    int numbered = generator.NumberVersionFile(folder.path.c_str());
    std::string after = Read(folder.File("VERSION.RC"));
    if (qelvo::platform::FileExists(folder.File("VERSION.$$$").c_str()) ||
        qelvo::platform::FileExists(folder.File("VERSION.BK$").c_str()))
        std::abort();
    if (!numbered) {
        // Left exactly as it was, the counter too, and no backup made.
        if (after != input || generator.buildCounter != counter ||
            qelvo::platform::FileExists(folder.File("VERSION.BAK").c_str()))
            std::abort();
        return 0;
    }
    // The old content is the backup; the new one has the same lines, and a build number that
    // grew without leaving the sixteen bits of a version part.
    if (Read(folder.File("VERSION.BAK")) != input || LineEnds(after) != LineEnds(input) ||
        generator.buildCounter < counter ||
        generator.buildCounter > qelvo::codegen::kVersionPartMax)
        std::abort();
    return 0;
}
