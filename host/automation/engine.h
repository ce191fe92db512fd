// Plays a script in the stand-in IDE, on its own user-interface thread. The engine never pumps
// messages itself: a thread timer ticks inside whatever loop runs (the frame's, a dialog's, a
// tracked menu's, Make's), and each tick advances the current step. Between its actions a step
// waits until the IDE is idle: no message but timers taken from the thread's queue for a quiet
// time, nothing queued, no Make running. A step that does not end within its time fails, and
// the script stops at the first failing step. Everything is written to a transcript.
#pragma once

#include "script.h"
#include "win32/handles.h"
#include "win32/window.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qelvo {
namespace host {
class FrameWindow;
class StandInIde;
} // namespace host

namespace automation {

struct EngineOptions {
    unsigned tickMs = 15;   // period of the engine's timer
    unsigned quietMs = 120; // how long the queue must stay quiet for the IDE to be idle
    unsigned stepTimeoutMs = 10000;
};

class ScriptEngine;

enum class Progress { kWaiting, kDone, kFailed };

// One step being played. Tick is called on every tick of the engine until it answers kDone or
// kFailed; it must never enter a modal loop itself (it posts, sends input or defers the call).
class Action {
public:
    virtual ~Action() = default;
    virtual Progress Tick(ScriptEngine& engine) = 0;
};

// The action that plays the step (null for the steps the engine plays itself).
std::unique_ptr<Action> MakeAction(const ScriptStep& step);

// Its window (message-only) runs the calls deferred with Later.
class ScriptEngine : private win32::Window {
public:
    // outDir: where screenshots go (engine form, '\' separators; relative to the current
    // directory when not absolute).
    ScriptEngine(host::FrameWindow& frame, host::StandInIde& ide, std::string outDir,
                 EngineOptions options = EngineOptions());
    ~ScriptEngine();
    ScriptEngine(const ScriptEngine&) = delete;
    ScriptEngine& operator=(const ScriptEngine&) = delete;

    // Reads the script; false (and the transcript says why) when it is not a valid script.
    bool Load(const std::string& text, const std::string& name);
    // Starts playing; finished is called once the last step ended or one failed, from the
    // thread's message loop.
    void Start(std::function<void()> finished);

    // Ends a script that is still playing as failed (the IDE went away under it).
    void Stop(const std::string& reason);

    bool Finished() const { return finished_; }
    bool Passed() const { return finished_ && failure_.empty(); }
    // The failing step's line (0: none failed) and the reason.
    int FailedLine() const { return failedLine_; }
    const std::string& Failure() const { return failure_; }
    const std::vector<std::string>& Transcript() const { return transcript_; }
    bool WriteTranscript(const std::string& path) const;
    size_t StepCount() const { return steps_.size(); }

    // For the actions.
    host::FrameWindow& Frame() { return frame_; }
    host::StandInIde& Ide() { return ide_; }
    // A file in the output folder.
    std::string OutFile(const std::string& name) const;
    const ScriptStep& Step() const { return steps_[current_]; }
    bool Idle() const;
    // The step acted (input sent, a message posted): the IDE is busy for at least the quiet
    // time from now.
    void Acted();
    // Runs the call from the thread's message loop after this tick (so that a modal loop it
    // starts does not hold the engine).
    void Later(std::function<void()> call);
    // What the step waits for, named when it times out; answers kWaiting.
    Progress WaitFor(const std::string& what);
    // Answers kFailed with the reason.
    Progress Fail(const std::string& reason);
    // A line under the step in the transcript.
    void Note(const std::string& text);

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void RunCall();
    void Tick();
    void BeginStep();
    void EndStep(bool passed);
    void Finish();
    bool PlayedByEngine(const ScriptStep& step);

    host::FrameWindow& frame_;
    host::StandInIde& ide_;
    std::string outDir_;
    EngineOptions options_;
    std::string name_;
    std::vector<ScriptStep> steps_;
    size_t current_ = 0;
    std::unique_ptr<Action> action_;
    std::string waitingFor_;
    DWORD stepStart_ = 0;
    DWORD waitUntil_ = 0; // the end of a wait step
    unsigned stepTimeoutMs_ = 0;
    size_t statusSeen_ = 0;
    std::vector<std::function<void()>> calls_;
    win32::UniqueHook hook_;
    UINT_PTR timer_ = 0;
    DWORD lastActivity_ = 0;
    bool inTick_ = false;
    bool started_ = false;
    bool finished_ = false;
    int failedLine_ = 0;
    std::string failure_;
    std::vector<std::string> transcript_;
    std::function<void()> onFinished_;
};

} // namespace automation
} // namespace qelvo
