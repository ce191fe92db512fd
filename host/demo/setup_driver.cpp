#include "setup_driver.h"

#include <cstdio>
#include <cstring>

namespace qelvo {
namespace setup_driver {

const char kAddonKey[] = "SOFTWARE\\Borland\\Borland C++\\5.0\\Ide\\AddOns\\Qelvoadd";

std::string BesideProgram(const std::string& name) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir(path, n);
    return dir.substr(0, dir.rfind('\\') + 1) + name;
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return "<missing " + path + ">";
    char buffer[8192];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, n);
    std::fclose(f);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

SetupProcess::~SetupProcess() {
    if (info_.hProcess) {
        if (Running()) {
            TerminateProcess(info_.hProcess, 99);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
}

bool SetupProcess::Start(const std::string& program, const std::string& currentDirectory) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + program + "\"";
    return CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          currentDirectory.c_str(), &startup, &info_) != 0;
}

bool SetupProcess::WaitExit(DWORD milliseconds, DWORD* exitCode) {
    if (WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(info_.hProcess, exitCode);
    return true;
}

bool SetupProcess::Running() {
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

namespace {

struct Search {
    DWORD processId;
    bool wantDialog;
    HWND other;
    HWND found;
};

BOOL CALLBACK OnWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || window == search->other || !IsWindowVisible(window))
        return TRUE;
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, "#32770") != 0) return TRUE;
    bool isDialog = GetDlgItem(window, 104) != nullptr;
    bool isBox = !isDialog && GetDlgItem(window, 0xFFFF) != nullptr;
    if ((search->wantDialog && isDialog) || (!search->wantDialog && isBox)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindOne(DWORD processId, bool wantDialog, HWND other) {
    Search search{processId, wantDialog, other, nullptr};
    EnumWindows(OnWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

HWND WaitDialog(DWORD processId, DWORD milliseconds, HWND other) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindOne(processId, true, other)) != nullptr; }, milliseconds);
    return found;
}

bool AnyMessageBox(DWORD processId) {
    return FindOne(processId, false, nullptr) != nullptr;
}

MessageBoxSeen WaitMessageBox(DWORD processId, DWORD milliseconds) {
    MessageBoxSeen seen;
    WaitUntil([&] { return (seen.window = FindOne(processId, false, nullptr)) != nullptr; },
              milliseconds);
    if (seen.window) {
        seen.text = ItemText(seen.window, 0xFFFF);
        seen.title = Text(seen.window);
        seen.owner = GetWindow(seen.window, GW_OWNER);
    }
    return seen;
}

void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string Text(HWND window) {
    char text[1024] = "";
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_NORMAL, 5000, &length);
    return std::string(text, length < sizeof text ? length : 0);
}

std::string ItemText(HWND dialog, int id) {
    return Text(GetDlgItem(dialog, id));
}

void SetItemText(HWND dialog, int id, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::vector<std::string> ListLines(HWND dialog, int id) {
    // Asked as UTF-16: between processes Wine hands LB_GETTEXT's text back in the list box's
    // own (Unicode) form whatever the caller's, so the buffer is sized for that.
    HWND list = GetDlgItem(dialog, id);
    std::vector<std::string> lines;
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendMessageW(list, LB_GETTEXTLEN, WPARAM(i), 0);
        std::wstring wide(size_t(length > 0 ? length : 0) * 2 + 16, L'\0');
        LRESULT got = SendMessageW(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(&wide[0]));
        wide.resize(got > 0 ? size_t(got) : 0);
        std::string line;
        for (wchar_t c : wide)
            line += c < 0x80 ? char(c) : '?';
        lines.push_back(line);
    }
    return lines;
}

void DeleteAddonKey() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kAddonKey);
}

bool ReadRegistryValue(const char* name, DWORD& type, std::string& bytes) {
    win32::UniqueKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAddonKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return false;
    char data[1024];
    DWORD size = sizeof data;
    LONG status =
        RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    if (status != ERROR_SUCCESS) return false;
    bytes.assign(data, size);
    return true;
}

TestWindow::TestWindow(const char* className, const char* title) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc); // a second registration of the class fails harmlessly
    window_.reset(CreateWindowA(className, title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, wc.hInstance, nullptr));
}

} // namespace setup_driver
} // namespace qelvo
