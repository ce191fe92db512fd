#include "win_support.h"

#include "win32/window.h"

#include <commctrl.h>

#include <vector>

namespace qelvo {
namespace host {

HINSTANCE ModuleInstance() {
    return GetModuleHandleA(nullptr);
}

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    int got = GetWindowTextA(window, buffer.data(), length + 1);
    return std::string(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

std::string WindowClassName(HWND window) {
    char name[256] = {0};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TreeItemText(HWND tree, HTREEITEM item) {
    char text[256] = "";
    TVITEMA data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return text;
}

HTREEITEM FindTreeItem(HWND tree, HTREEITEM first, const std::string& title) {
    for (HTREEITEM item = first; item; item = TreeView_GetNextSibling(tree, item)) {
        if (TreeItemText(tree, item) == title) return item;
        if (HTREEITEM found = FindTreeItem(tree, TreeView_GetChild(tree, item), title))
            return found;
    }
    return nullptr;
}

std::string FullPath(const std::string& name) {
    if (name.empty()) return name;
    std::string slashed = name;
    for (char& c : slashed)
        if (c == '/') c = '\\';
    char buffer[MAX_PATH * 2];
    DWORD length = GetFullPathNameA(slashed.c_str(), sizeof buffer, buffer, nullptr);
    if (length == 0 || length >= sizeof buffer) return slashed;
    return std::string(buffer, length);
}

std::string FileNamePart(const std::string& path) {
    size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

void InitCommonControlClasses() {
    INITCOMMONCONTROLSEX controls = {sizeof controls,
                                     ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
}

bool RegisterOwnClass(const char* name, WNDPROC procedure, UINT style, int background) {
    WNDCLASSEXA wc = {};
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = ModuleInstance();
    wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    wc.lpszClassName = name;
    return win32::RegisterWindowClass(wc);
}

void BringForward(HWND mdiClient, HWND child) {
    if (IsIconic(child)) SendMessageA(mdiClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
    SendMessageA(mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
}

void PumpMessages() {
    MSG msg;
    bool quit = false;
    int exitCode = 0;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit = true;
            exitCode = static_cast<int>(msg.wParam);
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (quit) PostQuitMessage(exitCode);
}

} // namespace host
} // namespace qelvo
