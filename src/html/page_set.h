// The pages of one generation: which pages there are, the file name each one takes in the
// output directory, and which of them may be linked to.
//
// Pages are named after what they show (the project, a file, a class, a function or macro and
// its position), and every page goes into the one output directory. Names that the file system
// would take for the same file (equal, or equal but for case, as on Windows) would overwrite
// each other, so each page claims its name in a fixed order (the project's pages, then each
// file's pair in sorted order, then the classes, functions and macros in sorted order) and a
// page whose name is already taken gets " (2)", " (3)"... before ".html" (a file's two pages
// take the same suffix). A name that no page takes before it stays exactly as it is, and the
// same tree gives the same names on every run and system. A name that cannot be a file name
// here (a separator, a wildcard, a control character) gets no page at all.
#pragma once

#include "html/ht_model.h"

#include <string>
#include <string_view>
#include <vector>

namespace qelvo {
namespace html {

class PageSet {
public:
    // The project's own pages, in the order of their ids.
    enum Fixed { kFrameset, kTitle, kProjectContents, kFileList, kProjectPresentation, kFixed };

    explicit PageSet(const htProjet& project);

    int Count() const { return static_cast<int>(names_.size()); }
    // Ids by what the page shows: positions in the project's sorted lists.
    int FileContents(int file) const { return kFixed + 2 * file; }
    int FilePresentation(int file) const { return kFixed + 2 * file + 1; }
    int Class(int position) const { return firstClass_ + position; }
    int Function(int position) const { return firstFunction_ + position; }
    int Macro(int position) const { return firstMacro_ + position; }

    // The page's file name (for a refused name, the name it would have had).
    const std::string& Name(int id) const { return names_[id]; }
    // The name cannot be a file here: the page was refused before anything was written.
    bool Unusable(int id) const { return unusable_[id] != 0; }
    // The page's title: its file name without ".html".
    std::string_view Title(int id) const;
    // A page with a name that has not been refused since.
    bool Linkable(int id) const { return id >= 0 && id < Count() && !refused_[id]; }
    // The page could not be written: nothing links to it any more.
    void Refuse(int id) { refused_[id] = 1; }

private:
    std::vector<std::string> names_;
    std::vector<char> refused_;
    std::vector<char> unusable_;
    int firstClass_ = 0;
    int firstFunction_ = 0;
    int firstMacro_ = 0;
};

// A name the output directory can hold as one file on every system: no separator, no wildcard,
// no character Windows refuses, no control character.
bool UsableFileName(const std::string& name);
// The name as Windows compares it: letters of either case (ASCII and Latin-1) made lower case.
std::string FoldedFileName(const std::string& name);

} // namespace html
} // namespace qelvo
