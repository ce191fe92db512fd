// The project window ("BCW5Project"): an MDI child showing the open project's node tree. One at
// most; it follows the project as it opens, closes and changes.
#pragma once

#include "project_host.h"
#include "win32/window.h"

#include <windows.h>

#include <commctrl.h>

namespace qelvo {
namespace host {

class ProjectWindow : private win32::Window {
public:
    explicit ProjectWindow(ProjectHost& projects);
    ~ProjectWindow();
    ProjectWindow(const ProjectWindow&) = delete;
    ProjectWindow& operator=(const ProjectWindow&) = delete;

    // Makes the window (place: its rectangle in the MDI client, or null) or brings it forward.
    HWND Show(HWND mdiClient, const RECT* place);
    // Title and tree anew from the project.
    void Refresh();
    HWND Window() const { return Handle(); }
    HWND Tree() const { return tree_; }

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override { tree_ = nullptr; }
    bool OnCreate();
    void AddNodes(const Project& project, ide::IdeNode node, HTREEITEM parent);

    ProjectHost& projects_;
    HWND tree_ = nullptr;
};

} // namespace host
} // namespace qelvo
