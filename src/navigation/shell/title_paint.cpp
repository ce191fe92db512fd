#include "navigation/shell/title_paint.h"

#include "core/globals.h"
#include "core/shell/caption_text.h"
#include "core/shell/find_window.h"
#include "navigation/editor_menu.h"
#include "navigation/quick_find.h"
#include "win32/gdi.h"
#include "win32/handles.h"

namespace qelvo {

namespace {

// The whole window's DC, caption included (GetWindowDC / ReleaseDC).
class WholeWindowDc {
public:
    explicit WholeWindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~WholeWindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WholeWindowDc(const WholeWindowDc&) = delete;
    WholeWindowDc& operator=(const WholeWindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

BOOL CALLBACK RefreshEditor(HWND window, LPARAM) {
    if (WindowHasClass(window, "BCW5Editor", 99)) {
        ShowWindow(window, SW_HIDE);
        ShowWindow(window, SW_SHOWNA);
    }
    return TRUE;
}

} // namespace

void PaintTitleButtons(HDC dc, const RECT& window, const TitlePaint& paint) {
    if (!dc || !paint.names) return;
    const TitleButtonGeometry& g = paint.geometry;
    ScreenRect rect = {static_cast<int16_t>(window.left), static_cast<int16_t>(window.top),
                       static_cast<int16_t>(window.right), static_cast<int16_t>(window.bottom)};
    int x = FirstButtonX(g, rect, paint.leftSide, paint.newShell, paint.captionTextWidth);
    win32::UniqueMemoryDc memory(CreateCompatibleDC(dc));
    if (!memory) return;
    for (int i = 0; i < 3; ++i, x += g.width) {
        win32::UniqueBitmap bitmap(LoadBitmapA(paint.module, paint.names[i]));
        if (!bitmap) continue;
        win32::SelectGuard select(memory.get(), bitmap.get());
        BitBlt(dc, x, window.top + g.top, g.width, g.height, memory.get(), 0, 0, SRCCOPY);
    }
}

void PaintTitleButtons(HWND editor) {
    if (!EditorMenus || !EditorMenus->settings.enabled || !IsWindow(editor)) return;
    RECT r;
    if (!GetWindowRect(editor, &r)) return;
    TitlePaint paint;
    paint.module = static_cast<HINSTANCE>(Environment ? Environment->instance : nullptr);
    paint.names = EditorMenus->bitmapNames;
    paint.geometry = EditorMenus->geometry;
    paint.leftSide = QuickFinder && QuickFinder->settings.leftSide;
    paint.newShell = EditorMenus->newShell;
    paint.captionTextWidth = paint.leftSide && paint.newShell ? CaptionTextWidth(editor) : 0;
    RECT own = {0, 0, r.right - r.left, r.bottom - r.top};
    WholeWindowDc dc(editor);
    PaintTitleButtons(dc.get(), own, paint);
}

void RefreshEditorFrames() {
    if (HWND client = FindMdiClient()) EnumChildWindows(client, RefreshEditor, 0);
}

} // namespace qelvo
