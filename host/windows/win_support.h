// What the stand-in IDE's windows share: the class names and command numbers add-ons rely on,
// and a few small Win32 helpers.
#pragma once

#include <windows.h>

#include <string>

namespace qelvo {
namespace host {

// The IDE's window classes, by which add-ons find its windows.
constexpr char kFrameClass[] = "CPPFRAME";
constexpr char kMdiClientClass[] = "MDIClient";
constexpr char kEditorClass[] = "BCW5Editor";
constexpr char kEditControlClass[] = "EditWindClass";
constexpr char kProjectClass[] = "BCW5Project";
constexpr char kMessageClass[] = "BCW5Message";
constexpr char kMessagePaneClass[] = "OWL_Window";
constexpr char kNoteTabClass[] = "OWL_NoteTab";
constexpr char kMessageViewerClass[] = "MsgViewer";
constexpr char kDialogClass[] = "#32770";

// The IDE's commands that add-ons send to the frame (or, 1722, to the message viewer) or
// watch going to it.
enum : int {
    kCmdSaveAll = 13104,      // File | Save all; passes the frame's queue
    kCmdShowProject = 13251,  // Window | Project
    kCmdShowMessages = 13252, // Window | Message
    kCmdOptions = 13492,      // Options | Environment...
    kCmdClearMessages = 1722, // to "MsgViewer": empties the shown tab
};

// The frame's caption: "Borland C++", then " - " and the project's name when one is open.
constexpr char kFrameCaption[] = "Borland C++";

// The module that owns the stand-in's window classes (the program; the library is static).
HINSTANCE ModuleInstance();

std::string WindowText(HWND window);
std::string WindowClassName(HWND window);

// A full path for a file name the user or an add-on gives ('/' read as '\', relative to the
// current directory); the name itself when the system cannot make one.
std::string FullPath(const std::string& name);
// The file-name part of a path (after the last '\', '/' or ':').
std::string FileNamePart(const std::string& path);

// The common controls the windows use (tree, tabs, status line), registered once.
void InitCommonControlClasses();
// Registers a class that behaves as an existing one under another name (the system class's
// messages go through proc, which passes them on to baseProc). False when it failed.
bool RegisterSuperclass(const char* baseClass, const char* name, WNDPROC proc, WNDPROC& baseProc);
// Registers a class of the stand-in's own once per process; false when it failed.
bool RegisterOwnClass(const char* name, WNDPROC proc, UINT style, int background);

// The object a window was created for: stored at WM_NCCREATE from the creation parameter (an
// MDI child's from its MDICREATESTRUCT), forgotten after WM_NCDESTROY.
template <class T> T* WindowObject(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        void* object = create->lpCreateParams;
        if ((create->dwExStyle & WS_EX_MDICHILD) && object)
            object =
                reinterpret_cast<void*>(reinterpret_cast<const MDICREATESTRUCTA*>(object)->lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    }
    return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}
inline void ForgetWindowObject(HWND window) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

// A new MDI child of the class in the MDI client (place: its rectangle there, or null for the
// system's choice); object is what WindowObject answers for it. Null when it failed.
HWND CreateMdiChild(HWND mdiClient, const char* windowClass, const std::string& title,
                    const RECT* place, void* object);
// Brings an MDI child forward (restored when it was minimised).
void BringForward(HWND mdiClient, HWND child);

// Handles every message waiting for this thread (nested loops of the simulated Make use it);
// a WM_QUIT taken on the way is put back.
void PumpMessages();

} // namespace host
} // namespace qelvo
