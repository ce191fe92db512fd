#include "setup/ide_search.h"

namespace qelvo {
namespace setup {

const char kDefaultIdeDirectory[] = "C:\\BC5\\BIN";

namespace {

bool Qualifies(SearchFileSystem& fs, const std::string& directory) {
    return !directory.empty() && fs.FileExists(directory + "\\BCW.EXE");
}

// "C:" alone names the drive's current directory; the installer wants its root.
std::string WithRootSlash(const std::string& directory) {
    if (directory.size() == 2 && directory[1] == ':') return directory + "\\";
    return directory;
}

} // namespace

bool SearchTree(SearchFileSystem& fs, const std::string& directory, std::string& found) {
    if (Qualifies(fs, directory)) {
        found = WithRootSlash(directory);
        return true;
    }
    std::vector<SearchEntry> entries;
    if (!fs.List(directory + "\\*", entries)) return false;
    for (const SearchEntry& entry : entries) {
        if (!entry.isDirectory || entry.isVolumeLabel || entry.isLink) continue;
        if (entry.name == "." || entry.name == ".." || entry.name.empty()) continue;
        std::string child = directory + "\\" + entry.name;
        if (child.size() > kMaxSearchPath) continue;
        if (SearchTree(fs, child, found)) return true;
    }
    return false;
}

bool FindIdeDirectory(SearchFileSystem& fs, std::string& found) {
    // 1. Where the installer was started (a buffer of 255 characters).
    std::string current = fs.CurrentDirectory();
    if (current.size() < 255 && Qualifies(fs, current)) {
        found = WithRootSlash(current);
        return true;
    }
    // 2. The usual places, kept with a trailing backslash.
    static const char* const usual[] = {"c:\\Program Files\\BC5", "c:\\BC5", "c:\\pro\\BC5"};
    for (const char* place : usual) {
        if (Qualifies(fs, place)) {
            found = std::string(place) + "\\";
            return true;
        }
    }
    // 3. The PATH, read into a buffer of 1023 characters, in order.
    std::string path = fs.PathVariable();
    if (path.size() > 1022) path.resize(1022);
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(';', start);
        if (end == std::string::npos) end = path.size();
        std::string entry = path.substr(start, end - start);
        if (!entry.empty() && Qualifies(fs, entry)) {
            found = WithRootSlash(entry);
            return true;
        }
        start = end + 1;
    }
    // 4. The drives from C: upward while a drive's root lists something.
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        std::string drive = std::string(1, letter) + ":";
        std::vector<SearchEntry> root;
        if (!fs.List(drive + "\\*", root) || root.empty()) break;
        if (SearchTree(fs, drive, found)) return true;
    }
    return false;
}

} // namespace setup
} // namespace qelvo
