#include "navigation/editor_menu.h"

#include "core/command_ids.h"
#include "core/globals.h"
#include "foundation/settings_fields.h"
#include "navigation/source_text.h"
#include "platform/platform.h"

#include <cstring>

namespace qelvo {

EditorMenu* EditorMenus = nullptr;

const char kNoSymbolsText[] = "No functions or methods detected !";
const char kNoIncludesText[] = "No include files detected !";

namespace {

// Written back in this order: "Sorted", "Size", "Enabled".
const IntField<MenusSettings> kMenus[] = {
    {"Sorted", &MenusSettings::sorted},
    {"Size", &MenusSettings::size},
    {"Enabled", &MenusSettings::enabled},
};

// A popup for a plan of one popup menu rather than a bar.
void StartPopupPlan(MenuPlan& plan) {
    plan = MenuPlan();
    plan.Menu(MenuPlan::kBar).isBar = false;
}

} // namespace

void MenusSettings::Load() {
    LoadInts(*this, "Menus", kMenus);
}
void MenusSettings::Save() const {
    SaveInts(*this, "Menus", kMenus);
}

bool PlanFunctionMenu(const Tableau<Fnc>& symbols, int columnSize, MenuPlan& plan) {
    StartPopupPlan(plan);
    const int main = MenuPlan::kBar;
    int m = 0, c = 0, open = -1;
    const Fnc* previous = nullptr;
    for (int i = 0; i < symbols.count && i < kMaxSymbols; ++i) {
        const Fnc* entry = symbols.At(i);
        uint32_t command = kCmdFunctionFirst + static_cast<uint32_t>(i);
        if (open >= 0 && std::strcmp(entry->className.c_str(), previous->className.c_str())) {
            plan.AppendPopup(main, previous->className.c_str(), open, StartsColumn(m, columnSize));
            ++m;
            open = -1;
        }
        if (entry->className.Length() == 0) {
            plan.AppendCommand(main, entry->name.c_str(), command, StartsColumn(m, columnSize));
            ++m;
        } else {
            bool columnBreak = false;
            if (open < 0) {
                open = plan.NewPopup();
                c = 0;
            } else {
                columnBreak = StartsColumn(c, columnSize);
            }
            plan.AppendCommand(open, entry->name.c_str(), command, columnBreak);
            ++c;
        }
        previous = entry;
    }
    if (open >= 0)
        plan.AppendPopup(main, previous->className.c_str(), open, StartsColumn(m, columnSize));
    return !plan.Menu(main).items.empty();
}

bool PlanIncludeMenu(const Tableau<String>& includes, MenuPlan& plan) {
    StartPopupPlan(plan);
    for (int i = 0; i < includes.count && i < kMaxIncludes; ++i)
        plan.AppendCommand(MenuPlan::kBar, includes.At(i)->c_str(),
                           kCmdIncludeFirst + static_cast<uint32_t>(i));
    return !plan.Menu(MenuPlan::kBar).items.empty();
}

EditorMenu::EditorMenu(void* ownerWindow, bool shell)
    : window(ownerWindow), newShell(shell), geometry(TitleButtonGeometry::ForShell(shell)),
      // The "95" suffix is the same on both shells.
      bitmapNames{"bmpFUNC95", "bmpINC95", "bmpQKFIND95"} {
    settings.Load();
}

bool EditorMenu::BuildFunctionMenu(const char* fileName, MenuPlan& plan) {
    SourceText text = ReadSourceText(Services, fileName);
    return BuildFunctionMenu(text.bytes.get(), text.length, plan);
}

bool EditorMenu::BuildFunctionMenu(const char* text, size_t length, MenuPlan& plan) {
    symbols.RemoveRange(0, 0);
    ScanSymbols(text, length, symbols);
    if (symbols.count == 0) {
        platform::Tone(220, 500);
        ShowStatusText(kNoSymbolsText);
        StartPopupPlan(plan);
        return false;
    }
    if (settings.sorted) SortSymbols(symbols);
    return PlanFunctionMenu(symbols, settings.size, plan);
}

bool EditorMenu::BuildIncludeMenu(const char* fileName, MenuPlan& plan) {
    SourceText text = ReadSourceText(Services, fileName);
    return BuildIncludeMenu(text.bytes.get(), text.length, plan);
}

bool EditorMenu::BuildIncludeMenu(const char* text, size_t length, MenuPlan& plan) {
    includes.RemoveRange(0, 0);
    ScanIncludes(text, length, includes);
    if (!PlanIncludeMenu(includes, plan)) {
        ShowStatusText(kNoIncludesText);
        return false;
    }
    return true;
}

const Fnc* EditorMenu::ChosenSymbol(unsigned command) const {
    if (command < kCmdFunctionFirst || command > kCmdFunctionLast) return nullptr;
    int index = static_cast<int>(command - kCmdFunctionFirst);
    return index < symbols.count ? symbols.At(index) : nullptr;
}

const String* EditorMenu::ChosenInclude(unsigned command) const {
    if (command < kCmdIncludeFirst || command > kCmdIncludeLast) return nullptr;
    int index = static_cast<int>(command - kCmdIncludeFirst);
    return index < includes.count ? includes.At(index) : nullptr;
}

} // namespace qelvo
