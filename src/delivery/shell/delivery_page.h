// "Project delivery" (dialog 107): the delivery tool's switch and the open project's delivery
// directories, one list line per node type.
#pragma once

#include "core/options_chapter.h"

namespace qelvo {

class DeliveryPage final : public AddonPageBase {
public:
    DeliveryPage();

protected:
    void LoadControls() override;
    void SaveControls() override;
    void Notify(int32_t controlId, int32_t notification) override;

private:
    void ShowSelectedDirectory();
    void ReplaceSelectedLine();
};

} // namespace qelvo
