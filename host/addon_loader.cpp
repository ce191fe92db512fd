#include "addon_loader.h"

#include "platform/platform.h"

#include <windows.h>

namespace qelvo {
namespace host {

namespace {
// A value of the key as text; false when it is missing or not text.
bool ReadText(HKEY key, const char* name, std::string& out) {
    char buffer[MAX_PATH * 2] = {0};
    DWORD type = 0, size = sizeof buffer - 1;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    buffer[size < sizeof buffer ? size : sizeof buffer - 1] = 0;
    out = buffer;
    return true;
}

bool IsYes(const std::string& text) {
    return lstrcmpiA(text.c_str(), "Yes") == 0;
}

void Report(const std::string& text) {
    platform::ShowMessage(text.c_str(), kHostTitle, platform::kMbOk | platform::kMbIconStop);
}
} // namespace

int AddOnLoader::Startup() {
    win32::UniqueKey addOns;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAddOnsKey, 0, KEY_READ, addOns.put()) != ERROR_SUCCESS)
        return 0;
    std::vector<std::string> names;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(addOns.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.push_back(name);
    }
    int started = 0;
    for (const std::string& keyName : names) {
        win32::UniqueKey key;
        if (RegOpenKeyExA(addOns.get(), keyName.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
            continue;
        std::string enabled, path;
        bool wanted = ReadText(key.get(), "Enabled", enabled) && IsYes(enabled);
        bool hasPath = ReadText(key.get(), "Path", path) && !path.empty();
        if (!wanted) continue;
        if (!hasPath) {
            Report("Add-on " + keyName + ": its registry key has no Path.");
            continue;
        }
        if (Load(keyName, path)) ++started;
    }
    return started;
}

bool AddOnLoader::Load(const std::string& key, const std::string& path) {
    win32::UniqueLibrary module(LoadLibraryA(path.c_str()));
    if (!module) {
        Report("Add-on " + key + ": " + path + " cannot be loaded.");
        return false;
    }
    FARPROC found = GetProcAddress(module.get(), ide::kAddOnEntryName);
    if (!found) {
        Report("Add-on " + key + ": " + path + " has no " + ide::kAddOnEntryName + ".");
        return false;
    }
    ide::AddOnEntryFunction entry =
        reinterpret_cast<ide::AddOnEntryFunction>(reinterpret_cast<void (*)()>(found));
    addOns_.push_back(LoadedAddOn{key, path, module.get(), entry});
    modules_.push_back(std::move(module));
    entry(ide_.Services());
    return true;
}

void AddOnLoader::Shutdown() {
    if (addOns_.empty()) return;
    for (auto addOn = addOns_.rbegin(); addOn != addOns_.rend(); ++addOn)
        addOn->entry(nullptr);
    ide_.DropAddOnObjects();
    // Unloaded in reverse order too.
    while (!modules_.empty())
        modules_.pop_back();
    addOns_.clear();
}

} // namespace host
} // namespace qelvo
