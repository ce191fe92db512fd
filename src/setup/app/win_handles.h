// Owning handle types and scoped guards of the installer's shell.
#pragma once

#include <windows.h>

namespace qelvo {
namespace setup {

// Owns a GDI object (bitmap, brush...).
class UniqueGdiObject {
public:
    explicit UniqueGdiObject(HGDIOBJ object = nullptr) : object_(object) {}
    ~UniqueGdiObject() { reset(); }
    UniqueGdiObject(const UniqueGdiObject&) = delete;
    UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;
    void reset(HGDIOBJ object = nullptr) {
        if (object_) ::DeleteObject(object_);
        object_ = object;
    }
    HGDIOBJ get() const { return object_; }

private:
    HGDIOBJ object_;
};

// Owns a memory device context.
class UniqueMemoryDc {
public:
    explicit UniqueMemoryDc(HDC compatibleWith) : dc_(::CreateCompatibleDC(compatibleWith)) {}
    ~UniqueMemoryDc() {
        if (dc_) ::DeleteDC(dc_);
    }
    UniqueMemoryDc(const UniqueMemoryDc&) = delete;
    UniqueMemoryDc& operator=(const UniqueMemoryDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a DC for the guard's lifetime.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~ScopedSelect() {
        if (previous_) ::SelectObject(dc_, previous_);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint/EndPaint.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &paint_); }
    ~ScopedPaint() { ::EndPaint(window_, &paint_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
};

// Owns an open registry key.
class UniqueKey {
public:
    UniqueKey() = default;
    ~UniqueKey() {
        if (key_) ::RegCloseKey(key_);
    }
    UniqueKey(const UniqueKey&) = delete;
    UniqueKey& operator=(const UniqueKey&) = delete;
    HKEY* put() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// Owns a module loaded with LoadLibraryEx.
class UniqueLibrary {
public:
    explicit UniqueLibrary(HMODULE module) : module_(module) {}
    ~UniqueLibrary() {
        if (module_) ::FreeLibrary(module_);
    }
    UniqueLibrary(const UniqueLibrary&) = delete;
    UniqueLibrary& operator=(const UniqueLibrary&) = delete;
    HMODULE get() const { return module_; }

private:
    HMODULE module_;
};

} // namespace setup
} // namespace qelvo
