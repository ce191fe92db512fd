// Planned menus made into Win32 menus.
#pragma once

#include "core/menu_plan.h"

#include <windows.h>

#include <vector>

namespace qelvo {

// Makes the plan's menu bar and every popup reachable from it into Win32 menus, in one pass.
// handles[id] receives the handle of planned menu id (null for a planned menu that no item
// opens any more). The caller owns the bar's menu; the popups belong to it. Null when the bar's
// menu could not be made.
HMENU MakeMenus(const MenuPlan& plan, std::vector<HMENU>& handles);

} // namespace qelvo
