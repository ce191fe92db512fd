#include "topbar/shell/topbar_shell_win32.h"

#include "core/globals.h"
#include "core/shell/find_window.h"
#include "topbar/bar_menu.h"
#include "topbar/node_menus.h"
#include "topbar/shell/place_bar.h"
#include "core/shell/menu_maker.h"
#include "topbar/top_bar.h"
#include "topbar/topbar_shell.h"
#include "win32/handles.h"

#include <vector>

namespace qelvo {

namespace {

class Win32TopBarShell final : public TopBarShell {
public:
    void* FindViewer(const char* className, const char* titlePart) override {
        HWND client = FindMdiClient();
        return client ? FindChildWindow(client, className, titlePart) : nullptr;
    }
    void BringForward(void* window) override {
        HWND w = static_cast<HWND>(window);
        ShowWindow(w, SW_SHOWNORMAL);
        SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ActivateFrame();
    }
    bool ShiftDown() override { return GetKeyState(VK_SHIFT) < 0; }

    void RebuildBar() override {
        if (!bar)
            return;
        MenuPlan next;
        BuildBar(next);
        if (Bar)
            Bar->fullHeight = 0; // the number of rows depends on the menus
        Show(next);
    }
    MenuPlan* BarPlan() override { return shown ? &plan : nullptr; }
    void ReplaceItem(int menu, int position, const PlannedItem& item) override {
        if (!shown || menu < 0 || static_cast<size_t>(menu) >= handles.size() ||
            !handles[static_cast<size_t>(menu)])
            return;
        // Only the text changes: the item keeps its command or its popup, and its break.
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<char*>(item.text.c_str());
        SetMenuItemInfoA(handles[static_cast<size_t>(menu)], static_cast<UINT>(position), TRUE,
                         &info);
    }
    void RedrawBar() override {
        if (bar)
            DrawMenuBar(bar);
    }
    bool ProjectViewOpen() override {
        HWND client = FindMdiClient();
        return client && FindChildWindow(client, "BCW5Project", nullptr);
    }
    void Collapse() override { PlaceBar(0); }
    void PlaceAtMargins() override { PlaceBarAtMargins(); }

    void Show(const MenuPlan& next) {
        std::vector<HMENU> made;
        win32::UniqueMenu menu(MakeMenus(next, made));
        if (!menu)
            return;
        win32::UniqueMenu old(GetMenu(bar)); // no longer the bar's once the new one is set
        if (!SetMenu(bar, menu.get())) {
            old.release(); // still the bar's
            return;
        }
        menu.release(); // the bar's now
        plan = next;
        handles.swap(made);
        shown = true;
        DrawMenuBar(bar);
    }

    HWND bar = nullptr;
    MenuPlan plan;
    std::vector<HMENU> handles;
    bool shown = false;
};

Win32TopBarShell shell;

} // namespace

void InstallTopBarShell(HWND bar) {
    shell.bar = bar;
    shell.shown = false;
    shell.handles.clear();
    SetTopBarShell(&shell);
}

void RemoveTopBarShell() {
    if (CurrentTopBarShell() == &shell)
        SetTopBarShell(nullptr);
    shell.bar = nullptr;
    shell.shown = false;
    shell.handles.clear();
}

void ShowBarPlan(HWND bar, const MenuPlan& plan) {
    if (shell.bar != bar)
        return;
    shell.Show(plan);
}

} // namespace qelvo
