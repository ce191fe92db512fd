// The DLL's entry points: process attach and detach, and BcwAddOnEntry, which starts the add-on
// with the IDE's services object and stops it with 0 (the sequences are in lifecycle.cpp). No
// exception crosses into the IDE.
#include "addon/lifecycle.h"
#include "addon/shell/addon_window.h"
#include "addon/shell/hooks.h"
#include "addon/shell/option_pages.h"
#include "automation/shell/ide_windows_win32.h"
#include "core/globals.h"
#include "core/system_description.h"
#include "delivery/shell/delivery_run.h"
#include "foundation/settings.h"
#include "tasks/shell/task_commands.h"

#include <windows.h>
#include <ole2.h>

#include <cstring>
#include <new>
#include <string>

namespace qelvo {

namespace {

HINSTANCE Instance() { return static_cast<HINSTANCE>(Environment->instance); }

class Win32Shell final : public AddonShell {
public:
    void DescribeSystem(AddonEnvironment& environment) override {
        OSVERSIONINFOA info = {};
        info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        if (!GetVersionExA(&info))
            return;
#pragma GCC diagnostic pop
        OsPlatform platform = static_cast<OsPlatform>(info.dwPlatformId);
        int major = static_cast<int>(info.dwMajorVersion);
        std::string text = OsText(platform, major, static_cast<int>(info.dwMinorVersion));
        std::strncpy(environment.osText, text.c_str(), sizeof environment.osText - 1);
        environment.newShell = IsNewShell(platform, major) ? 1 : 0;
    }
    bool InitializeOle() override { return SUCCEEDED(OleInitialize(nullptr)); }
    void UninitializeOle() override { OleUninitialize(); }
    void* CreateBar(bool newShell) override {
        RegisterAddonClass(Instance());
        InstallIdeWindows(); // the general automation's single-instance check needs it
        return CreateAddonWindow(Instance(), newShell);
    }
    void ShowBar(void* window) override {
        ShowWindow(static_cast<HWND>(window), SW_SHOWNOACTIVATE);
    }
    void DestroyBar(void* window) override {
        DestroyAddonWindow(static_cast<HWND>(window));
        UnregisterAddonClass(Instance());
        RemoveIdeWindows();
    }
    void CreateHooks(void* window) override {
        try {
            hooks_ = new HookSet(static_cast<HWND>(window), Instance());
        } catch (...) {
            hooks_ = nullptr; // the add-on goes on without its hooks
        }
    }
    void DeleteHooks() override {
        delete hooks_;
        hooks_ = nullptr;
    }

private:
    HookSet* hooks_ = nullptr;
};

Win32Shell shell;

} // namespace
} // namespace qelvo

extern "C" __declspec(dllexport) void __stdcall BcwAddOnEntry(void* services) {
    try {
        if (services) {
            qelvo::InstallDeliveryRunner();
            qelvo::InstallTaskShell();
            qelvo::InstallOptionPages();
            qelvo::StartAddon(static_cast<qelvo::ide::IdeServices*>(services), qelvo::shell);
        } else {
            qelvo::StopAddon(qelvo::shell);
        }
    } catch (...) {
        // Nothing may unwind into the IDE; what was made stays, and the stop deletes it.
    }
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    using namespace qelvo;
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        Environment = new (std::nothrow) AddonEnvironment;
        if (!Environment)
            return FALSE;
        Environment->instance = instance;
        RegistryPath.Set(kAddonKey);
        shell.DescribeSystem(*Environment);
        break;
    case DLL_PROCESS_DETACH:
        delete Environment;
        Environment = nullptr;
        break;
    default:
        break;
    }
    return TRUE;
}
