// The editors' caption buttons and their popups: the "Menus" settings, the symbol and include
// tables of the last scans, and the popups planned from them.
#pragma once

#include "core/menu_plan.h"
#include "foundation/qstring.h"
#include "foundation/tableau.h"
#include "navigation/symbol_scanner.h"
#include "navigation/title_buttons.h"

#include <cstddef>

namespace qelvo {

struct MenusSettings {
    int enabled, sorted, size;
    void Load();
    void Save() const;
};

// The status texts of the editor menu.
extern const char kNoSymbolsText[];  // "No functions or methods detected !"
extern const char kNoIncludesText[]; // "No include files detected !"

// Plans the function popup (menu 0 of the plan) from the table: free functions as items, each
// run of one class's methods as a popup named after the class, a new column every columnSize
// items. False when the table is empty.
bool PlanFunctionMenu(const Tableau<Fnc>& symbols, int columnSize, MenuPlan& plan);
// Plans the include popup (menu 0), one item per name in table order. False when empty.
bool PlanIncludeMenu(const Tableau<String>& includes, MenuPlan& plan);

class EditorMenu {
public:
    EditorMenu(void* window, bool newShell);
    ~EditorMenu() { settings.Save(); }
    EditorMenu(const EditorMenu&) = delete;
    EditorMenu& operator=(const EditorMenu&) = delete;

    // Scans the file's current text and plans its function popup; false, after the tone and
    // the status text, when it has no symbol.
    bool BuildFunctionMenu(const char* fileName, MenuPlan& plan);
    bool BuildFunctionMenu(const char* text, size_t length, MenuPlan& plan);
    // Scans the file's current text and plans its include popup; false, after the status
    // text, when it includes nothing.
    bool BuildIncludeMenu(const char* fileName, MenuPlan& plan);
    bool BuildIncludeMenu(const char* text, size_t length, MenuPlan& plan);

    // The entry a chosen command names in the tables as last built, or null.
    const Fnc* ChosenSymbol(unsigned command) const;
    const String* ChosenInclude(unsigned command) const;

    MenusSettings settings;
    void* window;
    bool newShell;
    TitleButtonGeometry geometry;
    const char* bitmapNames[3];
    Tableau<Fnc> symbols;
    Tableau<String> includes;
};

// The add-on's editor menu; null while it does not exist.
extern EditorMenu* EditorMenus;

} // namespace qelvo
