// The HTML writer: turns the documentation model into a set of framed pages in one directory.
#pragma once

#include "html/ht_model.h"
#include "html/page_store.h"

#include <string>
#include <vector>

namespace qelvo {
namespace html {

// A page that is not in place, and the system's reason.
struct PageFailure {
    std::string page; // its file name in the output directory
    std::string reason;
};

struct WriteSummary {
    int pages = 0;         // pages in place: written, or found already holding their text
    int written = 0;       // pages written (new or changed)
    int unchanged = 0;     // pages left as they were
    int removed = 0;       // pages of the last generation that this one no longer makes
    int failed = 0;        // pages refused: not in place, and linked from nowhere
    bool frameset = false; // the frameset page is in place
    // Set when the output directory cannot be made or is not one: then no page is.
    std::string directoryError;
    // Each refused page with its reason, and the list of pages when it could not be written.
    std::vector<PageFailure> failures;
};

// Puts every page (frameset, title bar, project contents, file list, project presentation, then
// per file its contents and presentation, then the class, function and macro pages) into
// outputDirectory, which is made when missing. Each page is complete or absent; pages already
// holding their text are not rewritten; the last generation's pages that are no longer made are
// removed. A page that cannot be written is refused, and the pages written after that link to
// it no more (those written before are written again). files: null for the system's.
// 1 when every page is in place.
int WritePages(const htProjet& project, const char* outputDirectory, WriteSummary* summary,
               PageFiles* files = nullptr);

// The frameset page's file name, "Documentation <name>.html" (no other page takes it first).
std::string FramesetPageName(const char* projectName);

} // namespace html
} // namespace qelvo
