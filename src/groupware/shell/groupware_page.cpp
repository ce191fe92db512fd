#include "groupware/shell/groupware_page.h"

#include "core/shell/page_controls.h"
#include "groupware/groupware_settings.h"

namespace qelvo {

namespace {
const ControlHint kHints[] = {
    {1010, "Enable/Disable groupware"},
    {1011, "Set server directory for the current project"},
    {1012, "Send a mail at each Get action"},
    {1013, "Send a mail at each Send action"},
    {1014, "Set filters for useful files"},
};
constexpr int kMaxText = 254;
} // namespace

GroupwarePage::GroupwarePage()
    : AddonPageBase(110, 1, "Groupware", 8, "Set groupware options", kHints,
                    sizeof kHints / sizeof kHints[0]) {}

void GroupwarePage::LoadControls() {
    if (!Groupware) return;
    SetPageCheck(*this, 1010, Groupware->enabled);
    SetPageText(*this, 1011, Groupware->server.c_str());
    SetPageCheck(*this, 1012, Groupware->mailOnGet);
    SetPageCheck(*this, 1013, Groupware->mailOnSend);
    SetPageText(*this, 1014, Groupware->filters.c_str());
}

void GroupwarePage::SaveControls() {
    if (!Groupware) return;
    const int enabled = PageChecked(*this, 1010);
    const bool changed = enabled != Groupware->enabled;
    Groupware->enabled = enabled;
    Groupware->server = ReadPageText(*this, 1011, kMaxText);
    Groupware->mailOnGet = PageChecked(*this, 1012);
    Groupware->mailOnSend = PageChecked(*this, 1013);
    Groupware->filters = ReadPageText(*this, 1014, kMaxText);
    // The bar's "Groupware" menu follows the switch.
    if (changed && RebuildAddonBar) RebuildAddonBar();
}

} // namespace qelvo
