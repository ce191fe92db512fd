// The one walk through a tree of the user's files, for every feature that goes through one (the
// dialog classes and version numbering at Make start, the documentation, and whoever searches,
// copies or scans a project's files).
//
// Each directory is entered, its matching files are visited, its sub-directories are walked
// one after another (depth first, in listing order), and then it is left. Links are never
// followed, to a directory or to a file, and "." and ".." never gone through: the walk stays
// inside the tree it was given, visits each file once and ends, whatever links the tree holds.
// Only regular files are visited (the listing leaves pipes and devices out).
#pragma once

#include "platform/platform.h"

#include <cstddef>
#include <string>
#include <vector>

namespace qelvo {

struct WalkOptions {
    // Wildcard patterns separated by ';' (blanks around each are ignored, empty ones skipped).
    // A directory's files come pattern by pattern, each in listing order; a file that matches
    // several patterns comes once, at the first.
    const char* patterns = "*.*";
    // Leaves out files and sub-directories whose names start with '.' (version control and
    // tools keep their own things there).
    bool skipHidden = true;
    // Sub-directories are walked while the directory's depth is below this (the root is at
    // 0; 0 walks the root alone).
    int maxDepth = 64;
    // A sub-directory whose path would be longer is not walked.
    size_t maxPathLength = 4000;
};

// A directory the walk is in.
struct WalkDirectory {
    std::string path;                      // the root as given, then path + "\" + name below it
    std::string name;                      // empty for the root
    int depth = 0;                         // 0 for the root
    std::vector<platform::DirEntry> files; // its matching files, in visiting order
    std::string error; // the system's words when it could not be listed, else empty
};

// What the walk calls. Callers that work per file take VisitFile; callers that work per
// directory take EnterDirectory (before anything below it) or LeaveDirectory (after
// everything below it) and the directory's files.
class TreeVisitor {
public:
    // 0 leaves the directory out: its files, everything below it and its LeaveDirectory.
    virtual int EnterDirectory(const WalkDirectory& directory) { return 1; }
    virtual void VisitFile(const WalkDirectory& directory, const platform::DirEntry& file) {}
    virtual void LeaveDirectory(const WalkDirectory& directory) {}

protected:
    ~TreeVisitor() = default;
};

// Walks the tree below root; 0 when some directory could not be listed (it is entered and left
// all the same, with no files).
int WalkTree(const char* root, const WalkOptions& options, TreeVisitor& visitor);

// The files of one directory as the walk sees them; false when it cannot be listed.
bool ListMatchingFiles(const char* directory, const WalkOptions& options,
                       std::vector<platform::DirEntry>& files);

// The patterns of a ';'-separated list, blanks around each removed, empty ones left out.
std::vector<std::string> SplitPatterns(const char* patterns);

} // namespace qelvo
