// What the project menus need of the windowing system: the IDE's viewer windows, the Shift key,
// and the bar's menu. The shell implements it with Win32 and installs it with the bar; tests
// install a fake. Without one, nothing is looked up and the bar is left alone.
#pragma once

#include "core/menu_plan.h"

namespace qelvo {

class TopBarShell {
public:
    // The first window of the class among the IDE's MDI children whose title names titlePart
    // (upper case); null when none.
    virtual void* FindViewer(const char* className, const char* titlePart) = 0;
    // Shows the window normally, puts it on top of the MDI children without moving or sizing
    // it, and makes the IDE's frame the active window.
    virtual void BringForward(void* window) = 0;
    virtual bool ShiftDown() = 0;

    // Replaces the bar's menu by a new one planned from the project.
    virtual void RebuildBar() = 0;
    // The plan of the menus on the bar now; null before the first build.
    virtual MenuPlan* BarPlan() = 0;
    // Replaces the item at the position of a planned menu on the bar by the item (same command
    // or same popup, new text).
    virtual void ReplaceItem(int menu, int position, const PlannedItem& item) = 0;
    virtual void RedrawBar() = 0;
    // A window of class "BCW5Project" among the IDE's MDI children.
    virtual bool ProjectViewOpen() { return false; }
    // Placement: collapsed to one row; moved from the creation geometry to the margins.
    virtual void Collapse() {}
    virtual void PlaceAtMargins() {}

protected:
    ~TopBarShell() = default;
};

// Installs the shell and gives the previous one; null leaves none.
TopBarShell* SetTopBarShell(TopBarShell* shell);
TopBarShell* CurrentTopBarShell();

} // namespace qelvo
