#include "engine.h"

#include "frame_window.h"
#include "stand_in_ide.h"

#include <cstdio>

namespace qelvo {
namespace automation {

namespace {

// One engine plays at a time on a thread: the timer and the hook reach it here.
ScriptEngine* playing = nullptr;

constexpr char kCallClass[] = "QelvoAutomationCalls";
constexpr UINT kRunCall = WM_APP + 0x51;
constexpr UINT kSystemTimer = 0x0118; // the caret's blink

std::string Seconds(DWORD milliseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", milliseconds / 1000.0);
    return text;
}

} // namespace

ScriptEngine::ScriptEngine(host::FrameWindow& frame, host::StandInIde& ide, std::string outDir,
                           EngineOptions options)
    : frame_(frame), ide_(ide), outDir_(std::move(outDir)), options_(options),
      stepTimeoutMs_(options.stepTimeoutMs) {
    WNDCLASSEXA wc = {};
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kCallClass;
    win32::RegisterWindowClass(wc);
    Create(0, kCallClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance);
}

ScriptEngine::~ScriptEngine() {
    if (timer_) KillTimer(nullptr, timer_);
    if (playing == this) playing = nullptr;
    // The hook goes with its owner; the window with the base, calling this engine no more.
}

bool ScriptEngine::Load(const std::string& text, const std::string& name) {
    name_ = name;
    std::string error;
    if (ParseScript(text, steps_, error)) return true;
    steps_.clear();
    failure_ = error;
    transcript_.push_back("Script " + name_);
    transcript_.push_back("Not a valid script: " + error);
    return false;
}

void ScriptEngine::Start(std::function<void()> finished) {
    onFinished_ = std::move(finished);
    if (started_) return;
    started_ = true;
    if (!failure_.empty() || playing) {
        if (failure_.empty()) failure_ = "another script is playing on this thread";
        Finish();
        return;
    }
    transcript_.push_back("Script " + name_ + " (" + std::to_string(steps_.size()) + " steps)");
    playing = this;
    hook_.reset(SetWindowsHookExA(WH_GETMESSAGE, OnGetMessage, nullptr, GetCurrentThreadId()));
    timer_ = SetTimer(nullptr, 0, options_.tickMs, OnTimer);
    Acted();
    if (!steps_.empty()) BeginStep();
}

std::string ScriptEngine::OutFile(const std::string& name) const {
    return outDir_.empty() ? name : outDir_ + "\\" + name;
}

bool ScriptEngine::Idle() const {
    if (GetTickCount() - lastActivity_ < options_.quietMs || !calls_.empty()) return false;
    DWORD queued =
        HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY));
    if (queued) return false;
    return !frame_.Make().Running();
}

void ScriptEngine::Acted() {
    lastActivity_ = GetTickCount();
}

void ScriptEngine::Later(std::function<void()> call) {
    calls_.push_back(std::move(call));
    PostMessageA(Handle(), kRunCall, 0, 0);
    Acted();
}

Progress ScriptEngine::WaitFor(const std::string& what) {
    waitingFor_ = what;
    return Progress::kWaiting;
}

Progress ScriptEngine::Fail(const std::string& reason) {
    failure_ = reason;
    return Progress::kFailed;
}

void ScriptEngine::Note(const std::string& text) {
    transcript_.push_back("    " + text);
}

bool ScriptEngine::WriteTranscript(const std::string& path) const {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    for (const std::string& line : transcript_)
        std::fprintf(file, "%s\r\n", line.c_str());
    return std::fclose(file) == 0;
}

void CALLBACK ScriptEngine::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (playing) playing->Tick();
}

LRESULT CALLBACK ScriptEngine::OnGetMessage(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE && playing) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        // Timers tick forever (the add-on's clock, the caret, this engine): they are no work.
        if (msg->message != WM_TIMER && msg->message != kSystemTimer) playing->Acted();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT ScriptEngine::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kRunCall:
        RunCall();
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

