// Owning handle types: each destroys what it holds, once. release() gives ownership away where
// Win32 takes it over (SetMenu, a popup appended with MF_POPUP, a bitmap selected for good).
// Non-owning references are plain handles.
#pragma once

#include <windows.h>

namespace qelvo {
namespace win32 {

template <class Handle, class Traits> class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // For the functions that hand a new handle back through a pointer (RegOpenKeyExA); what was
    // held is closed first.
    Handle* put() {
        reset();
        return &handle_;
    }
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
struct HookTraits {
    static void Close(HHOOK hook) { UnhookWindowsHookEx(hook); }
};
struct KeyTraits {
    static void Close(HKEY key) { RegCloseKey(key); }
};
struct GdiObjectTraits {
    static void Close(HGDIOBJ object) { DeleteObject(object); }
};
struct BitmapTraits {
    static void Close(HBITMAP bitmap) { DeleteObject(bitmap); }
};
struct MemoryDcTraits {
    static void Close(HDC dc) { DeleteDC(dc); }
};
struct LibraryTraits {
    static void Close(HMODULE module) { FreeLibrary(module); }
};
struct GlobalTraits {
    static void Close(HGLOBAL memory) { GlobalFree(memory); }
};
struct WindowTraits {
    static void Close(HWND window) { DestroyWindow(window); }
};

using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;
using UniqueHook = UniqueHandle<HHOOK, HookTraits>;
using UniqueKey = UniqueHandle<HKEY, KeyTraits>;
using UniqueGdiObject = UniqueHandle<HGDIOBJ, GdiObjectTraits>; // brushes, pens, fonts
using UniqueBitmap = UniqueHandle<HBITMAP, BitmapTraits>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcTraits>; // CreateCompatibleDC
using UniqueLibrary = UniqueHandle<HMODULE, LibraryTraits>;
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;
using UniqueGlobal = UniqueHandle<HGLOBAL, GlobalTraits>; // GlobalAlloc, until handed over

} // namespace win32
} // namespace qelvo
