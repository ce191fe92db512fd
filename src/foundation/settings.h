// The settings store. Machine-wide settings are text values in the registry, one key per group
// below the add-on's key; per-project settings are options of the project's top node.
#pragma once

#include "foundation/qstring.h"
#include "foundation/text_utils.h"

#include <cstddef>

namespace qelvo {

// The add-on's key below HKEY_LOCAL_MACHINE.
extern const char* const kAddonKey;
// Set at process attach to kAddonKey; every registry access goes below it.
extern TextHolder RegistryPath;

// The registry as the settings store sees it: keys by path below HKEY_LOCAL_MACHINE, values as
// bytes of the string type. Windows uses the real registry; tests and the POSIX build an
// in-memory one.
class SettingsRegistry {
public:
    // Opens the key, or creates it when it does not exist, and writes the value; false when
    // neither works or the write fails.
    virtual bool Write(const char* key, const char* name, const char* data, size_t size) = 0;
    // Reads the value into buffer when it exists and fits in capacity bytes (size receives its
    // length); false when the key or the value is missing or the value is larger.
    virtual bool Read(const char* key, const char* name, char* buffer, size_t capacity,
                      size_t& size) = 0;

protected:
    ~SettingsRegistry() = default;
};

// Installs the registry the store uses and gives the previous one; null puts the system's back.
SettingsRegistry* SetSettingsRegistry(SettingsRegistry* registry);
SettingsRegistry& SystemSettingsRegistry();

// Size of the buffer a value is read into; a longer value counts as missing.
constexpr size_t kRegistryValueBuffer = 2000;

bool WriteText(const char* group, const char* name, const char* text);
// Copies the value, at most outSize - 1 characters, to out; the default when it is missing.
// False only when nothing was found and no default was given (out is then left alone).
bool ReadText(const char* group, const char* name, char* out, size_t outSize,
              const char* defaultText);
bool ReadText(const char* group, const char* name, String& out, const char* defaultText);
void WriteInt(const char* group, const char* name, int value);
// The value read as "%d"; the default when it is missing or does not begin with a number.
int ReadInt(const char* group, const char* name, int defaultValue);

} // namespace qelvo
