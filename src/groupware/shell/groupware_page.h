// "Groupware" (dialog 110): the groupware switch, the project's server directory, the report
// mails and the file filters.
#pragma once

#include "core/options_chapter.h"

namespace qelvo {

class GroupwarePage final : public AddonPageBase {
public:
    GroupwarePage();

protected:
    void LoadControls() override;
    void SaveControls() override;
};

} // namespace qelvo
