// "Qelvo Windows" (dialog 112): the open project's switches of the dialog class generation and
// of the version numbering.
#pragma once

#include "core/options_chapter.h"

namespace qelvo {

class QelvoWindowsPage final : public AddonPageBase {
public:
    QelvoWindowsPage();

protected:
    void LoadControls() override;
    void SaveControls() override;
};

} // namespace qelvo
