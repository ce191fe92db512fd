// The documentation model: the project's files, classes (with their members), global functions
// and macros, each with a short description, a documentation text and its declaring code.
// Filled by the documentation scanner, turned into pages by the HTML writer.
#pragma once

#include "foundation/qstring.h"
#include "foundation/tableau.h"

namespace qelvo {
namespace html {

// Longest name the model keeps; longer names are cut there.
constexpr unsigned kMaxNameLength = 79;

// A global function, a macro or a class member; the base of the other three records.
class htSymbol : public Basic {
public:
    String name;  // file name for a file, project name for the project
    String brief; // the rest of the first line of its documentation comment
    String text;  // documentation lines, each ended by "\n" (0x03 "\n" for a forced break)
    String code;  // declaring lines, each followed by "\n"

    // The key for sorting and searching.
    operator char*() override { return name; }
    const char* Name() const { return name.c_str(); }
};

class htClass : public htSymbol {
public:
    Ensemble<htSymbol> members; // in the order first met
};

class htFile : public htSymbol {
public:
    htFile();
    String path;
    // The symbols met in the file, in order of first appearance; they belong to the project.
    Ensemble<htSymbol> macros;
    Ensemble<htSymbol> functions;
    Ensemble<htClass> classes;
};

class htProjet : public htSymbol {
public:
    htProjet();
    String directory;
    String patterns; // file patterns separated by ";"
    Ensemble<htSymbol> functions;
    Ensemble<htClass> classes;
    Ensemble<htSymbol> macros;
    Ensemble<htFile> files;

    // Sorts the four lists by name, byte by byte as unsigned characters. Equal names keep the
    // order in which they were met, so the pages come out the same on every system; files of
    // one name go by their paths.
    void SortLists();

    // First entry of that exact name in a sorted list, or null; its position in *position.
    htClass* FindClass(const char* name, int* position = nullptr) const;
    htSymbol* FindMacro(const char* name, int* position = nullptr) const;
    htSymbol* FindFunction(const char* name, int* position = nullptr) const;
};

// Position of symbol in a sorted list (the entry itself, not the first of its name), or -1.
int PositionInSorted(const BasicTableau& list, const htSymbol* symbol);
// First entry of that exact name in a list sorted by name, or -1.
int FirstPositionOf(const BasicTableau& list, const char* name);

} // namespace html
} // namespace qelvo
