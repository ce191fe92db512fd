// Loading add-ons as the IDE does: every sub-key of the AddOns key whose "Enabled" value is
// "Yes" names a DLL ("Path") that is loaded and started with BcwAddOnEntry(services); at exit
// each gets BcwAddOnEntry(0), the IDE lets go of what they left with it, and the DLLs are
// unloaded. Windows only.
#pragma once

#include "stand_in_ide.h"
#include "win32/handles.h"

#include <string>
#include <vector>

namespace qelvo {
namespace host {

// Below HKEY_LOCAL_MACHINE.
constexpr char kAddOnsKey[] = "SOFTWARE\\Borland\\Borland C++\\5.0\\Ide\\AddOns";

struct LoadedAddOn {
    std::string key;  // the sub-key's name
    std::string path; // the DLL
    void* module;     // its HMODULE, owned by the loader
    ide::AddOnEntryFunction entry;
};

class AddOnLoader {
public:
    explicit AddOnLoader(StandInIde& ide) : ide_(ide) {}
    ~AddOnLoader() { Shutdown(); }
    AddOnLoader(const AddOnLoader&) = delete;
    AddOnLoader& operator=(const AddOnLoader&) = delete;

    // Loads and starts the enabled add-ons in the order of their sub-keys. A DLL that cannot
    // be loaded or has no BcwAddOnEntry is reported through the platform's message sink and
    // skipped. Answers the number started.
    int Startup();
    // Stops the add-ons (the last started first), lets go of their objects, unloads them.
    void Shutdown();

    const std::vector<LoadedAddOn>& AddOns() const { return addOns_; }

private:
    bool Load(const std::string& key, const std::string& path);

    StandInIde& ide_;
    std::vector<LoadedAddOn> addOns_;
    std::vector<win32::UniqueLibrary> modules_; // in the order of addOns_
};

} // namespace host
} // namespace qelvo
