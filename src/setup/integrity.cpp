#include "setup/integrity.h"

namespace qelvo {
namespace setup {

namespace {
struct CrcTable {
    uint32_t entries[256];
    CrcTable() {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
    }
};
} // namespace

uint32_t Crc32(const void* data, size_t size, uint32_t crc) {
    static const CrcTable table;
    const unsigned char* p = static_cast<const unsigned char*>(data);
    crc = ~crc;
    for (size_t i = 0; i < size; ++i)
        crc = table.entries[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

bool CheckIntegrity(ResourceReader& reader, const ResourceSum* sums, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* data = nullptr;
        size_t size = 0;
        if (!reader.Read(sums[i].name, sums[i].type, data, size)) return false;
        if (size != sums[i].size || (size != 0 && !data)) return false;
        if (Crc32(data, size) != sums[i].crc) return false;
    }
    return true;
}

} // namespace setup
} // namespace qelvo
