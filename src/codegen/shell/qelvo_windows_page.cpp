#include "codegen/shell/qelvo_windows_page.h"

#include "core/project_values.h"
#include "core/shell/page_controls.h"

namespace qelvo {

namespace {
const ControlHint kHints[] = {
    {1010, "Enable/Disable Qelvo Windows file generation"},
    {1011, "Enable/Disable version file generation"},
};
} // namespace

QelvoWindowsPage::QelvoWindowsPage()
    : AddonPageBase(112, 1, "Qelvo Windows", 8, "Set Qelvo Windows options", kHints,
                    sizeof kHints / sizeof kHints[0]) {}

// The switches live wherever the project's values are bound (the generator's while it exists).
void QelvoWindowsPage::LoadControls() {
    SetPageCheck(*this, 1010, *ProjectValues.eWindows);
    SetPageCheck(*this, 1011, *ProjectValues.genRC);
}

void QelvoWindowsPage::SaveControls() {
    *ProjectValues.eWindows = PageChecked(*this, 1010);
    *ProjectValues.genRC = PageChecked(*this, 1011);
}

} // namespace qelvo
