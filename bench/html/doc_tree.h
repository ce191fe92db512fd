// A generated project of documented C++ sources, for the benchmarks and the comparison script:
// headers with classes, macros and a file comment, sources with documented member definitions
// and overloaded global functions, companion files for some of them, in nested subdirectories.
#pragma once

#include <string>
#include <vector>

namespace qelvo {
namespace bench {

struct TreeSize {
    int files = 2000;        // header and source files together
    int linesPerFile = 250;  // about; every file ends on a whole declaration
};

// One file of the tree: its path below the tree's top ('\' between names), its text and how
// many lines of it count as source (companion files count none).
struct SourceFile {
    std::string path;
    std::string text;
    long lines;
};

// The tree's files in memory, each source after its header and before its companion file.
std::vector<SourceFile> DocumentedSources(const TreeSize& size);

// Writes the tree below directory (which must exist). Gives the number of lines written.
long WriteDocumentedTree(const std::string& directory, const TreeSize& size);

} // namespace bench
} // namespace qelvo
