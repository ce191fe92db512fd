// "General options" (dialog 103): the general automation's switches and the auto-save delay.
#pragma once

#include "core/options_chapter.h"

namespace qelvo {

class GeneralPage final : public AddonPageBase {
public:
    GeneralPage();

protected:
    bool CheckControls() override;
    void LoadControls() override;
    void SaveControls() override;
    void Notify(int32_t controlId, int32_t notification) override;
    bool Marks(int32_t controlId) const override { return controlId != 1017; }
};

} // namespace qelvo
