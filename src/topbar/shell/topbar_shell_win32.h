// The project menus' Win32 side: the IDE's viewer windows, the Shift key and the bar's menu,
// installed with the bar.
#pragma once

#include "core/menu_plan.h"

#include <windows.h>

namespace qelvo {

// Installs the Win32 side for the bar (when the bar is made) and removes it (when it goes).
void InstallTopBarShell(HWND bar);
void RemoveTopBarShell();

// Puts the planned menus on the bar in place of its menu (which is destroyed) and keeps the
// plan and the handles, so that a renamed node's item can be changed in place.
void ShowBarPlan(HWND bar, const MenuPlan& plan);

} // namespace qelvo
