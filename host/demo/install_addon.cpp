// install_addon SETUP IDE_DIR ADDON_DIR [SHOT.png]: installs the add-on with the real
// installer, as a person does. The add-on's registry key is deleted first (a fresh install
// with the add-on's default settings); setup.exe is started in the IDE directory, its two
// directory edits are set, "Install" is pressed, the question that creates the add-on
// directory is answered Yes, and once every step says "Ok" the dialog is taken (SHOT) and
// closed. Prints the installer's lines and the registry values it wrote. Exit status 0 when
// the add-on is installed, 1 when not, 2 on bad usage.
#include "setup_driver.h"
#include "shots.h"

#include <cstdio>
#include <string>

using namespace qelvo;
using namespace qelvo::setup_driver;

namespace {

int Failed(const std::string& why) {
    std::printf("install_addon: %s\n", why.c_str());
    return 1;
}

// Answers the installer's message boxes until its run ends (its list shows the steps and its
// last button is enabled again): Yes to creating the add-on directory; any other box is a
// failure (pressed OK and reported).
bool RunInstall(SetupProcess& setup, HWND dialog, std::string& problem) {
    Press(dialog, 104);
    for (;;) {
        bool ended = WaitUntil(
            [&] {
                return AnyMessageBox(setup.id()) ||
                       (IsWindowEnabled(GetDlgItem(dialog, 2)) && !ListLines(dialog, 107).empty());
            },
            30000);
        if (!ended) {
            problem = "the installation did not end within 30 s";
            return false;
        }
        if (!AnyMessageBox(setup.id())) return true;
        MessageBoxSeen box = WaitMessageBox(setup.id(), 1000);
        std::printf("  message box \"%s\": %s\n", box.title.c_str(), box.text.c_str());
        if (box.text.find("Create ?") != std::string::npos) {
            Press(box.window, IDYES);
            WaitUntil([&] { return !IsWindow(box.window); }, 5000);
            continue;
        }
        problem = "the installer said: " + box.text;
        Press(box.window, IDOK);
        return false;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::printf("usage: install_addon SETUP IDE_DIR ADDON_DIR [SHOT.png]\n");
        return 2;
    }
    const std::string setupProgram = argv[1], ideDir = argv[2], addonDir = argv[3];
    DeleteAddonKey();

    SetupProcess setup;
    if (!setup.Start(setupProgram, ideDir)) return Failed("cannot start " + setupProgram);
    HWND dialog = WaitDialog(setup.id(), 20000);
    if (!dialog) return Failed("the installation dialog did not show");
    std::printf("setup found the IDE in: %s\n", ItemText(dialog, 102).c_str());
    SetItemText(dialog, 102, ideDir);
    SetItemText(dialog, 108, addonDir);
    std::printf("IDE directory:    %s\nadd-on directory: %s\n", ItemText(dialog, 102).c_str(),
                ItemText(dialog, 108).c_str());

    std::string problem;
    bool ran = RunInstall(setup, dialog, problem);
    std::vector<std::string> lines = ListLines(dialog, 107);
    for (const std::string& line : lines)
        std::printf("  %s\n", line.c_str());
    if (!ran) return Failed(problem);
    bool allOk = lines.size() == 8;
    for (const std::string& line : lines)
        allOk = allOk && line.size() > 3 && line.compare(line.size() - 3, 3, "\tOk") == 0;
    if (!allOk || ItemText(dialog, 2) != "Ok") return Failed("a step of the installation failed");

    if (argc == 5) {
        RECT area;
        GetWindowRect(dialog, &area);
        std::string error;
        if (!automation::TakeScreenshot(argv[4], &area, error)) return Failed(error);
        std::printf("screenshot %s\n", argv[4]);
    }
    Press(dialog, 2);
    DWORD code = 1;
    if (!setup.WaitExit(10000, &code) || code != 0) return Failed("setup did not end cleanly");

    DWORD type = 0;
    std::string enabled, path;
    if (!ReadRegistryValue("Enabled", type, enabled) || !ReadRegistryValue("Path", type, path))
        return Failed("the registry holds no add-on key");
    std::printf("registry: Enabled=%s Path=%s\n", enabled.c_str(), path.c_str());
    return 0;
}
