#include "ui.h"

#include "win_support.h"

#include <algorithm>
#include <cctype>

namespace qelvo {
namespace automation {

namespace {

struct ThreadSearch {
    const char* windowClass;
    std::vector<HWND> found;
};

BOOL CALLBACK OnThreadWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ThreadSearch*>(param);
    if (IsWindowVisible(window) && host::WindowClassName(window) == search->windowClass)
        search->found.push_back(window);
    return TRUE;
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

constexpr UINT kGetMenuOfPopup = 0x01E1; // MN_GETHMENU

INPUT KeyInput(WORD key, bool down) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    return in;
}

} // namespace

std::vector<HWND> ThreadWindows(const char* windowClass) {
    ThreadSearch search = {windowClass, {}};
    // The system lists a thread's windows from the top of the z-order.
    EnumThreadWindows(GetCurrentThreadId(), OnThreadWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindBar() {
    for (HWND window = FindWindowExA(nullptr, nullptr, "QADO", nullptr); window;
         window = FindWindowExA(nullptr, window, "QADO", nullptr))
        if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) return window;
    return nullptr;
}

bool TitleNames(const std::string& title, const std::string& part) {
    std::string t = Upper(title), p = Upper(part);
    if (p.empty()) return false;
    for (size_t at = t.find(p); at != std::string::npos; at = t.find(p, at + 1)) {
        bool startOk = at == 0 || t[at - 1] == '\\' || t[at - 1] == '/';
        size_t end = at + p.size();
        bool endOk = end == t.size() || t[end] == ':' || t[end] == ' ';
        if (startOk && endOk) return true;
    }
    return false;
}

HWND FindEditor(HWND mdiClient, const std::string& part) {
    for (HWND child = GetWindow(mdiClient, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (host::WindowClassName(child) == "BCW5Editor" &&
            TitleNames(host::WindowText(child), part))
            return child;
    return nullptr;
}

std::string MenuItemText(HMENU menu, int position) {
    // A popup's state carries its item count in the high byte, where a count of 8 or more
    // would read as the separator flag.
    UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (state != static_cast<UINT>(-1) && !(state & MF_POPUP) && (state & MF_SEPARATOR))
        return "-";
    char text[512] = {0};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    std::string shown;
    for (const char* c = text; *c; ++c)
        shown += *c == '\t' ? std::string("\\t") : std::string(1, *c);
    return shown;
}

std::vector<std::string> MenuItemTexts(HMENU menu) {
    std::vector<std::string> items;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        items.push_back(MenuItemText(menu, i));
    return items;
}

int FindMenuItem(HMENU menu, const std::string& name) {
    int count = GetMenuItemCount(menu);
    std::string wanted = Upper(MenuItemName(name));
    for (int i = 0; i < count; ++i) {
        char text[512] = {0};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        if (Upper(MenuItemName(text)) == wanted) return i;
    }
    return -1;
}

std::vector<HWND> OpenPopups() {
    return ThreadWindows("#32768");
}

HMENU MenuOfPopup(HWND popup) {
    return reinterpret_cast<HMENU>(SendMessageA(popup, kGetMenuOfPopup, 0, 0));
}

HWND PopupShowing(HMENU menu) {
    for (HWND popup : OpenPopups())
        if (MenuOfPopup(popup) == menu) return popup;
    return nullptr;
}

HWND DeepestPopup() {
    std::vector<HWND> popups = OpenPopups();
    for (HWND candidate : popups) {
        HMENU menu = MenuOfPopup(candidate);
        bool parent = false;
        for (HWND other : popups) {
            HMENU below = MenuOfPopup(other);
            for (int i = 0; other != candidate && i < GetMenuItemCount(menu); ++i)
                parent = parent || GetSubMenu(menu, i) == below;
        }
        if (!parent) return candidate;
    }
    return nullptr;
}

void Click(POINT at, bool right) {
    SetCursorPos(at.x, at.y);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof in[0]);
}

void SendKeys(const KeyCombination& keys, bool down) {
    std::vector<INPUT> events;
    if (keys.ctrl) events.push_back(KeyInput(VK_CONTROL, down));
    if (keys.shift) events.push_back(KeyInput(VK_SHIFT, down));
    if (keys.alt) events.push_back(KeyInput(VK_MENU, down));
    events.push_back(KeyInput(static_cast<WORD>(keys.key), down));
    if (!down) std::reverse(events.begin(), events.end());
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

bool TypeText(const std::string& text) {
    std::vector<INPUT> events;
    for (char c : text) {
        SHORT scan = VkKeyScanA(c);
        if (scan == -1) return false;
        WORD key = LOBYTE(scan);
        bool shift = (HIBYTE(scan) & 1) != 0;
        if (shift) events.push_back(KeyInput(VK_SHIFT, true));
        events.push_back(KeyInput(key, true));
        events.push_back(KeyInput(key, false));
        if (shift) events.push_back(KeyInput(VK_SHIFT, false));
    }
    if (!events.empty()) SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    return true;
}

bool PointReaches(POINT at, HWND window) {
    HWND hit = WindowFromPoint(at);
    return hit == window || (hit && IsChild(window, hit));
}

std::string WhatCovers(POINT at) {
    HWND hit = WindowFromPoint(at);
    return hit ? "a window of class " + Quoted(host::WindowClassName(hit)) : "no window";
}

POINT Center(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Joined(const std::vector<std::string>& items) {
    std::string joined;
    for (const std::string& item : items)
        joined += (joined.empty() ? "" : " ") + Quoted(item);
    return joined.empty() ? "(none)" : joined;
}

} // namespace automation
} // namespace qelvo
