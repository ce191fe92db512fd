// BCW.EXE, the stand-in IDE as a program. Command line: [-make] [project.ide] [file...]: the
// project is opened (with its project window), each file in an editor view, the message window
// shown, and with -make one Make runs once the frame is up. Add-ons enabled in the registry
// start before the frame exists, as the IDE starts them, and stop at exit after the project
// closed.
#include "addon_loader.h"
#include "frame_window.h"
#include "win_support.h"

#include <windows.h>

#include <string>
#include <vector>

using namespace qelvo::host;

namespace {
struct Arguments {
    bool make = false;
    std::string project;
    std::vector<std::string> files;
};

bool IsProjectFile(const std::string& name) {
    return name.size() > 4 && lstrcmpiA(name.c_str() + name.size() - 4, ".ide") == 0;
}

Arguments Parse(int argc, char** argv) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "-make" || argument == "/make")
            arguments.make = true;
        else if (arguments.project.empty() && IsProjectFile(argument))
            arguments.project = argument;
        else
            arguments.files.push_back(argument);
    }
    return arguments;
}
} // namespace

int main(int argc, char** argv) {
    Arguments arguments = Parse(argc, argv);
    StandInIde ide;
    FrameWindow frame(ide);
    AddOnLoader loader(ide);
    loader.Startup();
    frame.SetQuitOnDestroy(true);
    frame.Make().SetStepDelay(150);
    frame.SetClosingHandler([&ide, &loader] {
        if (ide.Projects().Current() && !ide.Projects().Close(true)) return false;
        loader.Shutdown();
        return true;
    });
    if (!frame.Create(SW_SHOWNORMAL)) {
        loader.Shutdown();
        return 1;
    }
    if (!arguments.project.empty()) frame.OpenProject(arguments.project);
    for (const std::string& file : arguments.files)
        frame.OpenEditor(file);
    frame.ShowMessageWindow();
    if (arguments.make) PostMessageA(frame.Window(), WM_COMMAND, kCmdMake, 0);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (frame.MdiClient() && TranslateMDISysAccel(frame.MdiClient(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // A frame destroyed without its close (the session ending) still stops the add-ons.
    loader.Shutdown();
    return static_cast<int>(msg.wParam);
}
