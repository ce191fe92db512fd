// A DLL that is no add-on: it exports something, but not BcwAddOnEntry.
#include <windows.h>

extern "C" __declspec(dllexport) int __stdcall SomethingElse(int value) {
    return value + 1;
}
