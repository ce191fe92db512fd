// The four thread hooks on the IDE's user-interface thread. They turn caption clicks, hot keys
// and window events into commands posted to the add-on window; the work happens there, never
// inside a hook.
#pragma once

#include "core/shell/handles.h"

#include <windows.h>

namespace qelvo {

// User message sent to the key-capture window with (key code, key data).
constexpr UINT kCapturedKeyMessage = 0x401;

class HookSet {
public:
    // Installs the mouse, call-window-procedure, get-message and keyboard hooks for the
    // calling thread, in that order.
    HookSet(HWND addonWindow, HINSTANCE module);
    // Removes the hooks that were installed, in the same order.
    ~HookSet();
    HookSet(const HookSet&) = delete;
    HookSet& operator=(const HookSet&) = delete;

    bool Installed(int which) const { return static_cast<bool>(hooks_[which]); }

    HWND addonWindow;
    HWND captureWindow = nullptr; // every key goes here while set (key capture)
    HWND lastEditor = nullptr;    // the editor the last command concerns
    char lastEditorTitle[256] = "";
    bool popupActive = false;     // one of the add-on's popups is being tracked
    POINTS clickPoint = {0, 0};   // where the popups open

private:
    UniqueHook hooks_[4];
};

extern HookSet* Hooks;

void SetCaptureWindow(HWND window);
void ClearCaptureWindow();

// Reads an editor's title into the last editor title, cleaned of its view number and modified
// mark, within bufferSize bytes.
void RememberEditor(HWND editor, int bufferSize);

} // namespace qelvo
