#include "topbar/top_bar.h"

#include "foundation/settings_fields.h"
#include "topbar/node_menus.h"
#include "topbar/topbar_shell.h"

namespace qelvo {

TopBar* Bar = nullptr;

namespace {

const IntField<TopBarSettings> kTopBar[] = {
    {"Enabled", &TopBarSettings::enabled},
    {"LeftMargin", &TopBarSettings::leftMargin},
    {"RightMargin", &TopBarSettings::rightMargin},
    {"MenuSize", &TopBarSettings::menuSize},
    {"HideWithBCW", &TopBarSettings::hideWithBCW},
    {"EditOtherView", &TopBarSettings::editOtherView},
    {"Hierarchical", &TopBarSettings::hierarchical},
    {"HideWithView", &TopBarSettings::hideWithView},
    {"AlwaysOnTop", &TopBarSettings::alwaysOnTop},
};

void Rebuild() {
    if (TopBarShell* shell = CurrentTopBarShell())
        shell->RebuildBar();
}

} // namespace

void TopBarSettings::Load(bool newShell) { LoadInts(*this, "TopBar", kTopBar, newShell); }
void TopBarSettings::Save() const { SaveInts(*this, "TopBar", kTopBar); }

TopBar::TopBar(bool isNewShell, void* barWindow) : window(barWindow), newShell(isNewShell) {
    settings.Load(isNewShell);
    AddProjectListener(this);
}

TopBar::~TopBar() {
    RemoveProjectListener(this);
    settings.Save();
}

void TopBar::ProjectOpened() { Rebuild(); }
void TopBar::NodesChanged() { Rebuild(); }
void TopBar::NodeRenamed(ide::IdeNode node) { RenameNodeItem(node); }

} // namespace qelvo
