// The installer's check of its own resources against the sizes and CRC-32 values recorded when
// it was built (see app/res_sums.py, which reads them from the compiled resources).
#pragma once

#include <cstddef>
#include <cstdint>

namespace qelvo {
namespace setup {

// CRC-32 as zlib computes it (reflected polynomial 0xEDB88320); `crc` continues a previous one.
uint32_t Crc32(const void* data, size_t size, uint32_t crc = 0);

struct ResourceSum {
    const char* name; // e.g. "FILEDLL"
    int type;         // numeric resource type (2 bitmap, 5 dialog, 10 raw data)
    uint32_t size;
    uint32_t crc;
};

// Gives a resource's bytes as the program holds them; false when it cannot be found, loaded or
// locked.
class ResourceReader {
public:
    virtual bool Read(const char* name, int type, const unsigned char*& data, size_t& size) = 0;

protected:
    ~ResourceReader() = default;
};

// True when every listed resource, in order, can be read and has its recorded size and CRC.
// The first failure ends the check.
bool CheckIntegrity(ResourceReader& reader, const ResourceSum* sums, size_t count);

} // namespace setup
} // namespace qelvo
