#include "topbar/top_bar.h"

#include "core/globals.h"
#include "core/project_values.h"
#include "core/recent_lists.h"
#include "foundation/settings.h"
#include "foundation/settings_fields.h"
#include "platform/platform.h"
#include "topbar/node_menus.h"
#include "topbar/topbar_shell.h"

#include <string>

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

// The project's directory: its file name cut before the last '\'; none leaves it as it is.
void EnterProjectDirectory(const char* projectFile) {
    std::string path = projectFile ? projectFile : "";
    size_t cut = path.rfind('\\');
    if (cut != std::string::npos)
        platform::ChangeDirectory(path.substr(0, cut).c_str());
}

} // namespace

void TopBarSettings::Load(bool newShell) { LoadInts(*this, "TopBar", kTopBar, newShell); }
void TopBarSettings::Save() const { SaveInts(*this, "TopBar", kTopBar); }

void RebuildBar() {
    if (TopBarShell* shell = CurrentTopBarShell())
        shell->RebuildBar();
}

TopBar::TopBar(bool isNewShell, void* barWindow) : window(barWindow), newShell(isNewShell) {
    settings.Load(isNewShell);
    ProjectValues.hierarchical = &settings.hierarchical;
    ProjectValues.hideWithView = &settings.hideWithView;
    EditOtherViewSetting = &settings.editOtherView;
    AddProjectListener(this);
}

TopBar::~TopBar() {
    RemoveProjectListener(this);
    ProjectValues.hierarchical = HeldProjectValues().hierarchical;
    ProjectValues.hideWithView = HeldProjectValues().hideWithView;
    if (EditOtherViewSetting == &settings.editOtherView)
        EditOtherViewSetting = nullptr;
    settings.Save();
}

void TopBar::ProjectOpened() {
    const char* path = Projects ? Projects->projectPath : "";
    TopBarShell* shell = CurrentTopBarShell();
    if (!placedAtMargins && shell) {
        shell->PlaceAtMargins();
        placedAtMargins = true;
    }
    ForgetProject(path);
    // The registry's layout and HideWithView are the defaults of the project's own.
    settings.hierarchical = ReadInt("TopBar", "Hierarchical", 0);
    settings.hideWithView = ReadInt("TopBar", "HideWithView", 0);
    if (ProjectOpen()) {
        EnterProjectDirectory(path);
        ReadProjectOptions();
    }
    RebuildBar();
}

void TopBar::ProjectClosed() {
    if (TopBarShell* shell = CurrentTopBarShell())
        shell->Collapse();
    if (Projects && Projects->projectOpen)
        RememberProject(Projects->projectPath);
    ClearProjectMailList();
}

void TopBar::ProjectSaving() {
    // Told before the IDE writes the file (its second notification, after, does nothing).
    WriteProjectOptions();
}

void TopBar::NodesChanged() { RebuildBar(); }
void TopBar::NodeRenamed(ide::IdeNode node) { RenameNodeItem(node); }

} // namespace qelvo
