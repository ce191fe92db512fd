#include "foundation/tree_walk.h"

#include <set>

namespace qelvo {

namespace {

bool IsDots(const std::string& name) {
    return name == "." || name == "..";
}

bool Hidden(const std::string& name) {
    return !name.empty() && name[0] == '.';
}

class Walker {
public:
    Walker(const WalkOptions& options, TreeVisitor& visitor)
        : options_(options), visitor_(visitor) {}

    int Walk(WalkDirectory& directory) {
        int ok = ListMatchingFiles(directory.path.c_str(), options_, directory.files);
        if (!ok) directory.error = platform::LastErrorText();
        if (!visitor_.EnterDirectory(directory)) return ok;
        for (const platform::DirEntry& file : directory.files)
            visitor_.VisitFile(directory, file);
        if (directory.depth < options_.maxDepth) ok = WalkBelow(directory) && ok;
        visitor_.LeaveDirectory(directory);
        return ok;
    }

private:
    int WalkBelow(WalkDirectory& directory) {
        std::vector<platform::DirEntry> entries;
        int ok = platform::ListDirectory((directory.path + "\\*").c_str(), true, entries);
        if (!ok && directory.error.empty()) directory.error = platform::LastErrorText();
        for (const platform::DirEntry& entry : entries) {
            // Real directories only: a link may lead back up or out of the tree.
            if (!entry.isDirectory || entry.isLink || entry.name.empty() || IsDots(entry.name) ||
                (options_.skipHidden && Hidden(entry.name)))
                continue;
            WalkDirectory child;
            child.path = directory.path + "\\" + entry.name;
            if (child.path.size() > options_.maxPathLength) continue;
            child.name = entry.name;
            child.depth = directory.depth + 1;
            ok = Walk(child) && ok;
        }
        return ok;
    }

    const WalkOptions& options_;
    TreeVisitor& visitor_;
};

} // namespace

int WalkTree(const char* root, const WalkOptions& options, TreeVisitor& visitor) {
    WalkDirectory directory;
    directory.path = root ? root : "";
    return Walker(options, visitor).Walk(directory);
}

bool ListMatchingFiles(const char* directory, const WalkOptions& options,
                       std::vector<platform::DirEntry>& files) {
    std::string prefix = std::string(directory ? directory : "") + "\\";
    std::set<std::string> taken;
    bool ok = true;
    for (const std::string& pattern : SplitPatterns(options.patterns)) {
        std::vector<platform::DirEntry> entries;
        ok = platform::ListDirectory((prefix + pattern).c_str(), false, entries) && ok;
        for (platform::DirEntry& entry : entries) {
            // A linked file may lie outside the tree, or be another name of one of its files.
            if (entry.isDirectory || entry.isLink || entry.name.empty() || IsDots(entry.name) ||
                (options.skipHidden && Hidden(entry.name)) || !taken.insert(entry.name).second)
                continue;
            files.push_back(entry);
        }
    }
    return ok;
}

std::vector<std::string> SplitPatterns(const char* patterns) {
    std::vector<std::string> result;
    std::string list = patterns ? patterns : "";
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(';', start);
        if (end == std::string::npos) end = list.size();
        size_t first = list.find_first_not_of(' ', start);
        if (first != std::string::npos && first < end) {
            size_t last = list.find_last_not_of(' ', end - 1);
            result.push_back(list.substr(first, last - first + 1));
        }
        start = end + 1;
    }
    return result;
}

} // namespace qelvo
