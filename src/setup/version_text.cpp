#include "setup/version_text.h"

#include <cstring>

namespace qelvo {
namespace setup {

bool FindVersionText(const unsigned char* data, size_t size, std::string& version) {
    version.clear();
    long count = long(size / 2) - 1;
    if (!data || count <= 0) return false;
    std::string bytes(size_t(count), '\0');
    for (long i = 0; i < count; ++i)
        bytes[size_t(i)] = char(data[2 * i]);

    static const char kKey[] = "Version ";
    const long keyLength = 8;
    long limit = long(size / 2) - 8;
    for (long at = 0; at < limit; ++at) {
        if (at + keyLength >= count) // nothing can follow the key inside the string
            break;
        if (std::memcmp(bytes.data() + at, kKey, size_t(keyLength)) != 0) continue;
        long start = at + keyLength;
        if (bytes[size_t(start)] == '\0') continue;
        long end = start;
        while (end < count && bytes[size_t(end)] != '\0')
            ++end;
        version.assign(bytes, size_t(start), size_t(end - start));
        return true;
    }
    return false;
}

} // namespace setup
} // namespace qelvo
