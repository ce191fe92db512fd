// Owning handles of the stand-in's windows: each destroys what it holds, once; release() gives
// it away where Win32 takes it over (a menu set on a window). And the scoped DC guards.
#pragma once

#include <windows.h>

namespace qelvo {
namespace host {

template <class Handle, class Traits> class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() {
        Handle handle = handle_;
        handle_ = nullptr;
        return handle;
    }
    void reset(Handle handle = nullptr) {
        if (handle_) Traits::Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

struct MenuTraits {
    static void Close(HMENU menu) { DestroyMenu(menu); }
};
struct BitmapTraits {
    static void Close(HBITMAP bitmap) { DeleteObject(bitmap); }
};
struct MemoryDcTraits {
    static void Close(HDC dc) { DeleteDC(dc); }
};

using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;
using UniqueBitmap = UniqueHandle<HBITMAP, BitmapTraits>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcTraits>;

// GetDC / ReleaseDC of a window (null: the screen).
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// SelectObject for a scope: the previous object goes back at the end.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint / EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
};

} // namespace host
} // namespace qelvo
