#include "project_window.h"

#include "win_support.h"

#include <commctrl.h>

namespace qelvo {
namespace host {

ProjectWindow::ProjectWindow(ProjectHost& projects) : projects_(projects) {
    RegisterOwnClass(kProjectClass, nullptr, CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW);
}

ProjectWindow::~ProjectWindow() {
    // Here, while DefMDIChildProc still answers for the window.
    if (Handle()) DestroyWindow(Handle());
}

HWND ProjectWindow::Show(HWND mdiClient, const RECT* place) {
    if (Handle()) {
        BringForward(mdiClient, Handle());
        return Handle();
    }
    return CreateMdiChild(mdiClient, kProjectClass, "Project", place, ModuleInstance());
}

void ProjectWindow::Refresh() {
    if (!Handle()) return;
    const Project* project = projects_.Current();
    std::string title = project ? "Project : " + project->Path() : "Project";
    SetWindowTextA(Handle(), title.c_str());
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

bool ProjectWindow::OnCreate() {
    tree_ = CreateWindowExA(
        0, WC_TREEVIEWA, "",
        WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
        0, 0, 0, 0, Handle(), reinterpret_cast<HMENU>(1), ModuleInstance(), nullptr);
    if (!tree_) return false;
    Refresh();
    return true;
}

LRESULT ProjectWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_SIZE:
        MoveWindow(tree_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        break; // the MDI child's own handling follows
    case WM_SETFOCUS:
        SetFocus(tree_);
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

LRESULT ProjectWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcA(Handle(), message, wParam, lParam);
}

} // namespace host
} // namespace qelvo
