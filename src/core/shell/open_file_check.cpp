#include "core/shell/open_file_check.h"

#include "core/command_ids.h"
#include "core/globals.h"
#include "core/recent_lists.h"
#include "core/shell/find_window.h"
#include "foundation/text_utils.h"

#include <cstring>

namespace qelvo {

namespace {

// The first item of the menu that opens a popup.
HMENU FirstSubMenu(HMENU menu) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        if (HMENU sub = GetSubMenu(menu, i))
            return sub;
    return nullptr;
}

} // namespace

void RefreshLastIncludes(HWND bar) {
    HMENU menu = bar ? GetMenu(bar) : nullptr;
    if (!menu) {
        ShowStatusText("Pas de bar");
        return;
    }
    HMENU first = GetSubMenu(menu, 0);
    if (!first) {
        ShowStatusText("Pas de mnu");
        return;
    }
    if (GetMenuItemCount(first) <= 0) {
        ShowStatusText("mnu.taille=0");
        return;
    }
    HMENU includes = FirstSubMenu(first);
    if (!includes) {
        ShowStatusText("Pas de hh");
        return;
    }
    while (GetMenuItemCount(includes) > 0)
        DeleteMenu(includes, 0, MF_BYPOSITION);
    for (int i = 0; i < Recent.includes.count; ++i)
        AppendMenuA(includes, MF_STRING, kCmdRecentIncludeFirst + i,
                    FileNamePart(Recent.includes.At(i)));
    DrawMenuBar(bar);
}

int NoteEditorOpened(HWND bar, const char* givenName, HWND newEditor) {
    char name[kRecentEntrySize];
    CopyText(name, givenName ? givenName : "", sizeof name);
    CutEditorName(name);
    bool otherView = EditOtherViewSetting && *EditOtherViewSetting;
    if (!otherView && GetKeyState(VK_SHIFT) >= 0) {
        char part[kRecentEntrySize];
        CopyText(part, FileNamePart(name), sizeof part);
        UpperCase(part);
        HWND client = FindMdiClient();
        HWND shown = client && part[0]
                         ? FindChildWindowExcept(client, "BCW5Editor", part, newEditor)
                         : nullptr;
        if (shown) {
            ShowWindow(shown, SW_SHOWNORMAL);
            SetWindowPos(shown, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            return 0;
        }
    }
    if (IsIncludeName(name)) {
        RecordInclude(name);
        RefreshLastIncludes(bar);
    }
    return 1;
}

} // namespace qelvo
