// The add-on's options chapter: every page, in table order.
#pragma once

#include "core/options_chapter.h"

namespace qelvo {

// Appends the pages in table order; page n shows dialog 102 + n.
void BuildPages(IMpdChapterAddon& chapter);
// Makes BuildPages the chapter's builder.
void InstallOptionPages();

} // namespace qelvo
