// What the end-to-end sessions share: the add-on's registry key in the stand-in IDE, values
// written under it, Windows paths, script transcripts as text, project options as the stand-in's
// project file writes them, and the MAPI stand-in's outbox.
#pragma once

#include "platform/platform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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

// A project option holding a text: its type prefix ('+' a text, '~' a path), the text and its
// terminator, in hexadecimal.
inline std::string TextOption(const std::string& name, const std::string& text, char prefix = '+') {
    std::string hex;
    char two[3];
    for (char c : prefix + text + '\0') {
        std::snprintf(two, sizeof two, "%02X", static_cast<unsigned char>(c));
        hex += two;
    }
    return "  Option \"" + name + "\" " + std::to_string(text.size() + 2) + " " + hex + "\n";
}

// A project option holding a number below 256, four bytes low first.
inline std::string IntOption(const std::string& name, int value) {
    char hex[9];
    std::snprintf(hex, sizeof hex, "%02X000000", value & 0xFF);
    return "  Option \"" + name + "\" 4 " + hex + "\n";
}

// The .eml files of the MAPI stand-in's outbox, in name order.
inline std::vector<std::string> Outbox() {
    char folder[MAX_PATH] = "";
    GetEnvironmentVariableA("QELVO_MAIL_OUTBOX", folder, sizeof folder);
    std::vector<platform::DirEntry> entries;
    platform::ListDirectory((std::string(folder) + "\\*.eml").c_str(), false, entries);
    std::vector<std::string> files;
    for (const platform::DirEntry& e : entries)
        files.push_back(std::string(folder) + "\\" + e.name);
    std::sort(files.begin(), files.end());
    return files;
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
