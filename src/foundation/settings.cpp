#include "foundation/settings.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace qelvo {

const char* const kAddonKey = "SOFTWARE\\Borland\\Borland C++\\5.0\\Ide\\AddOns\\Qelvoadd";
TextHolder RegistryPath;

namespace {

SettingsRegistry* current = nullptr;

SettingsRegistry& Registry() { return current ? *current : SystemSettingsRegistry(); }

std::string GroupKey(const char* group) {
    const char* base = RegistryPath.Get() ? RegistryPath.Get() : kAddonKey;
    return std::string(base) + "\\" + (group ? group : "");
}

// Reads a value as the store does: a zero-filled buffer of 2000 bytes whose value's last byte
// becomes the terminator.
bool ReadValue(const char* group, const char* name, char (&buffer)[kRegistryValueBuffer]) {
    std::memset(buffer, 0, sizeof buffer);
    size_t size = 0;
    if (!Registry().Read(GroupKey(group).c_str(), name, buffer, sizeof buffer, size))
        return false;
    if (size > 0)
        buffer[size - 1] = 0;
    buffer[kRegistryValueBuffer - 1] = 0;
    return true;
}

bool ParseInt(const char* text, int& value) { return std::sscanf(text, "%d", &value) == 1; }

} // namespace

SettingsRegistry* SetSettingsRegistry(SettingsRegistry* registry) {
    SettingsRegistry* previous = current;
    current = registry;
    return previous;
}

bool WriteText(const char* group, const char* name, const char* text) {
    if (!text)
        text = "";
    return Registry().Write(GroupKey(group).c_str(), name, text, std::strlen(text) + 1);
}

bool ReadText(const char* group, const char* name, char* out, size_t outSize,
              const char* defaultText) {
    char buffer[kRegistryValueBuffer];
    const char* found = ReadValue(group, name, buffer) ? buffer : defaultText;
    if (!found)
        return false;
    if (out && outSize > 0)
        CopyText(out, found, outSize > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(outSize));
    return true;
}

bool ReadText(const char* group, const char* name, String& out, const char* defaultText) {
    char buffer[kRegistryValueBuffer];
    const char* found = ReadValue(group, name, buffer) ? buffer : defaultText;
    if (!found)
        return false;
    out = found;
    return true;
}

void WriteInt(const char* group, const char* name, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    WriteText(group, name, text);
}

int ReadInt(const char* group, const char* name, int defaultValue) {
    char buffer[kRegistryValueBuffer];
    int value = defaultValue;
    if (ReadValue(group, name, buffer) && !ParseInt(buffer, value))
        value = defaultValue; // a text that does not begin with a number keeps the default
    return value;
}

#ifndef _WIN32
namespace {
// Without a registry the settings live for the process only.
class ProcessRegistry : public SettingsRegistry {
public:
    bool Write(const char* key, const char* name, const char* data, size_t size) override {
        values_[std::string(key) + '\n' + name] = std::string(data, size);
        return true;
    }
    bool Read(const char* key, const char* name, char* buffer, size_t capacity,
              size_t& size) override {
        auto it = values_.find(std::string(key) + '\n' + name);
        if (it == values_.end() || it->second.size() > capacity)
            return false;
        std::memcpy(buffer, it->second.data(), it->second.size());
        size = it->second.size();
        return true;
    }

private:
    std::map<std::string, std::string> values_;
};
} // namespace

SettingsRegistry& SystemSettingsRegistry() {
    static ProcessRegistry registry;
    return registry;
}
#endif

} // namespace qelvo
