// Make in the stand-in IDE: its status window (a "#32770" window titled "Compile Status",
// owned by the frame) comes up, the Make clients hear "Make started", a short simulated build
// compiles the project's source nodes one by one (a "Compiling <name>" line each in the
// "Buildtime" group of the message window), the clients hear "Make ended", and the status
// window goes.
#pragma once

#include "stand_in_ide.h"
#include "win32/handles.h"

#include <windows.h>

#include <string>

namespace qelvo {
namespace host {

class MakeRunner {
public:
    explicit MakeRunner(StandInIde& ide) : ide_(ide) {}
    MakeRunner(const MakeRunner&) = delete;
    MakeRunner& operator=(const MakeRunner&) = delete;

    // One Make, its status window owned by the frame. Answers the build's result (a tool
    // result), or kToolNotHandled while a Make is running already.
    int Run(HWND frame);
    bool Running() const { return running_; }
    HWND StatusWindow() const { return status_.get(); }
    // Pause after each compiled file, so that a person can watch (0: none).
    void SetStepDelay(unsigned milliseconds) { stepDelay_ = milliseconds; }

private:
    int Build();
    void SetLine(int id, const std::string& text);

    StandInIde& ide_;
    win32::UniqueWindow status_;
    bool running_ = false;
    unsigned stepDelay_ = 0;
};

} // namespace host
} // namespace qelvo
