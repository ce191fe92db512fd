#include "navigation/source_text.h"

#include "platform/platform.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <new>

namespace qelvo {

namespace {

// One pass of a reader opened in mode: the text, or false when the reads failed (the reader
// was not open). Reads stay within the length measured first.
bool ReadOnce(ide::HostFileReader* reader, int32_t mode, SourceText& out) {
    out = SourceText();
    reader->Open(mode);
    int32_t end = reader->Seek(0, ide::kSeekEnd);
    reader->Seek(0, ide::kSeekStart);
    size_t length = end > 0 ? static_cast<size_t>(end) : 0;
    out.bytes.reset(new (std::nothrow) char[length + 1]);
    if (!out.bytes) {
        reader->Close();
        return true; // no memory for it: an empty text
    }
    size_t total = 0;
    bool failed = false;
    while (total < length) {
        size_t left = length - total;
        int32_t want =
            left < static_cast<size_t>(kReadChunk) ? static_cast<int32_t>(left) : kReadChunk;
        int32_t got = reader->Read(out.bytes.get() + total, want);
        if (got < 0) failed = true;
        if (got <= 0) break;
        total += static_cast<size_t>(got > want ? want : got);
    }
    reader->Close();
    out.length = failed ? 0 : total;
    out.bytes[out.length] = 0;
    return !failed;
}

ide::HostFileReader* NewReader(ide::IdeServices* services, const char* fileName) {
    ide::HostFileReader* reader = services->NewHostFileReader();
    if (reader) reader->SetFileName(ide::MakeHostString(services, fileName));
    return reader;
}

} // namespace

SourceText ReadSourceText(ide::IdeServices* services, const char* fileName) {
    SourceText text;
    if (!services || !fileName) return text;
    ide::HostFileReader* reader = NewReader(services, fileName);
    if (!reader) return text;
    bool done = ReadOnce(reader, ide::kReadCurrentText, text);
    reader->Release();
    if (done) return text;
    // Once more with a new reader: from the editor alone when one holds the file.
    reader = NewReader(services, fileName);
    if (!reader) return text;
    int32_t mode =
        reader->QueryOpenInEditor() == ide::kIdeOk ? ide::kReadEditorBuffer : ide::kReadCurrentText;
    ReadOnce(reader, mode, text);
    reader->Release();
    return text;
}

bool ReadDiskText(const char* path, SourceText& text) {
    text = SourceText();
    FILE* file = platform::OpenFile(path, "rb");
    if (!file) return false;
    // Read straight into a block of the size measured first; a file that grew meanwhile is read
    // on in blocks, one that shrank ends where its bytes end.
    uint64_t measured = platform::GetFileStatus(path).size;
    size_t capacity = measured < (1u << 30) ? static_cast<size_t>(measured) + 1 : 65536;
    std::unique_ptr<char[]> bytes(new (std::nothrow) char[capacity + 1]);
    size_t length = 0;
    bool ok = bytes != nullptr;
    while (ok) {
        if (length == capacity) {
            size_t larger = capacity * 2;
            std::unique_ptr<char[]> grown(new (std::nothrow) char[larger + 1]);
            if (!grown) {
                ok = false;
                break;
            }
            std::memcpy(grown.get(), bytes.get(), length);
            bytes = std::move(grown);
            capacity = larger;
        }
        size_t n = std::fread(bytes.get() + length, 1, capacity - length, file);
        length += n;
        if (n == 0) break;
    }
    ok = ok && !std::ferror(file);
    std::fclose(file);
    if (!ok) return false;
    bytes[length] = 0;
    text.bytes = std::move(bytes);
    text.length = length;
    return true;
}

} // namespace qelvo
