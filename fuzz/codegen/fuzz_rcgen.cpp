// Resource scripts come from the user's projects: any bytes must give bounded output without a
// crash. Each run writes the input as a script into a private temp folder and generates from it.
#include "codegen/dialog_generator.h"
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
        path = std::string(base && *base ? base : "/tmp") + "/qelvo-fuzz-rcgen-" +
               std::to_string(static_cast<long>(::getpid()));
        qelvo::platform::MakeDirectory(path.c_str());
        script = path + "/script.rc";
        header = path + "/out.h";
        source = path + "/out.cpp";
    }
    ~Folder() {
        Clear();
        qelvo::platform::RemoveEmptyDirectory(path.c_str());
    }
    void Clear() {
        for (const std::string* file : {&script, &header, &source})
            qelvo::platform::RemoveFile(file->c_str());
    }
    std::string path, script, header, source;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Folder folder;
    // Scripts are small; larger inputs only cost time.
    if (size > 16384)
        return 0;
    // Fresh files each run: truncating a file that was just written makes ext4 flush it.
    folder.Clear();
    FILE* script = std::fopen(folder.script.c_str(), "wb");
    if (!script)
        return 0;
    std::fwrite(data, 1, size, script);
    std::fclose(script);

    FILE* header = std::fopen(folder.header.c_str(), "wb");
    FILE* source = std::fopen(folder.source.c_str(), "wb");
    if (header && source) {
        qelvo::codegen::DialogGenerator generator;
        generator.GenerateFromRc(header, source, folder.script.c_str());
        if (generator.defines.count > qelvo::codegen::kTableEntries ||
            generator.menuItems.count > qelvo::codegen::kTableEntries ||
            generator.controls.count > qelvo::codegen::kTableEntries)
            std::abort();
        // The most output per input byte comes from short dialogs that reuse a menu of 255
        // items with the longest names: under 4 KB per byte of the dialog's three lines.
        long written = std::ftell(header) + std::ftell(source);
        if (written > 4096 + 4096L * static_cast<long>(size))
            std::abort();
    }
    if (header)
        std::fclose(header);
    if (source)
        std::fclose(source);
    return 0;
}
