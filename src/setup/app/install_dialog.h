// The installation dialog MAIN: the two directories, "Install", and below them (once the dialog
// has grown) the list of the eight steps as the run goes through them.
#pragma once

#include "setup/install_run.h"
#include "win_handles.h"
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

class InstallDialog : private StepList {
public:
    explicit InstallDialog(Session& session);
    InstallDialog(const InstallDialog&) = delete;
    InstallDialog& operator=(const InstallDialog&) = delete;

    // Shows the dialog modally; true when a failed run asks for it to be shown again.
    bool Show();

private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

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
    HWND window_ = nullptr;
    UniqueGdiObject logo_;
    WinStepPort port_;
    InstallRun run_;
    Directories directories_;
};

// Copies the logo at client point (4, 4), 123 x 46 pixels.
void PaintLogo(HDC dc, HBITMAP logo);

} // namespace setup
} // namespace qelvo
