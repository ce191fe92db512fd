#include "navigation/editor_menu.h"

#include "foundation/settings_fields.h"

namespace qelvo {

EditorMenu* EditorMenus = nullptr;

namespace {

// Written back in this order: "Sorted", "Size", "Enabled".
const IntField<MenusSettings> kMenus[] = {
    {"Sorted", &MenusSettings::sorted},
    {"Size", &MenusSettings::size},
    {"Enabled", &MenusSettings::enabled},
};

} // namespace

void MenusSettings::Load() { LoadInts(*this, "Menus", kMenus); }
void MenusSettings::Save() const { SaveInts(*this, "Menus", kMenus); }

} // namespace qelvo
