#include "ide_windows.h"

namespace qelvo {
namespace testing_support {

namespace {

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static HWND client = nullptr;
    switch (message) {
    case WM_CREATE: {
        CLIENTCREATESTRUCT ccs = {};
        ccs.idFirstChild = 50000;
        client = CreateWindowExA(0, "MDIClient", nullptr,
                                 WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0, window,
                                 nullptr, GetModuleHandleA(nullptr), &ccs);
        return 0;
    }
    case WM_COMMAND:
        ReceivedMessages().push_back({window, message, wParam, lParam});
        return 0;
    default:
        return DefFrameProcA(window, client, message, wParam, lParam);
    }
}

LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_CHAR || message == WM_COMMAND)
        ReceivedMessages().push_back({window, message, wParam, lParam});
    return DefMDIChildProcA(window, message, wParam, lParam);
}

void Register(const char* name, WNDPROC proc) {
    WNDCLASSA wc = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), name, &wc))
        return;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

} // namespace

std::vector<Received>& ReceivedMessages() {
    static std::vector<Received> received;
    return received;
}

IdeWindows::IdeWindows() {
    Register("CPPFRAME", FrameProc);
    Register("BCW5Editor", ChildProc);
    Register("BCW5Project", ChildProc);
    frame = CreateWindowExA(0, "CPPFRAME", "Borland C++ - app",
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 40, 60, 1000, 800,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    client = GetWindow(frame, GW_CHILD);
    SetForegroundWindow(frame);
    Pump();
}

IdeWindows::~IdeWindows() {
    DestroyWindow(frame);
    Pump();
}

HWND IdeWindows::AddChild(const char* className, const char* title, int x, int y, int w, int h) {
    MDICREATESTRUCTA mcs = {};
    mcs.szClass = className;
    mcs.szTitle = title;
    mcs.hOwner = GetModuleHandleA(nullptr);
    mcs.x = x;
    mcs.y = y;
    mcs.cx = w;
    mcs.cy = h;
    HWND child = reinterpret_cast<HWND>(
        SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    Pump();
    return child;
}

void IdeWindows::Close(HWND child) {
    SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    Pump();
}

void Pump(int milliseconds) {
    DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (milliseconds > 0)
            Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

} // namespace testing_support
} // namespace qelvo
