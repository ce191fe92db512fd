#include "core/shell/menu_maker.h"

#include "win32/handles.h"

namespace qelvo {

HMENU MakeMenus(const MenuPlan& plan, std::vector<HMENU>& handles) {
    handles.assign(static_cast<size_t>(plan.Count()), nullptr);
    win32::UniqueMenu bar(plan.Menu(MenuPlan::kBar).isBar ? CreateMenu() : CreatePopupMenu());
    if (!bar)
        return nullptr;
    handles[MenuPlan::kBar] = bar.get();
    // Menus still to fill, each already made; a work list rather than recursion, since a
    // project's tree may be deep.
    std::vector<int> pending(1, MenuPlan::kBar);
    while (!pending.empty()) {
        int id = pending.back();
        pending.pop_back();
        HMENU menu = handles[static_cast<size_t>(id)];
        for (const PlannedItem& item : plan.Menu(id).items) {
            UINT flags = item.columnBreak ? MF_MENUBARBREAK : 0;
            if (item.separator) {
                AppendMenuA(menu, flags | MF_SEPARATOR, item.command, nullptr);
            } else if (!item.IsPopup()) {
                AppendMenuA(menu, flags | MF_STRING, item.command, item.text.c_str());
            } else if (plan.Has(item.popup) && !handles[static_cast<size_t>(item.popup)]) {
                win32::UniqueMenu popup(CreatePopupMenu());
                if (!popup)
                    continue;
                UINT_PTR handle = reinterpret_cast<UINT_PTR>(popup.get());
                if (!AppendMenuA(menu, flags | MF_STRING | MF_POPUP, handle, item.text.c_str()))
                    continue; // not taken over: destroyed here
                handles[static_cast<size_t>(item.popup)] = popup.release(); // now the menu's
                pending.push_back(item.popup);
            }
        }
    }
    return bar.release();
}

} // namespace qelvo
