// The settings store's registry on Windows: HKEY_LOCAL_MACHINE, values of the string type.
#include "foundation/settings.h"

#include <windows.h>

namespace qelvo {

namespace {

class Win32Registry : public SettingsRegistry {
public:
    bool Write(const char* key, const char* name, const char* data, size_t size) override {
        HKEY handle;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_WRITE, &handle) != ERROR_SUCCESS &&
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_WRITE, nullptr, &handle, nullptr) != ERROR_SUCCESS)
            return false;
        LONG result = RegSetValueExA(handle, name, 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(data),
                                     static_cast<DWORD>(size));
        RegCloseKey(handle);
        return result == ERROR_SUCCESS;
    }

    bool Read(const char* key, const char* name, char* buffer, size_t capacity,
              size_t& size) override {
        HKEY handle;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
            return false;
        DWORD type = 0;
        DWORD length = static_cast<DWORD>(capacity);
        LONG result = RegQueryValueExA(handle, name, nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer), &length);
        RegCloseKey(handle);
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
