#include "core/shell/hook_state.h"

#include "core/window_rules.h"

namespace qelvo {

HookState* Hooks = nullptr;

void SetCaptureWindow(HWND window) {
    if (Hooks)
        Hooks->captureWindow = window;
}

void ClearCaptureWindow() {
    if (Hooks)
        Hooks->captureWindow = nullptr;
}

void RememberEditor(HWND editor, int bufferSize) {
    if (!Hooks)
        return;
    char title[300] = {0};
    if (bufferSize > static_cast<int>(sizeof title))
        bufferSize = sizeof title;
    GetWindowTextA(editor, title, bufferSize);
    CleanEditorTitle(title);
    Hooks->lastEditor = editor;
    lstrcpynA(Hooks->lastEditorTitle, title, sizeof Hooks->lastEditorTitle);
}

void TrackAtClickPoint(HMENU popup) {
    if (!Hooks || !popup)
        return;
    Hooks->popupActive = true;
    TrackPopupMenu(popup, TPM_LEFTALIGN, Hooks->clickPoint.x, Hooks->clickPoint.y, 0,
                   Hooks->addonWindow, nullptr);
    Hooks->popupActive = false;
}

} // namespace qelvo
