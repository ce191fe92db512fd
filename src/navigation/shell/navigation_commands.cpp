#include "navigation/shell/navigation_commands.h"

#include "core/command_ids.h"
#include "core/shell/hook_state.h"
#include "navigation/quick_find.h"
#include "win32/handles.h"

#include <string>

namespace qelvo {

const char* const kQuickFindItems[4] = {"Find as function... ", "Find as method... ",
                                        "Find as class... ", "Cross reference... "};

void OnQuickFindPopup(UINT, LPARAM) {
    win32::UniqueMenu popup(CreatePopupMenu());
    if (!popup)
        return;
    for (int i = 0; i < 4; ++i) {
        if (i == 3)
            AppendMenuA(popup.get(), MF_SEPARATOR, 0, nullptr);
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
    if (!popup)
        return;
    AppendMenuA(popup.get(), MF_STRING, kCmdEditDocumentation, "Edit Documentation");
    TrackAtClickPoint(popup.get());
}

} // namespace qelvo
