#include "html/shell/html_page.h"

#include "core/shell/page_controls.h"
#include "html/html_settings.h"

namespace qelvo {

namespace {
const ControlHint kHints[] = {
    {1010, "Enable/Disable HTML generation"},
    {1012, "Enable/Disable automatic generation"},
    {1014, "Set file filters"},
};
constexpr int kMaxFilters = 254;
} // namespace

HTMLPage::HTMLPage()
    : AddonPageBase(111, 1, "HTML generation", 8, "Set HTML generation options", kHints,
                    sizeof kHints / sizeof kHints[0]) {}

void HTMLPage::LoadControls() {
    if (!Html) return;
    SetPageCheck(*this, 1010, Html->enabled);
    SetPageCheck(*this, 1012, Html->autoMake);
    SetPageText(*this, 1014, Html->filters.c_str());
}

void HTMLPage::SaveControls() {
    if (!Html) return;
    const int enabled = PageChecked(*this, 1010);
    const bool changed = enabled != Html->enabled;
    Html->enabled = enabled;
    Html->autoMake = PageChecked(*this, 1012);
    Html->filters = ReadPageText(*this, 1014, kMaxFilters);
    // The bar's "HTML" menu follows the switch.
    if (changed && RebuildAddonBar) RebuildAddonBar();
}

} // namespace qelvo
