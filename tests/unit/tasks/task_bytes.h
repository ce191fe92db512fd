// Task files written byte by byte as the format states it, for the tests to read and compare.
#pragma once

#include <cstdint>
#include <string>

namespace qelvo {
namespace testing_support {

inline std::string Int32(int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    return {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
            static_cast<char>((u >> 16) & 0xFF), static_cast<char>(u >> 24)};
}
// A 16-bit length, the characters and their zero.
inline std::string Text(const std::string& s) {
    const size_t n = s.size();
    return std::string{static_cast<char>(n & 0xFF), static_cast<char>(n >> 8)} + s +
           std::string(1, '\0');
}
// A SYSTEMTIME: year, month, day of week, day, hour, minute, second, milliseconds.
inline std::string Date(int y, int m, int d) {
    std::string bytes;
    for (int field : {y, m, 0, d, 0, 0, 0, 0})
        bytes += std::string{static_cast<char>(field & 0xFF), static_cast<char>(field >> 8)};
    return bytes;
}
struct TaskBytes {
    std::string name, type;
    int state = 0, firstPublic = 0, isPublic = 0, priority = 10;
    int start[3] = {1996, 11, 22}, end[3] = {1996, 11, 22};
    std::string text = "Something to do";
    int version = 0;
    std::string Bytes() const {
        return Int32(version) + Text(name) + Text(type) + Int32(state) + Int32(firstPublic) +
               Int32(isPublic) + Int32(priority) + Date(start[0], start[1], start[2]) +
               Date(end[0], end[1], end[2]) + Text(text);
    }
};
// The file's head: version 0, show flags, inverse flag, sort key, the types.
inline std::string Head(int toDo, int coded, int tested, int ended, int inverse, int sortKey,
                        std::initializer_list<const char*> types) {
    std::string bytes = Int32(0) + Int32(toDo) + Int32(coded) + Int32(tested) + Int32(ended) +
                        Int32(inverse) + Int32(sortKey) + Int32(static_cast<int32_t>(types.size()));
    for (const char* t : types)
        bytes += Text(t);
    return bytes;
}

} // namespace testing_support
} // namespace qelvo
