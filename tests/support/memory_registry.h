// An in-memory registry for the settings store, with the Windows registry's rules: a value that
// does not fit the reader's buffer is not read. Installed for its lifetime.
#pragma once

#include "foundation/settings.h"

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace qelvo {
namespace testing_support {

class MemoryRegistry final : public SettingsRegistry {
public:
    MemoryRegistry() { previous_ = SetSettingsRegistry(this); }
    ~MemoryRegistry() { SetSettingsRegistry(previous_); }
    MemoryRegistry(const MemoryRegistry&) = delete;
    MemoryRegistry& operator=(const MemoryRegistry&) = delete;

    bool Write(const char* key, const char* name, const char* data, size_t size) override {
        ++writes;
        writeLog.push_back(Key(key, name));
        if (failWrites)
            return false;
        values[Key(key, name)] = std::string(data, size);
        return true;
    }
    bool Read(const char* key, const char* name, char* buffer, size_t capacity,
              size_t& size) override {
        auto it = values.find(Key(key, name));
        if (it == values.end() || it->second.size() > capacity)
            return false;
        std::memcpy(buffer, it->second.data(), it->second.size());
        size = it->second.size();
        return true;
    }

    static std::string Key(const char* key, const char* name) {
        return std::string(key) + "|" + name;
    }

    std::map<std::string, std::string> values;
    int writes = 0;
    std::vector<std::string> writeLog; // "key|name" of every write, in order
    bool failWrites = false;

private:
    SettingsRegistry* previous_;
};

} // namespace testing_support
} // namespace qelvo
