// "Editor menu" (dialog 104): the editor menu's switches and column size, the quick find's
// filters, the caption buttons' side and the four quick-find keys.
#pragma once

#include "core/options_chapter.h"

namespace qelvo {

class EditorPage final : public AddonPageBase {
public:
    EditorPage();

protected:
    bool CheckControls() override;
    void LoadControls() override;
    void SaveControls() override;
    void Notify(int32_t controlId, int32_t notification) override;

private:
    // The quick-find keys while the page is open (function, method, class, cross reference).
    uint16_t keys_[4] = {};
};

} // namespace qelvo
