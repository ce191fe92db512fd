// A file's current text through the IDE's file reader: the editor's buffer when the file is
// open in one, so unsaved changes are seen, else the file on disk.
#pragma once

#include "ide/ide_services.h"

#include <cstddef>
#include <memory>

namespace qelvo {

struct SourceText {
    std::unique_ptr<char[]> bytes; // length bytes and a NUL
    size_t length = 0;
};

// The reader delivers at most this many bytes a call.
constexpr int32_t kReadChunk = 32000;

// Reads fileName's text; an empty text when it cannot be read. Only the bytes really read
// count, so a text that shrank between the length and the read leaves no unset bytes behind,
// and one that grew is cut at the length first measured.
SourceText ReadSourceText(ide::IdeServices* services, const char* fileName);

// The file's bytes on disk, outside the IDE; false (with an empty text) when it cannot be read.
bool ReadDiskText(const char* path, SourceText& text);

} // namespace qelvo
