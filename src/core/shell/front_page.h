// The chapter's front page (dialog 102): the add-on's version and the system it runs on.
// Nothing on it is saved.
#pragma once

#include "core/options_chapter.h"

namespace qelvo {

class FrontPage final : public AddonPageBase {
public:
    FrontPage();

protected:
    void LoadControls() override;
};

} // namespace qelvo
