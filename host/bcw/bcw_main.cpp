// BCW.EXE, the stand-in IDE as a program. Command line:
//   [-make] [-script FILE [-out DIR]] [project.ide] [file...]
// The project is opened (with its project window), each file in an editor view, the message
// window shown, and with -make one Make runs once the frame is up. Add-ons enabled in the
// registry start before the frame exists, as the IDE starts them, and stop at exit after the
// project closed. With -script the steps of FILE are played once the frame is up, screenshots
// and transcript.txt go to DIR (the current directory without -out), the IDE closes after the
// last step, and the exit status says how it went: 0 every step passed, 1 a step failed, 2 the
// script could not be read.
#include "session.h"
#include "win_support.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace qelvo;
using namespace qelvo::host;

namespace {
struct Arguments {
    bool make = false;
    std::string script;
    std::string outDir;
    std::string project;
    std::vector<std::string> files;
    bool bad = false;
};

bool IsProjectFile(const std::string& name) {
    return name.size() > 4 && lstrcmpiA(name.c_str() + name.size() - 4, ".ide") == 0;
}

Arguments Parse(int argc, char** argv) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "-make" || argument == "/make") {
            arguments.make = true;
        } else if (argument == "-script" || argument == "-out") {
            if (i + 1 >= argc) {
                arguments.bad = true;
                break;
            }
            (argument == "-script" ? arguments.script : arguments.outDir) = argv[++i];
        } else if (arguments.project.empty() && IsProjectFile(argument)) {
            arguments.project = argument;
        } else {
            arguments.files.push_back(argument);
        }
    }
    return arguments;
}

bool ReadText(const std::string& path, std::string& text) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    char buffer[8192];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    std::fclose(file);
    return true;
}

// After the script, the IDE closes; should a window it left open hold the close, the process
// ends anyway.
void EndSoonWhatever(int code) {
    std::thread([code] {
        Sleep(20000);
        std::fprintf(stderr, "BCW: the IDE did not close after the script\n");
        std::fflush(stderr);
        std::_Exit(code);
    }).detach();
}
} // namespace

int main(int argc, char** argv) {
    Arguments arguments = Parse(argc, argv);
    if (arguments.bad) {
        std::fprintf(stderr,
                     "usage: BCW [-make] [-script FILE [-out DIR]] [project.ide] [file...]\n");
        return 2;
    }
    std::string scriptText;
    if (!arguments.script.empty() && !ReadText(arguments.script, scriptText)) {
        std::fprintf(stderr, "BCW: cannot read the script %s\n", arguments.script.c_str());
        return 2;
    }
    if (!arguments.outDir.empty()) CreateDirectoryA(arguments.outDir.c_str(), nullptr);

    automation::StandInSession session(150);
    FrameWindow& frame = session.frame;
    frame.SetQuitOnDestroy(true);
    if (!session.Start(SW_SHOWNORMAL)) return 1;
    if (!arguments.project.empty()) frame.OpenProject(arguments.project);
    for (const std::string& file : arguments.files)
        frame.OpenEditor(file);
    frame.ShowMessageWindow();
    if (arguments.make) PostMessageA(frame.Window(), WM_COMMAND, kCmdMake, 0);

    std::unique_ptr<automation::ScriptEngine> engine;
    int scriptStatus = 0;
    if (!arguments.script.empty()) {
        engine.reset(new automation::ScriptEngine(frame, session.ide, arguments.outDir));
        if (!engine->Load(scriptText, arguments.script)) scriptStatus = 2;
        automation::ScriptEngine* playing = engine.get();
        engine->Start([playing, &frame, &scriptStatus] {
            if (scriptStatus == 0 && !playing->Passed()) scriptStatus = 1;
            playing->WriteTranscript(playing->OutFile("transcript.txt"));
            for (const std::string& line : playing->Transcript())
                std::printf("%s\n", line.c_str());
            std::fflush(stdout);
            EndSoonWhatever(scriptStatus);
            if (frame.Window()) PostMessageA(frame.Window(), WM_CLOSE, 0, 0);
        });
    }

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        automation::DispatchOne(frame.MdiClient(), msg);
    // A frame destroyed without its close (the session ending) still stops the add-ons.
    session.loader.Shutdown();
    if (engine && !engine->Finished()) {
        // The IDE closed under the script (a step chose File | Exit, say).
        engine->Stop("the IDE closed before the script ended");
        engine->WriteTranscript(engine->OutFile("transcript.txt"));
        for (const std::string& line : engine->Transcript())
            std::printf("%s\n", line.c_str());
        return 1;
    }
    return engine ? scriptStatus : static_cast<int>(msg.wParam);
}
