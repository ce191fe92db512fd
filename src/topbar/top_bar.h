// The bar across the top of the screen: its settings, its state, and what it does when the
// project opens, closes, is saved or changes (the menus are rebuilt, a renamed node's item is
// renamed, the per-project options are read and written, the recent projects follow).
#pragma once

#include "core/project_session.h"

namespace qelvo {

struct TopBarSettings {
    int enabled, leftMargin, rightMargin, menuSize, hideWithBCW, editOtherView;
    int hierarchical, hideWithView, alwaysOnTop;
    void Load(bool newShell);
    void Save() const;
};

class TopBar final : public ProjectListener {
public:
    // Reads the "TopBar" group, binds its per-project fields and listens to the project session.
    TopBar(bool isNewShell, void* barWindow);
    // Stops listening, unbinds its fields and writes the group back.
    ~TopBar();
    TopBar(const TopBar&) = delete;
    TopBar& operator=(const TopBar&) = delete;

    void ProjectOpened() override;
    void ProjectClosed() override;
    void NodesChanged() override;
    void NodeRenamed(ide::IdeNode node) override;
    void ProjectSaving() override;

    TopBarSettings settings;
    void* window;
    bool newShell;
    bool expanded = false; // placed with all the rows of its menu bar
    int fullHeight = 0;    // the expanded height; 0 until measured after each build
    bool placedAtMargins = false; // moved from its creation geometry at the first project
};

// The add-on's bar; null while it does not exist.
extern TopBar* Bar;

// Replaces the bar's menu by a new one (commands 103, node events, project opened).
void RebuildBar();

} // namespace qelvo
