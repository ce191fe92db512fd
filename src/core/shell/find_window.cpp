#include "core/shell/find_window.h"

#include "core/window_rules.h"

#include <cstring>

namespace qelvo {

namespace {

struct Search {
    const char* className;
    const char* titlePart;
    HWND except;
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM lParam) {
    Search& s = *reinterpret_cast<Search*>(lParam);
    if (window == s.except)
        return TRUE;
    if (s.className && !WindowHasClass(window, s.className, kClassBuffer))
        return TRUE;
    if (s.titlePart) {
        char title[kTitleBuffer] = {0};
        GetWindowTextA(window, title, kTitleBuffer);
        if (!TitleMatchesPart(title, s.titlePart))
            return TRUE;
    }
    s.found = window;
    return FALSE;
}

} // namespace

bool WindowHasClass(HWND window, const char* className, int bufferSize) {
    char buffer[128] = {0};
    if (bufferSize > static_cast<int>(sizeof buffer))
        bufferSize = sizeof buffer;
    if (!GetClassNameA(window, buffer, bufferSize))
        return false;
    return std::strcmp(buffer, className) == 0;
}

HWND FindChildWindowExcept(HWND parent, const char* className, const char* titlePart,
                           HWND except) {
    if (!parent)
        return nullptr;
    Search s = {className, titlePart, except, nullptr};
    EnumChildWindows(parent, Visit, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND FindChildWindow(HWND parent, const char* className, const char* titlePart) {
    return FindChildWindowExcept(parent, className, titlePart, nullptr);
}

HWND FindFrame() { return FindWindowA("CPPFRAME", nullptr); }

HWND FindMdiClient() { return FindChildWindow(FindFrame(), "MDIClient", nullptr); }

HWND FindActiveEditor() {
    HWND client = FindMdiClient();
    HWND child = client ? GetWindow(client, GW_CHILD) : nullptr;
    return child && WindowHasClass(child, "BCW5Editor", kClassBuffer) ? child : nullptr;
}

void ActivateFrame() {
    if (HWND frame = FindFrame())
        SetActiveWindow(frame);
}

} // namespace qelvo
