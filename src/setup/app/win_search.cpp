#include "win_search.h"

#include <windows.h>

namespace qelvo {
namespace setup {

std::string WinSearchFileSystem::CurrentDirectory() {
    char buffer[255];
    DWORD n = ::GetCurrentDirectoryA(sizeof buffer, buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

std::string WinSearchFileSystem::PathVariable() {
    char buffer[1023];
    DWORD n = ::GetEnvironmentVariableA("PATH", buffer, sizeof buffer);
    // A longer PATH is read up to what the buffer holds.
    if (n >= sizeof buffer) {
        std::string whole(n, '\0');
        DWORD got = ::GetEnvironmentVariableA("PATH", &whole[0], n);
        whole.resize(got < n ? got : 0);
        return whole.substr(0, sizeof buffer - 1);
    }
    return std::string(buffer, n);
}

bool WinSearchFileSystem::FileExists(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WinSearchFileSystem::List(const std::string& pattern, std::vector<SearchEntry>& out) {
    out.clear();
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    do {
        SearchEntry entry;
        entry.name = data.cFileName;
        entry.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.isVolumeLabel = (data.dwFileAttributes & 0x8) != 0; // the DOS volume-label bit
        entry.isLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        out.push_back(entry);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return true;
}

} // namespace setup
} // namespace qelvo
