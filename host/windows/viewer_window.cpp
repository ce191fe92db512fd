#include "viewer_window.h"

#include "win32/gdi.h"
#include "win32/window.h"
#include "win_support.h"

namespace qelvo {
namespace host {

namespace {
struct ViewerKind {
    const char* tool;
    const char* windowClass;
    const char* what;
};
const ViewerKind kViewers[] = {
    {"EditResource", "BCW5RWProject", "Resource script"},
    {"EditBitmapFile", "BCW5RWBitmap", "Bitmap"},
    {"EditCursorFile", "BCW5RWGroupCursor", "Cursor"},
    {"EditIconFile", "BCW5RWGroupIcon", "Icon"},
};

const ViewerKind* KindOfClass(const std::string& windowClass) {
    for (const ViewerKind& kind : kViewers)
        if (windowClass == kind.windowClass) return &kind;
    return nullptr;
}

void Paint(HWND window) {
    win32::PaintScope paint(window);
    HDC dc = paint.get();
    if (!dc) return;
    const ViewerKind* kind = KindOfClass(WindowClassName(window));
    std::string text = std::string(kind ? kind->what : "File") + ": " + WindowText(window);
    RECT area;
    GetClientRect(window, &area);
    InflateRect(&area, -8, -8);
    win32::SelectGuard font(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text.c_str(), -1, &area, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
}

LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint(window);
        return 0;
    }
    return DefMDIChildProcA(window, message, wParam, lParam);
}
} // namespace

const char* ViewerClassOfTool(const std::string& tool) {
    for (const ViewerKind& kind : kViewers)
        if (tool == kind.tool) return kind.windowClass;
    return nullptr;
}

HWND OpenViewerWindow(HWND mdiClient, const std::string& windowClass, const std::string& path,
                      const RECT* place) {
    const ViewerKind* kind = KindOfClass(windowClass);
    if (!kind ||
        !RegisterOwnClass(kind->windowClass, ViewerProc, CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW))
        return nullptr;
    return win32::CreateMdiChild(mdiClient, kind->windowClass, path.c_str(), place,
                                 ModuleInstance(), 0);
}

} // namespace host
} // namespace qelvo
