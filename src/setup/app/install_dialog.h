// The installation dialog MAIN: the two directories, "Install", and below them (once the dialog
// has grown) the list of the eight steps as the run goes through them.
#pragma once

#include "setup/install_run.h"
#include "win32/dialog.h"
#include "win32/handles.h"
#include "win_step_port.h"

#include <windows.h>

namespace qelvo {
namespace setup {

// What outlives one showing of the dialog: the directories last used.
struct Session {
    HINSTANCE instance = nullptr;
    char ideDirectory[256] = "";
    char addonDirectory[256] = "";
};

class InstallDialog : private StepList, private win32::Dialog {
public:
    explicit InstallDialog(Session& session);
    InstallDialog(const InstallDialog&) = delete;
    InstallDialog& operator=(const InstallDialog&) = delete;

    // Shows the dialog modally; true when a failed run asks for it to be shown again.
    bool Show();

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnInit();
    void OnPaint();
    void OnCommand(int id, int code);
    void OnIdeDirectoryChanged();
    void OnInstall();
    void OnCancel();
    void OnRun();

    // StepList over the list box 107.
    void Append(const std::string& line) override;
    void Delete(int index) override;
    void Select(int index) override;

    Session& session_;
    win32::UniqueBitmap logo_;
    WinStepPort port_;
    InstallRun run_;
    Directories directories_;
};

// Copies the logo at client point (4, 4), 123 x 46 pixels.
void PaintLogo(HDC dc, HBITMAP logo);

} // namespace setup
} // namespace qelvo
