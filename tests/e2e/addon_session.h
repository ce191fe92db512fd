// What the end-to-end sessions share: the add-on's registry key in the stand-in IDE, values
// written under it, Windows paths and script transcripts as text.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qelvo {
namespace automation {

inline constexpr char kAddonKey[] = "SOFTWARE\\Borland\\Borland C++\\5.0\\Ide\\AddOns\\Qelvoadd";

inline std::string WinPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// Writes a text value under HKEY_LOCAL_MACHINE, creating the key.
inline void SetValue(const std::string& key, const char* name, const std::string& value) {
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &opened, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(opened);
}

// A script's transcript, one line each.
inline std::string Text(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// The add-on registered for the IDE from the build's DLL, the registry key emptied first; the
// key is removed and the current directory put back when it goes.
struct RegisteredAddon {
    explicit RegisteredAddon(const std::string& dll) {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kAddonKey);
        SetValue(kAddonKey, "Enabled", "Yes");
        SetValue(kAddonKey, "Path", WinPath(dll));
        GetCurrentDirectoryA(sizeof previous, previous);
    }
    ~RegisteredAddon() {
        SetCurrentDirectoryA(previous);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kAddonKey);
    }
    RegisteredAddon(const RegisteredAddon&) = delete;
    RegisteredAddon& operator=(const RegisteredAddon&) = delete;
    char previous[MAX_PATH] = {0};
};

} // namespace automation
} // namespace qelvo
