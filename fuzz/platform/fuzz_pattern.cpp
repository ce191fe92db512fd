// File patterns come from the user's settings: any bytes must match or not, without a crash or
// a run-away back-track.
#include "platform/platform.h"

#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t* split = static_cast<const uint8_t*>(std::memchr(data, 0, size));
    size_t nameSize = split ? static_cast<size_t>(split - data) : size / 2;
    std::string name(reinterpret_cast<const char*>(data), nameSize);
    std::string pattern(reinterpret_cast<const char*>(data) + nameSize,
                        size - nameSize);
    pattern = pattern.c_str(); // up to the next NUL, as the engine hands it over
    qelvo::platform::MatchPattern(name.c_str(), pattern.c_str());
    return 0;
}
