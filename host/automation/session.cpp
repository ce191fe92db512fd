#include "session.h"

namespace qelvo {
namespace automation {

StandInSession::StandInSession(unsigned makeStepDelay) {
    frame.Make().SetStepDelay(makeStepDelay);
    frame.SetClosingHandler([this] {
        if (ide.Projects().Current() && !ide.Projects().Close(true)) return false;
        loader.Shutdown();
        return true;
    });
}

StandInSession::~StandInSession() {
    loader.Shutdown();
}

bool StandInSession::Start(int show) {
    loader.Startup();
    if (!frame.Create(show)) {
        loader.Shutdown();
        return false;
    }
    SetForegroundWindow(frame.Window());
    return true;
}

bool StandInSession::Close(DWORD milliseconds) {
    if (!frame.Window()) return true;
    PostMessageA(frame.Window(), WM_CLOSE, 0, 0);
    bool closed = PumpUntil(
        frame.MdiClient(), [this] { return frame.Window() == nullptr; }, milliseconds);
    if (!closed) {
        ide.Projects().Close(false);
        loader.Shutdown();
    }
    return closed;
}

void DispatchOne(HWND mdiClient, MSG& msg) {
    if (mdiClient && TranslateMDISysAccel(mdiClient, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

ScriptResult PlayScript(StandInSession& session, const std::string& text, const std::string& name,
                        const std::string& outDir, EngineOptions options, DWORD limit) {
    ScriptEngine engine(session.frame, session.ide, outDir, options);
    bool ended = false;
    engine.Load(text, name);
    engine.Start([&ended] { ended = true; });
    bool inTime = PumpUntil(
        session.frame.MdiClient(), [&] { return ended || !session.frame.Window(); }, limit);
    if (!engine.Finished())
        engine.Stop(inTime
                        ? "the IDE closed before the script ended"
                        : "the script did not end within " + std::to_string(limit / 1000) + " s");
    ScriptResult result;
    result.passed = engine.Passed();
    result.failedLine = engine.FailedLine();
    result.failure = engine.Failure();
    result.transcript = engine.Transcript();
    engine.WriteTranscript(engine.OutFile("transcript.txt"));
    return result;
}

} // namespace automation
} // namespace qelvo
