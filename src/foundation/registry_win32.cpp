// The settings store's registry on Windows: HKEY_LOCAL_MACHINE, values of the string type.
#include "foundation/settings.h"
#include "win32/handles.h"

#include <windows.h>

namespace qelvo {

namespace {

class Win32Registry : public SettingsRegistry {
public:
    bool Write(const char* key, const char* name, const char* data, size_t size) override {
        win32::UniqueKey handle;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_WRITE, handle.put()) != ERROR_SUCCESS &&
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                            nullptr, handle.put(), nullptr) != ERROR_SUCCESS)
            return false;
        LONG result = RegSetValueExA(handle.get(), name, 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(data), static_cast<DWORD>(size));
        return result == ERROR_SUCCESS;
    }

    bool Read(const char* key, const char* name, char* buffer, size_t capacity,
              size_t& size) override {
        win32::UniqueKey handle;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, handle.put()) != ERROR_SUCCESS)
            return false;
        DWORD type = 0;
        DWORD length = static_cast<DWORD>(capacity);
        LONG result = RegQueryValueExA(handle.get(), name, nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer), &length);
        if (result != ERROR_SUCCESS) // ERROR_MORE_DATA: too long, counts as missing
            return false;
        size = length;
        return true;
    }
};

} // namespace

SettingsRegistry& SystemSettingsRegistry() {
    static Win32Registry registry;
    return registry;
}

} // namespace qelvo
