// A StepPort for the engine tests: windows, the IDE's dialog resource, the payload and the
// registry are scripted; target files are real files (FileTargetPort) unless a write is made
// to come up short. Every block written is recorded.
#pragma once

#include "setup/install_steps.h"

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace qelvo {
namespace setup {
namespace testing {

class FakePort : public FileTargetPort {
public:
    ~FakePort() = default;

    void* Owner() override { return owner; }
    bool WindowOfClassExists(const char* className) override {
        return classes.count(className) != 0;
    }
    bool WindowTitledExists(const char* title) override { return titles.count(title) != 0; }
    int ReadDialogResource(const std::string& dll, int id,
                           std::vector<unsigned char>& bytes) override {
        askedDll = dll;
        askedId = id;
        if (versionResult == kVersionReadOk) bytes = dialog;
        return versionResult;
    }
    bool FindPayload(const char* name) override {
        found = payloads.find(name);
        return found != payloads.end();
    }
    bool LoadPayload() override { return !failLoad; }
    bool LockPayload(const unsigned char*& data, size_t& size) override {
        if (failLock) return false;
        data = reinterpret_cast<const unsigned char*>(found->second.data());
        size = found->second.size();
        return true;
    }
    size_t Write(const unsigned char* data, size_t size) override {
        blocks.push_back(size);
        if (blocks.size() == shortWrite) return FileTargetPort::Write(data, size / 2);
        return FileTargetPort::Write(data, size);
    }
    bool SetRegistryText(const char* key, const char* name, const char* text) override {
        registry.emplace_back(key, name, text);
        return int(registry.size()) != failRegistryAt;
    }

    // The dialog resource bytes of an about box stating `version` (16-bit characters).
    static std::vector<unsigned char> AboutBox(const std::string& version) {
        std::string text =
            std::string("\0\0About\0Borland C++\0", 20) + version + std::string("\0OK\0\0", 5);
        std::vector<unsigned char> bytes;
        for (char c : text) {
            bytes.push_back(static_cast<unsigned char>(c));
            bytes.push_back(0);
        }
        return bytes;
    }

    void* owner = reinterpret_cast<void*>(0x1234);
    std::set<std::string> classes, titles;
    int versionResult = kVersionReadOk;
    std::vector<unsigned char> dialog = AboutBox("Version 5.02");
    std::string askedDll;
    int askedId = 0;
    std::map<std::string, std::string> payloads;
    std::map<std::string, std::string>::iterator found;
    bool failLoad = false, failLock = false;
    std::vector<size_t> blocks;
    size_t shortWrite = 0; // 1-based index of the block written short; 0: none
    std::vector<std::tuple<std::string, std::string, std::string>> registry;
    int failRegistryAt = 0; // 1-based index of the value that cannot be written; 0: none
};

struct ProgressRecorder : SubActionSink {
    void ShowSubAction(const char* label) override { labels.push_back(label); }
    std::vector<std::string> labels;
};

} // namespace testing
} // namespace setup
} // namespace qelvo
