// What the hooks note for the features' commands: the add-on window they post to, the editor and
// click point a caption button was hit with, whether one of the add-on's popups is being
// tracked, and the window that takes every key while a key combination is captured.
#pragma once

#include <windows.h>

namespace qelvo {

// User message sent to the key-capture window with (key code, key data).
constexpr UINT kCapturedKeyMessage = 0x401;

struct HookState {
    HWND addonWindow = nullptr;
    HWND captureWindow = nullptr; // every key goes here while set (key capture)
    HWND lastEditor = nullptr;    // the editor the last command concerns
    char lastEditorTitle[256] = "";
    bool popupActive = false;   // one of the add-on's popups is being tracked
    POINTS clickPoint = {0, 0}; // where the popups open
};

// The hooks' state while the hooks are installed, else null.
extern HookState* Hooks;

void SetCaptureWindow(HWND window);
void ClearCaptureWindow();

// Reads an editor's title into the last editor title, cleaned of its view number and modified
// mark, within bufferSize bytes.
void RememberEditor(HWND editor, int bufferSize);

// Tracks one of the add-on's popups at the click point, owned by the add-on window, with the
// popup-active flag set meanwhile; the choice arrives as a command.
void TrackAtClickPoint(HMENU popup);

} // namespace qelvo
