// Where an include file lives: searched by name below the project's directory and the
// directories of the project's include option, depth first.
#pragma once

#include "foundation/qstring.h"

namespace qelvo {

// Found paths are kept to the 255 characters the IDE's path buffers hold; a longer one is not
// taken and the search goes on.
constexpr size_t kMaxFoundPath = 255;

// Searches directory\name, then every sub-directory (depth first, in listing order, none whose
// name starts with '.', no link followed). True with the path in found.
bool FindFileInTree(const char* name, const char* directory, String& found);

// The search list: the project's directory (the current one without a project), then the
// include directories of the clicked file's node (or the project's top node); its items are
// separated by ';'.
String IncludeSearchList(const char* clickedFile);

// Searches each item of the list in turn. On success shows the found path in the status line;
// otherwise shows "Pas trouve".
bool LocateInclude(const char* name, const char* searchList, String& found);

} // namespace qelvo
