// The editor window ("BCW5Editor"): an MDI child whose client is one edit control.
#include "edit_control.h"
#include "editor_host.h"
#include "win_support.h"

namespace qelvo {
namespace host {

namespace {
void OnSize(EditorView& view, int width, int height) {
    if (view.edit) MoveWindow(view.edit, 0, 0, width, height, TRUE);
}

void OnCommand(EditorView& view, int code, HWND control) {
    if (control == view.edit && code == EN_CHANGE) view.host->OnEdited(view);
}

LRESULT CALLBACK EditorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    EditorView* view = WindowObject<EditorView>(window, message, lParam);
    if (!view) return DefMDIChildProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        view->window = window;
        view->edit = CreateEditControl(window);
        return view->edit ? 0 : -1;
    case WM_SIZE:
        OnSize(*view, LOWORD(lParam), HIWORD(lParam));
        break; // the MDI child's own handling follows
    case WM_SETFOCUS:
        if (view->edit) SetFocus(view->edit);
        return 0;
    case WM_COMMAND:
        OnCommand(*view, HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CLOSE:
        if (!view->host->MayClose(*view)) return 0;
        break;
    case WM_NCDESTROY:
        ForgetWindowObject(window);
        view->host->OnDestroyed(*view);
        break;
    }
    return DefMDIChildProcA(window, message, wParam, lParam);
}
} // namespace

bool RegisterEditorClasses() {
    return RegisterEditControlClass() &&
           RegisterOwnClass(kEditorClass, EditorWindowProc, CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW);
}

HWND CreateEditorWindow(HWND mdiClient, EditorView& view, const std::string& title,
                        const RECT* place) {
    return CreateMdiChild(mdiClient, kEditorClass, title, place, &view);
}

std::string EditorTitle(const EditorBuffer& buffer, size_t n, size_t count) {
    std::string title = buffer.path;
    if (count > 1) title += ":" + std::to_string(n);
    if (buffer.modified) title += " *";
    return title;
}

} // namespace host
} // namespace qelvo
