// "Top screen bar" (dialog 105): the bar's switches, margins, menu construction and column
// size, and the limits of the recent lists.
#pragma once

#include "core/options_chapter.h"

namespace qelvo {

class TopMenuPage final : public AddonPageBase {
public:
    TopMenuPage();

protected:
    bool CheckControls() override;
    void LoadControls() override;
    void SaveControls() override;
};

} // namespace qelvo
