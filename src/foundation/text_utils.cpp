#include "foundation/text_utils.h"

#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace qelvo {

thread_local int LastCharPos = -1;
thread_local int LastTextPos = -1;

namespace {
thread_local char directoryBuffer[kPathBufferSize];
thread_local char baseNameBuffer[kPathBufferSize];

int LastSeparator(const char* path) {
    int last = -1;
    for (int i = 0; path[i]; ++i)
        if (path[i] == '\\' || path[i] == '/')
            last = i;
    return last;
}
} // namespace

int CopyText(char* destination, const char* source, int size) {
    if (!destination || size <= 0)
        return 0;
    int n = 0;
    if (source)
        while (n < size - 1 && source[n]) {
            destination[n] = source[n];
            ++n;
        }
    destination[n] = 0;
    return n;
}

const char* FileNamePart(const char* path) {
    if (!path)
        return "";
    int last = LastSeparator(path);
    return path + last + 1;
}

char* FileNamePart(char* path) {
    return path + (FileNamePart(static_cast<const char*>(path)) - path);
}

const char* DirectoryPart(const char* path) {
    directoryBuffer[0] = 0;
    if (!path)
        return directoryBuffer;
    int cut = LastSeparator(path);
    if (cut <= 0)
        return directoryBuffer;
    if (cut == 2 && path[1] == ':')
        cut = 3; // a drive root keeps its separator
    int n = cut < kPathBufferSize - 1 ? cut : kPathBufferSize - 1;
    std::memcpy(directoryBuffer, path, static_cast<size_t>(n));
    directoryBuffer[n] = 0;
    return directoryBuffer;
}

const char* BaseName(const char* path) {
    const char* name = FileNamePart(path);
    if (name == path && path && path[0] && path[1] == ':')
        name += 2; // "C:FILE.C"
    CopyText(baseNameBuffer, name, kPathBufferSize);
    if (char* dot = std::strrchr(baseNameBuffer, '.'))
        *dot = 0;
    return baseNameBuffer;
}

int FindChar(const char* text, char c) {
    if (!text)
        return -1;
    for (int i = 0; text[i]; ++i)
        if (text[i] == c) {
            LastCharPos = i;
            return i;
        }
    return -1;
}

int FindText(const char* text, const char* part) {
    if (!text || !part)
        return -1;
    size_t textLength = std::strlen(text), partLength = std::strlen(part);
    if (partLength > textLength)
        return -1;
    for (size_t i = 0; i + partLength <= textLength; ++i)
        if (std::memcmp(text + i, part, partLength) == 0) {
            LastTextPos = static_cast<int>(i);
            return LastTextPos;
        }
    return -1;
}

void UpperCase(char* text) {
    if (!text)
        return;
    for (; *text; ++text)
        if (*text >= 'a' && *text <= 'z')
            *text = static_cast<char>(*text - 'a' + 'A');
}

int MakeBackupCopy(const char* path) {
    if (!path || !*path)
        return 1;
    platform::FileStatus status = platform::GetFileStatus(path);
    if (!status.exists || status.isDirectory)
        return 1;
    FILE* in = platform::OpenFile(path, "rb");
    if (!in)
        return 1;
    std::string backup = path;
    backup.back() = '%';
    FILE* out = platform::OpenFile(backup.c_str(), "wb");
    if (!out) {
        std::fclose(in);
        return 0;
    }
    static constexpr size_t kBlock = 16384;
    char* block = static_cast<char*>(std::malloc(kBlock));
    int result = block != nullptr;
    uint64_t left = status.size;
    while (result && left > 0) {
        size_t want = left < kBlock ? static_cast<size_t>(left) : kBlock;
        size_t got = std::fread(block, 1, want, in);
        if (got > 0 && std::fwrite(block, 1, got, out) != got)
            result = 0; // a backup that was not written whole is no backup
        if (got < want)
            break; // the file shrank since it was examined
        left -= got;
    }
    std::free(block);
    std::fclose(in);
    if (std::fclose(out) != 0)
        result = 0;
    return result;
}

TextHolder::~TextHolder() { std::free(text_); }

const char* TextHolder::Set(const char* text) {
    std::free(text_);
    text_ = nullptr;
    if (text) {
        size_t n = std::strlen(text) + 1;
        text_ = static_cast<char*>(std::malloc(n));
        if (text_)
            std::memcpy(text_, text, n);
    }
    return text_;
}

} // namespace qelvo
