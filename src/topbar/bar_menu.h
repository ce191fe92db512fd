// The bar's menu bar as the bar plans it: the first popup "Qelvo" (recent projects, run items,
// "Last Includes", the project's popups, "Options..." and "Help..."), then the node menus; and
// the hints shown while one of its items is highlighted.
#pragma once

#include "core/menu_plan.h"

namespace qelvo {

// 50 while the node menus are to be left out because the project view is open and the bar's
// HideWithView says so; 0 otherwise.
int HideNodeMenusNow();
// Fills an empty plan as the bar lays it out. Without the project client holder the menu bar
// stays empty.
void BuildBar(MenuPlan& plan);
// The hint of a highlighted item of the bar (a single blank for items without one).
void ShowMenuStatus(unsigned command);

} // namespace qelvo
