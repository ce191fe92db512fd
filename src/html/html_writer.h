// The HTML writer: turns the documentation model into a set of framed pages in one directory.
#pragma once

#include "html/ht_model.h"

#include <string>

namespace qelvo {
namespace html {

struct WriteSummary {
    int pages = 0;         // pages written
    int failed = 0;        // pages that could not be created or written
    bool frameset = false; // the frameset page was written
};

// Writes every page (frameset, title bar, project contents, file list, project presentation,
// then per file its contents and presentation, then the class, function and macro pages) into
// outputDirectory, which is made when missing. Each page takes the name the page set gives it;
// a page whose name cannot be a file gets no page and no link. 1 when every page was written.
int WritePages(const htProjet& project, const char* outputDirectory, WriteSummary* summary);

// The frameset page's file name, "Documentation <name>.html" (no other page takes it first).
std::string FramesetPageName(const char* projectName);

} // namespace html
} // namespace qelvo