void ScriptEngine::RunCall() {
    if (calls_.empty()) return;
    std::function<void()> call = std::move(calls_.front());
    calls_.erase(calls_.begin());
    call(); // may run a modal loop: the engine ticks on inside it
}

bool ScriptEngine::PlayedByEngine(const ScriptStep& step) {
    return step.kind == StepKind::kWait || step.kind == StepKind::kTimeout;
}

void ScriptEngine::BeginStep() {
    const ScriptStep& step = steps_[current_];
    transcript_.push_back("[" + std::to_string(current_ + 1) + "] line " +
                          std::to_string(step.line) + ": " + step.source);
    WriteTranscript(OutFile("transcript.txt"));
    stepStart_ = GetTickCount();
    statusSeen_ = ide_.Frame().StatusLog().size();
    waitingFor_ = "the IDE to be idle";
    action_.reset();
    if (step.kind == StepKind::kWait)
        waitUntil_ = stepStart_ + static_cast<DWORD>(std::stoul(step.args[0]));
    else if (step.kind == StepKind::kTimeout)
        stepTimeoutMs_ = static_cast<unsigned>(std::stoul(step.args[0])) * 1000;
    else
        action_ = MakeAction(step);
}

void ScriptEngine::EndStep(bool passed) {
    const std::vector<std::string>& log = ide_.Frame().StatusLog();
    for (size_t i = statusSeen_; i < log.size(); ++i)
        Note("status: \"" + log[i] + "\"");
    DWORD took = GetTickCount() - stepStart_;
    if (passed)
        Note("ok (" + Seconds(took) + ")");
    else
        Note("FAILED after " + Seconds(took) + ": " + failure_);
    // Kept up to date step by step, so that a session that hangs still shows where.
    WriteTranscript(OutFile("transcript.txt"));
}

void ScriptEngine::Tick() {
    if (inTick_ || finished_ || current_ >= steps_.size()) return;
    inTick_ = true;
    const ScriptStep& step = steps_[current_];
    Progress progress = Progress::kDone;
    if (step.kind == StepKind::kWait)
        progress = static_cast<LONG>(GetTickCount() - waitUntil_) >= 0 ? Progress::kDone
                                                                       : WaitFor("the time");
    else if (action_)
        progress = action_->Tick(*this);
    if (progress == Progress::kWaiting && GetTickCount() - stepStart_ > stepTimeoutMs_)
        progress =
            Fail("timed out after " + Seconds(stepTimeoutMs_) + " waiting for " + waitingFor_);
    if (progress == Progress::kDone) {
        EndStep(true);
        if (++current_ < steps_.size()) BeginStep();
    } else if (progress == Progress::kFailed) {
        failedLine_ = step.line;
        EndStep(false);
    }
    if (progress == Progress::kFailed || current_ >= steps_.size()) Finish();
    inTick_ = false;
}

void ScriptEngine::Stop(const std::string& reason) {
    if (finished_) return;
    failure_ = reason;
    if (started_ && current_ < steps_.size()) {
        failedLine_ = steps_[current_].line;
        EndStep(false);
    }
    onFinished_ = nullptr; // the loop that would run it is gone
    Finish();
}

void ScriptEngine::Finish() {
    if (finished_) return;
    finished_ = true;
    if (timer_) KillTimer(nullptr, timer_);
    timer_ = 0;
    hook_.reset();
    if (playing == this) playing = nullptr;
    action_.reset();
    // The script leaves no menu open behind it: what follows (the IDE closing, the caller's
    // loop) would otherwise run inside the menu's loop, which only the user ends.
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    if (GetGUIThreadInfo(GetCurrentThreadId(), &gui) &&
        (gui.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE))) {
        transcript_.push_back("A menu was left open: closed");
        EndMenu();
    }
    if (failure_.empty())
        transcript_.push_back("Passed: " + std::to_string(steps_.size()) + " steps");
    else if (failedLine_)
        transcript_.push_back("Failed at line " + std::to_string(failedLine_) + ": " + failure_);
    else
        transcript_.push_back("Failed: " + failure_);
    if (onFinished_) Later(onFinished_);
}

} // namespace automation
} // namespace qelvo
