#include "project_window.h"

#include "win_support.h"

#include <commctrl.h>

namespace qelvo {
namespace host {

ProjectWindow::ProjectWindow(ProjectHost& projects) : projects_(projects) {
    RegisterOwnClass(kProjectClass, Proc, CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW);
}

ProjectWindow::~ProjectWindow() {
    if (window_) DestroyWindow(window_);
}

HWND ProjectWindow::Show(HWND mdiClient, const RECT* place) {
    if (window_) {
        BringForward(mdiClient, window_);
        return window_;
    }
    CreateMdiChild(mdiClient, kProjectClass, "Project", place, this);
    return window_;
}

void ProjectWindow::Refresh() {
    if (!window_) return;
    const Project* project = projects_.Current();
    std::string title = project ? "Project : " + project->Path() : "Project";
    SetWindowTextA(window_, title.c_str());
    SendMessageA(tree_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    if (project && project->Top()) AddNodes(*project, project->Top(), TVI_ROOT);
    SendMessageA(tree_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_, nullptr, TRUE);
}

void ProjectWindow::AddNodes(const Project& project, ide::IdeNode node, HTREEITEM parent) {
    const ProjectNode* data = project.Node(node);
    if (!data) return;
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    std::string text = data->name;
    insert.item.pszText = &text[0];
    insert.item.lParam = static_cast<LPARAM>(node);
    HTREEITEM item = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (!item) return;
    for (ide::IdeNode child : data->children)
        AddNodes(project, child, item);
    SendMessageA(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

LRESULT CALLBACK ProjectWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ProjectWindow* self = WindowObject<ProjectWindow>(window, message, lParam);
    if (!self) return DefMDIChildProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        self->window_ = window;
        self->tree_ = CreateWindowExA(0, WC_TREEVIEWA, "",
                                      WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS |
                                          TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                                      0, 0, 0, 0, window, reinterpret_cast<HMENU>(1),
                                      ModuleInstance(), nullptr);
        if (!self->tree_) return -1;
        self->Refresh();
        return 0;
    case WM_SIZE:
        MoveWindow(self->tree_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        break;
    case WM_SETFOCUS:
        SetFocus(self->tree_);
        return 0;
    case WM_NCDESTROY:
        ForgetWindowObject(window);
        self->window_ = nullptr;
        self->tree_ = nullptr;
        break;
    }
    return DefMDIChildProcA(window, message, wParam, lParam);
}

} // namespace host
} // namespace qelvo
