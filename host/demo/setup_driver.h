// Drives the real setup.exe from outside: starts it as its own process, finds its dialog and
// message boxes among the desktop's windows, presses buttons by posted WM_COMMAND, sets and
// reads edits and the list box through messages (marshalled between the processes). Used by
// the installer's tests and by the demo's install_addon.
#pragma once

#include "win32/handles.h"

#include <windows.h>

#include <string>
#include <vector>

namespace qelvo {
namespace setup_driver {

// Files beside the running program ("setup.exe", "payload\Qelvoadd.dll"...).
std::string BesideProgram(const std::string& name);
std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);

// One setup process. Ended by its handle when the test leaves it running.
class SetupProcess {
public:
    SetupProcess() = default;
    ~SetupProcess();
    SetupProcess(const SetupProcess&) = delete;
    SetupProcess& operator=(const SetupProcess&) = delete;

    bool Start(const std::string& program, const std::string& currentDirectory);
    DWORD id() const { return info_.dwProcessId; }
    // True when the process ended within the time; its exit code then.
    bool WaitExit(DWORD milliseconds, DWORD* exitCode = nullptr);
    bool Running();

private:
    PROCESS_INFORMATION info_{};
};

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string text;
    std::string title;
    HWND owner = nullptr;
};

// The installation dialog of the process (class "#32770" holding button 104), or null when
// none appears within the time. `other` is skipped (to wait for a new dialog).
HWND WaitDialog(DWORD processId, DWORD milliseconds = 10000, HWND other = nullptr);
// A message box of the process (a "#32770" with the static 0xFFFF and no button 104).
MessageBoxSeen WaitMessageBox(DWORD processId, DWORD milliseconds = 10000);
bool AnyMessageBox(DWORD processId);
// Presses a button of a dialog or message box.
void Press(HWND dialog, int id);

std::string Text(HWND window);
std::string ItemText(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const std::string& text);
std::vector<std::string> ListLines(HWND dialog, int id);

// Polls until the condition holds or the time is up; pumps the calling thread's messages.
template <class Condition> bool WaitUntil(Condition condition, DWORD milliseconds = 10000) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > milliseconds) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(20);
    }
}

// The add-on's registry key below HKEY_LOCAL_MACHINE.
extern const char kAddonKey[];
void DeleteAddonKey();
// A string value: its type and raw bytes (terminator included); false when missing.
bool ReadRegistryValue(const char* name, DWORD& type, std::string& bytes);

// A top-level window of this process (the IDE's frame class, or the registry editor's title),
// destroyed with the object: what the installer must find running.
class TestWindow {
public:
    TestWindow(const char* className, const char* title);
    HWND get() const { return window_.get(); }

private:
    win32::UniqueWindow window_;
};

} // namespace setup_driver
} // namespace qelvo
