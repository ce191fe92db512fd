// The stand-in IDE as BCW.EXE runs it: the IDE, its frame and the add-ons enabled in the
// registry (started before the frame exists, stopped after the project closed). BCW.EXE and the
// end-to-end tests both build on it, and play scripts in it with the same engine.
#pragma once

#include "addon_loader.h"
#include "engine.h"
#include "frame_window.h"
#include "stand_in_ide.h"

#include <windows.h>

#include <string>
#include <vector>

namespace qelvo {
namespace automation {

class StandInSession {
public:
    // makeStepDelay: the pause after each file Make compiles (a person watching), in ms.
    explicit StandInSession(unsigned makeStepDelay = 0);
    ~StandInSession();
    StandInSession(const StandInSession&) = delete;
    StandInSession& operator=(const StandInSession&) = delete;

    // Starts the add-ons, then makes and shows the frame. False when there is no frame.
    bool Start(int show = SW_SHOWNORMAL);
    // Closes the frame as the user does (changed editors, the project saved, the add-ons
    // stopped) and waits for it; a frame still there after the time is torn down without
    // saving. Answers whether the frame closed by itself.
    bool Close(DWORD milliseconds = 10000);

    host::StandInIde ide;
    host::FrameWindow frame{ide};
    host::AddOnLoader loader{ide};
};

struct ScriptResult {
    bool passed = false;
    int failedLine = 0;
    std::string failure;
    std::vector<std::string> transcript;
};

// Plays a script in the session with a message loop of its own (for tests; BCW.EXE plays in
// its main loop). outDir receives the screenshots and transcript.txt. A script still playing
// after limit ms fails.
ScriptResult PlayScript(StandInSession& session, const std::string& text, const std::string& name,
                        const std::string& outDir, EngineOptions options = EngineOptions(),
                        DWORD limit = 60000);

// Handles the thread's messages as BCW.EXE's loop does, for the time or until done() holds;
// false when the time ran out first.
template <class Done> bool PumpUntil(HWND mdiClient, Done done, DWORD milliseconds);

// What PumpUntil dispatches one message with: the MDI system keys, then the usual.
void DispatchOne(HWND mdiClient, MSG& msg);

template <class Done> bool PumpUntil(HWND mdiClient, Done done, DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) return false;
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return done();
            }
            DispatchOne(mdiClient, msg);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
    }
    return true;
}

} // namespace automation
} // namespace qelvo
