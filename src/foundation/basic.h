// The abstract base of every record, text and list: two file operations and two conversions.
// An operation a class does not provide says so in a message box and fails.
#pragma once

#include <cstdint>
#include <cstdio>

namespace qelvo {

class Basic {
public:
    Basic() = default;
    Basic(const Basic&) = default;
    Basic& operator=(const Basic&) = default;

    // Appends the object's encoding at the file's current position; 1 when all was written.
    virtual int fWrite(FILE* file);
    // Replaces the object's content by the encoding at the current position; 1 when all was read.
    virtual int fRead(FILE* file);
    // The object's text: its sort key for SortByText.
    virtual operator char*();
    // The object's number: its sort key for SortByValue.
    virtual operator long int();
    virtual ~Basic();
};

// Little-endian building blocks of every encoding (no padding, no tags).
int WriteInt32(FILE* file, int32_t value);
int ReadInt32(FILE* file, int32_t& value);
int WriteUInt16(FILE* file, uint16_t value);
int ReadUInt16(FILE* file, uint16_t& value);

// Bytes left between the current position and the end of a seekable file, or -1 when the stream
// cannot tell. Readers use it to refuse counts that the file cannot hold before allocating.
long RemainingBytes(FILE* file);

} // namespace qelvo
