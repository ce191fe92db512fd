// The IDE's dialog resource is outside input: any bytes must give a version text that lies
// inside them, or none.
#include "setup/version_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string version;
    if (qelvo::setup::FindVersionText(data, size, version)) {
        if (version.empty() || version.size() * 2 + 16 > size + 2) std::abort();
        for (char c : version)
            if (c == '\0') std::abort();
    }
    return 0;
}
