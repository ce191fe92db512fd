// "HTML generation" (dialog 111): the documentation's switches and file filters.
#pragma once

#include "core/options_chapter.h"

namespace qelvo {

class HTMLPage final : public AddonPageBase {
public:
    HTMLPage();

protected:
    void LoadControls() override;
    void SaveControls() override;
};

} // namespace qelvo
