// A window whose messages go to an object. The object is stored in the window at WM_NCCREATE
// (from the creation parameter; an MDI child's from its MDICREATESTRUCT) and cleared at
// WM_NCDESTROY; whatever comes before or after goes to DefWindowProc. A derived class's
// OnMessage is a short switch forwarding to named handlers, the rest to DefaultProc.
#pragma once

#include <windows.h>

namespace qelvo {
namespace win32 {

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Set from WM_NCCREATE until WM_NCDESTROY.
    HWND Handle() const { return handle_; }

    // The procedure of every class whose windows belong to such objects (see RegisterWindowClass).
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    Window() = default;
    // A window still there is destroyed, its messages going to DefWindowProc since the derived
    // part is gone already. A class whose last messages need its handlers or its DefaultProc
    // (an MDI child's) destroys the window in its own destructor.
    virtual ~Window();

    // CreateWindowExA with this object as the creation parameter; null when it failed (a
    // WM_CREATE answered -1 included) or this object has a window already.
    HWND Create(DWORD exStyle, const char* windowClass, const char* title, DWORD style, int x,
                int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance);
    // A new MDI child of mdiClient with this object; place: its rectangle in the client, or
    // null for the system's choice. Null when it failed.
    HWND CreateMdiChild(HWND mdiClient, const char* windowClass, const char* title,
                        const RECT* place, HINSTANCE instance, DWORD style = 0);

    // Every message from WM_NCCREATE to the one before WM_NCDESTROY.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // What the class does by default: DefWindowProc; an MDI child or frame answers with its
    // own, a superclass with CallWindowProcA of the base class (what comes before WM_NCCREATE,
    // which only top-level and sizable windows get, still goes to DefWindowProc).
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window is gone: its last message was handled by DefaultProc and Handle() is null.
    // Called last, so an object may delete itself here.
    virtual void OnDestroyed() {}

private:
    void Detach();

    HWND handle_ = nullptr;
};

// Registers a class unless this module has it already; lpfnWndProc null: Window::Procedure
// (a window of it made without an object then behaves as DefWindowProc's). cbSize is filled
// in. False when it failed.
bool RegisterWindowClass(WNDCLASSEXA windowClass);
// Registers name as a class that behaves as baseClass: its windows start on procedure, which
// passes what it does not handle to baseProc (CallWindowProcA). False when it failed.
bool RegisterSuperclass(HINSTANCE instance, const char* baseClass, const char* name,
                        WNDPROC procedure, WNDPROC& baseProc);

// A new MDI child of mdiClient whose MDICREATESTRUCT carries param (place: as above).
HWND CreateMdiChild(HWND mdiClient, const char* windowClass, const char* title, const RECT* place,
                    HINSTANCE instance, LPARAM param, DWORD style = 0);

} // namespace win32
} // namespace qelvo
