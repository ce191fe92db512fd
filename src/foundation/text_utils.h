// Plain text and path utilities on NUL-terminated character arrays.
#pragma once

namespace qelvo {

// Size of the shared buffers of DirectoryPart and BaseName (paths and titles stay below it).
constexpr int kPathBufferSize = 300;

// Just after the last '\' or '/'; the whole path when there is none.
const char* FileNamePart(const char* path);
char* FileNamePart(char* path);
// The path cut before its last separator ("C:\" keeps it for a drive root; "" when there is no
// separator or only one at index 0), in a buffer shared by the calling thread.
const char* DirectoryPart(const char* path);
// The file name without drive, directory and extension, in a buffer shared by the thread.
const char* BaseName(const char* path);

// Index of the first c, or -1; on success the index is also left in LastCharPos.
int FindChar(const char* text, char c);
// Smallest index at which part occurs (case-sensitive), or -1; on success also in LastTextPos.
int FindText(const char* text, const char* part);
extern thread_local int LastCharPos;
extern thread_local int LastTextPos;

// In place: 'a'..'z' become 'A'..'Z', every other byte stays.
void UpperCase(char* text);

// Copies an existing file to its name with the last character replaced by '%', in blocks of
// 16384 bytes. 0 when the copy cannot be made; 1 otherwise (also when there is nothing to copy).
int MakeBackupCopy(const char* path);

// Bounded copy: at most size - 1 characters, always terminated. Gives the characters copied.
int CopyText(char* destination, const char* source, int size);

// A single owned heap copy of a text, null until first set.
class TextHolder {
public:
    TextHolder() = default;
    TextHolder(const TextHolder&) = delete;
    TextHolder& operator=(const TextHolder&) = delete;
    ~TextHolder();

    // Frees the old copy and keeps a new one; gives the copy.
    const char* Set(const char* text);
    const char* Get() const { return text_; }

private:
    char* text_ = nullptr;
};

} // namespace qelvo
