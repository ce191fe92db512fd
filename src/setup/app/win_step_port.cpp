#include "win_step_port.h"

#include "win32/handles.h"

#include <cstring>

namespace qelvo {
namespace setup {

bool WinStepPort::WindowOfClassExists(const char* className) {
    return ::FindWindowA(className, nullptr) != nullptr;
}

bool WinStepPort::WindowTitledExists(const char* title) {
    return ::FindWindowA(nullptr, title) != nullptr;
}

int WinStepPort::ReadDialogResource(const std::string& dll, int id,
                                    std::vector<unsigned char>& bytes) {
    // As a data file: the IDE's resource DLL is only read, never run.
    win32::UniqueLibrary library(::LoadLibraryExA(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!library.get()) return kVersionNoLibrary;
    HRSRC found = ::FindResourceA(library.get(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    if (!found) return kVersionNoDialog;
    HGLOBAL loaded = ::LoadResource(library.get(), found);
    if (!loaded) return kVersionNotLoaded;
    const void* locked = ::LockResource(loaded);
    if (!locked) return kVersionNotLocked;
    DWORD size = ::SizeofResource(library.get(), found);
    const unsigned char* start = static_cast<const unsigned char*>(locked);
    bytes.assign(start, start + size);
    return kVersionReadOk;
}

bool WinStepPort::FindPayload(const char* name) {
    payload_ = ::FindResourceA(instance_, name, MAKEINTRESOURCEA(10));
    payloadData_ = nullptr;
    return payload_ != nullptr;
}

bool WinStepPort::LoadPayload() {
    payloadData_ = payload_ ? ::LoadResource(instance_, payload_) : nullptr;
    return payloadData_ != nullptr;
}

bool WinStepPort::LockPayload(const unsigned char*& data, size_t& size) {
    const void* locked = payloadData_ ? ::LockResource(payloadData_) : nullptr;
    if (!locked) return false;
    data = static_cast<const unsigned char*>(locked);
    size = ::SizeofResource(instance_, payload_);
    return true;
}

bool WinStepPort::SetRegistryText(const char* key, const char* name, const char* text) {
    win32::UniqueKey opened;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_WRITE, nullptr, opened.put(),
                          nullptr) != ERROR_SUCCESS)
        return false;
    // The terminating zero is part of the value.
    DWORD size = DWORD(std::strlen(text) + 1);
    return ::RegSetValueExA(opened.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                            size) == ERROR_SUCCESS;
}

} // namespace setup
} // namespace qelvo
