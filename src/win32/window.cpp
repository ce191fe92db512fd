#include "win32/window.h"

namespace qelvo {
namespace win32 {

namespace {
Window* StoredObject(HWND window) {
    return reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The object named by WM_NCCREATE's creation parameter.
Window* CreationObject(LPARAM lParam) {
    const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    if (!create || !create->lpCreateParams) return nullptr;
    if (create->dwExStyle & WS_EX_MDICHILD)
        return reinterpret_cast<Window*>(
            static_cast<const MDICREATESTRUCTA*>(create->lpCreateParams)->lParam);
    return static_cast<Window*>(create->lpCreateParams);
}
} // namespace

Window::~Window() {
    if (!handle_) return;
    HWND window = handle_;
    Detach();
    DestroyWindow(window);
}

void Window::Detach() {
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    handle_ = nullptr;
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = StoredObject(window);
    if (!self && message == WM_NCCREATE) {
        self = CreationObject(lParam);
        if (self) {
            self->handle_ = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message != WM_NCDESTROY) return self->OnMessage(message, wParam, lParam);
    // Cleared before anything runs, so that what the last steps send goes past the object.
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    LRESULT result = self->DefaultProc(message, wParam, lParam);
    self->handle_ = nullptr;
    self->OnDestroyed();
    return result;
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(handle_, message, wParam, lParam);
}

HWND Window::Create(DWORD exStyle, const char* windowClass, const char* title, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance) {
    // The answers come from the calls, not from handle_: an object whose creation failed may
    // have deleted itself in OnDestroyed.
    if (handle_) return nullptr;
    return CreateWindowExA(exStyle, windowClass, title, style, x, y, width, height, parent, menu,
                           instance, this);
}

HWND Window::CreateMdiChild(HWND mdiClient, const char* windowClass, const char* title,
                            const RECT* place, HINSTANCE instance, DWORD style) {
    if (handle_) return nullptr;
    return win32::CreateMdiChild(mdiClient, windowClass, title, place, instance,
                                 reinterpret_cast<LPARAM>(this), style);
}

bool RegisterWindowClass(WNDCLASSEXA windowClass) {
    windowClass.cbSize = sizeof windowClass;
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(windowClass.hInstance, windowClass.lpszClassName, &existing)) return true;
    if (!windowClass.lpfnWndProc) windowClass.lpfnWndProc = Window::Procedure;
    return RegisterClassExA(&windowClass) != 0;
}

bool RegisterSuperclass(HINSTANCE instance, const char* baseClass, const char* name,
                        WNDPROC procedure, WNDPROC& baseProc) {
    WNDCLASSEXA base = {};
    base.cbSize = sizeof base;
    if (!GetClassInfoExA(nullptr, baseClass, &base)) return false;
    baseProc = base.lpfnWndProc;
    base.lpszClassName = name;
    base.hInstance = instance;
    base.lpfnWndProc = procedure;
    return RegisterWindowClass(base);
}

HWND CreateMdiChild(HWND mdiClient, const char* windowClass, const char* title, const RECT* place,
                    HINSTANCE instance, LPARAM param, DWORD style) {
    if (!mdiClient) return nullptr;
    MDICREATESTRUCTA create = {};
    create.szClass = windowClass;
    create.szTitle = title;
    create.hOwner = instance;
    create.x = place ? place->left : CW_USEDEFAULT;
    create.y = place ? place->top : CW_USEDEFAULT;
    create.cx = place ? place->right - place->left : CW_USEDEFAULT;
    create.cy = place ? place->bottom - place->top : CW_USEDEFAULT;
    create.style = style;
    create.lParam = param;
    return reinterpret_cast<HWND>(
        SendMessageA(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

} // namespace win32
} // namespace qelvo
