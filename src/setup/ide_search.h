// Finding the IDE directory (the one that holds BCW.EXE): the current directory, a few usual
// places, the PATH, then a depth-first search of the drives from C: upward. The file system is
// reached through an interface so the order and the search can be checked on a fake one.
#pragma once

#include <string>
#include <vector>

namespace qelvo {
namespace setup {

struct SearchEntry {
    std::string name;
    bool isDirectory = false;
    bool isVolumeLabel = false;
    bool isLink = false; // a junction or symbolic link: never followed
};

class SearchFileSystem {
public:
    // The current directory (empty when it cannot be read).
    virtual std::string CurrentDirectory() = 0;
    // The PATH variable (empty when it is not set).
    virtual std::string PathVariable() = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Lists the entries matching a pattern such as "C:\dir\*" in the file system's order,
    // "." and ".." included as the file system reports them. False when nothing can be listed.
    virtual bool List(const std::string& pattern, std::vector<SearchEntry>& out) = 0;

protected:
    ~SearchFileSystem() = default;
};

// Paths longer than this are never formed: the installer keeps directories in buffers of 256
// characters, and the bound also ends the descent through any loop of the file system.
enum : size_t { kMaxSearchPath = 255 };

// The first qualifying directory in the search order, or false. A bare drive letter with its
// colon gets a backslash; the usual places are given with a trailing backslash.
bool FindIdeDirectory(SearchFileSystem& fs, std::string& found);

// Depth-first search below `directory` (exposed for tests).
bool SearchTree(SearchFileSystem& fs, const std::string& directory, std::string& found);

// The IDE directory assumed when the search finds none.
extern const char kDefaultIdeDirectory[];

} // namespace setup
} // namespace qelvo
