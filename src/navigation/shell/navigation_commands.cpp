#include "navigation/shell/navigation_commands.h"

#include "core/command_ids.h"
#include "core/editor_access.h"
#include "core/globals.h"
#include "core/menu_plan.h"
#include "core/shell/find_window.h"
#include "core/shell/hook_state.h"
#include "core/shell/menu_maker.h"
#include "navigation/editor_menu.h"
#include "navigation/include_locator.h"
#include "navigation/quick_find.h"
#include "navigation/shell/title_paint.h"
#include "win32/handles.h"

#include <cstring>
#include <string>
#include <vector>

namespace qelvo {

const char* const kQuickFindItems[4] = {"Find as function... ", "Find as method... ",
                                        "Find as class... ", "Cross reference... "};

void OnQuickFindPopup(UINT, LPARAM) {
    win32::UniqueMenu popup(CreatePopupMenu());
    if (!popup) return;
    for (int i = 0; i < 4; ++i) {
        if (i == 3) AppendMenuA(popup.get(), MF_SEPARATOR, 0, nullptr);
        std::string text = kQuickFindItems[i];
        if (QuickFinder && QuickFinder->settings.keys[i] != 0) {
            text += '\t';
            text += QuickFinder->settings.keyTexts[i].c_str();
        }
        AppendMenuA(popup.get(), MF_STRING, kCmdFindFunction + i, text.c_str());
    }
    TrackAtClickPoint(popup.get());
}

void OnDocumentationPopup(UINT, LPARAM) {
    win32::UniqueMenu popup(CreatePopupMenu());
    if (!popup) return;
    AppendMenuA(popup.get(), MF_STRING, kCmdEditDocumentation, "Edit Documentation");
    TrackAtClickPoint(popup.get());
}

namespace {

// The file of the last clicked editor, as its cleaned title gives it.
const char* ClickedFile() {
    return Hooks ? Hooks->lastEditorTitle : "";
}

// Makes the planned popup and tracks it at the click point; the choice comes as a command.
void TrackPlan(const MenuPlan& plan) {
    std::vector<HMENU> handles;
    win32::UniqueMenu popup(MakeMenus(plan, handles));
    TrackAtClickPoint(popup.get());
}

} // namespace

void OnPaintCaption(UINT, LPARAM lParam) {
    PaintTitleButtons(reinterpret_cast<HWND>(lParam));
}

void OnFunctionsPopup(UINT, LPARAM) {
    MenuPlan plan;
    if (EditorMenus && EditorMenus->BuildFunctionMenu(ClickedFile(), plan)) TrackPlan(plan);
}

void OnIncludesPopup(UINT, LPARAM) {
    MenuPlan plan;
    if (EditorMenus && EditorMenus->BuildIncludeMenu(ClickedFile(), plan)) TrackPlan(plan);
}

void OnFunctionChosen(UINT command, LPARAM) {
    ActivateFrame();
    const Fnc* symbol = EditorMenus ? EditorMenus->ChosenSymbol(command) : nullptr;
    if (symbol && Editors) Editors->GotoLine(ClickedFile(), symbol->line);
}

bool LocateChosenInclude(UINT command, char* path, size_t size) {
    ActivateFrame();
    const String* name = EditorMenus ? EditorMenus->ChosenInclude(command) : nullptr;
    if (!name || !path || size == 0) return false;
    String list = IncludeSearchList(ClickedFile());
    String found;
    if (!LocateInclude(name->c_str(), list.c_str(), found) || found.Length() >= size) {
        ShowStatusText((std::string("Cannot locate ") + name->c_str()).c_str());
        return false;
    }
    std::memcpy(path, found.c_str(), found.Length() + 1u);
    return true;
}

} // namespace qelvo
