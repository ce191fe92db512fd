// The four thread hooks on the IDE's user-interface thread. They turn caption clicks, hot keys
// and window events into commands posted to the add-on window; the work happens there, never
// inside a hook.
#pragma once

#include "core/shell/hook_state.h"
#include "win32/handles.h"

#include <windows.h>

namespace qelvo {

class HookSet : public HookState {
public:
    // Installs the mouse, call-window-procedure, get-message and keyboard hooks for the
    // calling thread, in that order.
    HookSet(HWND addonWindow, HINSTANCE module);
    // Removes the hooks that were installed, in the same order.
    ~HookSet();
    HookSet(const HookSet&) = delete;
    HookSet& operator=(const HookSet&) = delete;

    bool Installed(int which) const { return static_cast<bool>(hooks_[which]); }

private:
    win32::UniqueHook hooks_[4];
};

} // namespace qelvo
