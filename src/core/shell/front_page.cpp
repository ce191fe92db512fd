#include "core/shell/front_page.h"

#include "core/globals.h"
#include "core/shell/page_controls.h"

namespace qelvo {

FrontPage::FrontPage()
    : AddonPageBase(102, 4096, "Qelvo AddOn for Borland C++", 8,
                    "Set general Qelvo AddOn options") {}

void FrontPage::LoadControls() {
    SetPageText(*this, 1017, Environment ? Environment->osText : "");
}

} // namespace qelvo
