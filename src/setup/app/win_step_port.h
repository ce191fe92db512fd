// The steps' access to Windows: other programs' windows, the IDE's resource DLL read as data,
// the installer's own raw-data resources and the registry.
#pragma once

#include "setup/install_steps.h"

#include <windows.h>

namespace qelvo {
namespace setup {

class WinStepPort : public FileTargetPort {
public:
    explicit WinStepPort(HINSTANCE instance) : instance_(instance) {}
    ~WinStepPort() = default;

    void SetOwner(HWND owner) { owner_ = owner; }

    void* Owner() override { return owner_; }
    bool WindowOfClassExists(const char* className) override;
    bool WindowTitledExists(const char* title) override;
    int ReadDialogResource(const std::string& dll, int id,
                           std::vector<unsigned char>& bytes) override;
    bool FindPayload(const char* name) override;
    bool LoadPayload() override;
    bool LockPayload(const unsigned char*& data, size_t& size) override;
    bool SetRegistryText(const char* key, const char* name, const char* text) override;

private:
    HINSTANCE instance_;
    HWND owner_ = nullptr;
    HRSRC payload_ = nullptr;
    HGLOBAL payloadData_ = nullptr;
};

} // namespace setup
} // namespace qelvo
