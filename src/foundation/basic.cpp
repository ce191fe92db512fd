#include "foundation/basic.h"

#include "platform/platform.h"

namespace qelvo {

namespace {
// A programming error: the operation was used on a class that does not provide it.
void PureCall(const char* text) {
    platform::ShowMessage(text, "Erreur", platform::kMbOk | platform::kMbIconStop);
}
char emptyText[1];
} // namespace

int Basic::fWrite(FILE*) {
    PureCall("Appel de Basic::fWrite virtuelle pure !");
    return 0;
}

int Basic::fRead(FILE*) {
    PureCall("Appel de Basic::fRead virtuelle pure !");
    return 0;
}

Basic::operator char*() {
    PureCall("Appel de Basic::char * virtuelle pure !");
    emptyText[0] = 0;
    return emptyText;
}

Basic::operator long int() {
    PureCall("Appel de Basic::long int virtuelle pure !");
    return 0;
}

Basic::~Basic() = default;

int WriteInt32(FILE* file, int32_t value) {
    uint32_t u = static_cast<uint32_t>(value);
    unsigned char bytes[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                              static_cast<unsigned char>(u >> 16),
                              static_cast<unsigned char>(u >> 24)};
    return std::fwrite(bytes, 1, 4, file) == 4;
}

int ReadInt32(FILE* file, int32_t& value) {
    unsigned char bytes[4];
    if (std::fread(bytes, 1, 4, file) != 4)
        return 0;
    value = static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) |
                                 (static_cast<uint32_t>(bytes[1]) << 8) |
                                 (static_cast<uint32_t>(bytes[2]) << 16) |
                                 (static_cast<uint32_t>(bytes[3]) << 24));
    return 1;
}

int WriteUInt16(FILE* file, uint16_t value) {
    unsigned char bytes[2] = {static_cast<unsigned char>(value),
                              static_cast<unsigned char>(value >> 8)};
    return std::fwrite(bytes, 1, 2, file) == 2;
}

int ReadUInt16(FILE* file, uint16_t& value) {
    unsigned char bytes[2];
    if (std::fread(bytes, 1, 2, file) != 2)
        return 0;
    value = static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
    return 1;
}

long RemainingBytes(FILE* file) {
    long here = std::ftell(file);
    if (here < 0 || std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    long end = std::ftell(file);
    if (std::fseek(file, here, SEEK_SET) != 0 || end < here)
        return -1;
    return end - here;
}

} // namespace qelvo
