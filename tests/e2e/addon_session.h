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

} // namespace automation
} // namespace qelvo
