#include "core/menu_plan.h"

namespace qelvo {

bool StartsColumn(int count, int menuSize) {
    return menuSize > 0 && count > 0 && count % menuSize == 0;
}

MenuPlan::MenuPlan() {
    menus_.emplace_back();
    menus_.back().isBar = true;
}

int MenuPlan::NewPopup() {
    menus_.emplace_back();
    return static_cast<int>(menus_.size()) - 1;
}

void MenuPlan::AppendCommand(int menu, const char* text, uint32_t command, bool columnBreak) {
    PlannedItem item;
    item.text = text ? text : "";
    item.command = command;
    item.columnBreak = columnBreak;
    Menu(menu).items.push_back(std::move(item));
}

void MenuPlan::AppendPopup(int menu, const char* text, int popup, bool columnBreak) {
    PlannedItem item;
    item.text = text ? text : "";
    item.popup = popup;
    item.columnBreak = columnBreak;
    Menu(menu).items.push_back(std::move(item));
}

void MenuPlan::AppendSeparator(int menu) {
    PlannedItem item;
    item.separator = true;
    item.command = 100; // the bar's separators carry command 100
    Menu(menu).items.push_back(std::move(item));
}

void MenuPlan::RemoveItem(int menu, int position) {
    std::vector<PlannedItem>& items = Menu(menu).items;
    if (position >= 0 && static_cast<size_t>(position) < items.size())
        items.erase(items.begin() + position);
}

int MenuPlan::PositionOfPopup(int menu, int popup) const {
    if (!Has(menu))
        return -1;
    const std::vector<PlannedItem>& items = Menu(menu).items;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].popup == popup)
            return static_cast<int>(i);
    return -1;
}

int MenuPlan::PositionOfCommand(int menu, uint32_t command) const {
    if (!Has(menu))
        return -1;
    const std::vector<PlannedItem>& items = Menu(menu).items;
    for (size_t i = 0; i < items.size(); ++i)
        if (!items[i].IsPopup() && !items[i].separator && items[i].command == command)
            return static_cast<int>(i);
    return -1;
}

} // namespace qelvo
