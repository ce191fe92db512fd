// The add-on's only export: the IDE calls it with its services object to start the add-on and
// with 0 to stop it.
#include <windows.h>

extern "C" __declspec(dllexport) void __stdcall BcwAddOnEntry(void* services) {
    (void)services;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
