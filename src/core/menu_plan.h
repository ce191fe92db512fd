// A menu as the engine plans it: a tree of menus made of items (text, command, column break,
// popup, separator). Menus are known by their ids; the shell makes them into its own menu
// handles in one pass and keeps the map from ids to handles.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qelvo {

struct PlannedItem {
    std::string text;
    uint32_t command = 0;     // a command item's number
    int popup = -1;           // the id of the popup this item opens, -1 for a command item
    bool columnBreak = false; // starts a new column (a new row on a menu bar), with a line
    bool separator = false;

    bool IsPopup() const { return popup >= 0; }
};

struct PlannedMenu {
    bool isBar = false; // a menu bar rather than a popup
    std::vector<PlannedItem> items;
};

// The item placed when a menu already holds count items starts a new column when count is a
// positive multiple of the menu size.
bool StartsColumn(int count, int menuSize);

class MenuPlan {
public:
    // The plan starts with its menu bar, id 0.
    MenuPlan();

    static constexpr int kBar = 0;

    int NewPopup();
    PlannedMenu& Menu(int id) { return menus_[static_cast<size_t>(id)]; }
    const PlannedMenu& Menu(int id) const { return menus_[static_cast<size_t>(id)]; }
    bool Has(int id) const { return id >= 0 && static_cast<size_t>(id) < menus_.size(); }
    int Count() const { return static_cast<int>(menus_.size()); }

    void AppendCommand(int menu, const char* text, uint32_t command, bool columnBreak = false);
    void AppendPopup(int menu, const char* text, int popup, bool columnBreak = false);
    void AppendSeparator(int menu);
    // Removes the item at position; a popup it opened stays in the plan, unreferenced.
    void RemoveItem(int menu, int position);

    // Position of the first item of the menu that opens the popup, or -1.
    int PositionOfPopup(int menu, int popup) const;
    // Position of the first item of the menu with the command, or -1.
    int PositionOfCommand(int menu, uint32_t command) const;

    // The bar's popup where the project menus put their run items (position 0); -1 while none.
    int firstPopup = -1;

private:
    std::vector<PlannedMenu> menus_;
};

} // namespace qelvo
