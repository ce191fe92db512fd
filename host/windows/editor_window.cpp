// The editor window ("BCW5Editor"): an MDI child whose client is one edit control.
#include "edit_control.h"
#include "editor_host.h"
#include "win_support.h"

namespace qelvo {
namespace host {

bool RegisterEditorClasses() {
    return RegisterEditControlClass() &&
           RegisterOwnClass(kEditorClass, nullptr, CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW);
}

HWND EditorView::Create(HWND mdiClient, const std::string& title, const RECT* place) {
    return CreateMdiChild(mdiClient, kEditorClass, title.c_str(), place, ModuleInstance());
}

LRESULT EditorView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_SIZE:
        if (edit) MoveWindow(edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        break; // the MDI child's own handling follows
    case WM_SETFOCUS:
        if (edit) SetFocus(edit);
        return 0;
    case WM_COMMAND:
        OnCommand(HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CLOSE:
        if (!host->MayClose(*this)) return 0;
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

LRESULT EditorView::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcA(Handle(), message, wParam, lParam);
}

bool EditorView::OnCreate() {
    window = Handle();
    edit = CreateEditControl(window);
    return edit != nullptr;
}

void EditorView::OnCommand(int code, HWND control) {
    if (control == edit && code == EN_CHANGE) host->OnEdited(*this);
}

// The host lets go of the view: the last thing this object does.
void EditorView::OnDestroyed() {
    host->OnDestroyed(*this);
}

std::string EditorTitle(const EditorBuffer& buffer, size_t n, size_t count) {
    std::string title = buffer.path;
    if (count > 1) title += ":" + std::to_string(n);
    if (buffer.modified) title += " *";
    return title;
}

} // namespace host
} // namespace qelvo
