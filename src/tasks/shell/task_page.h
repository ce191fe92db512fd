// "Task management" (dialog 109): the task list's settings and its task types.
#pragma once

#include "core/options_chapter.h"

namespace qelvo {

class TaskPage final : public AddonPageBase {
public:
    TaskPage();

protected:
    void LoadControls() override;
    void SaveControls() override;
};

} // namespace qelvo
