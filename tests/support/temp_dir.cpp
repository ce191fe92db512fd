#include "temp_dir.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace qelvo {
namespace testing_support {

namespace {
std::string BaseDirectory() {
#ifdef _WIN32
    const char* base = std::getenv("TEMP");
    std::string result = base && *base ? base : "C:\\windows\\temp";
#else
    const char* base = std::getenv("TMPDIR");
    std::string result = base && *base ? base : "/tmp";
    for (char& c : result)
        if (c == '/')
            c = '\\';
#endif
    return result;
}
} // namespace

TempDir::TempDir() {
    static std::atomic<int> serial{0};
    static const unsigned long stamp = static_cast<unsigned long>(std::rand()) ^
                                       static_cast<unsigned long>(platform::NowUtc().second);
    for (int attempt = 0; attempt < 1000; ++attempt) {
        char name[96];
        std::snprintf(name, sizeof name, "\\qelvo-test-%lu-%d", stamp, serial++);
        path_ = BaseDirectory() + name;
        if (platform::MakeDirectory(path_.c_str()))
            return;
    }
    std::abort();
}

TempDir::~TempDir() { RemoveTree(path_); }

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
    std::string full = File(name);
    FILE* f = platform::OpenFile(full.c_str(), "wb");
    if (f) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    return full;
}

std::string TempDir::Read(const std::string& name) const { return ReadWholeFile(File(name)); }

std::string ReadWholeFile(const std::string& path) {
    std::string bytes;
    FILE* f = platform::OpenFile(path.c_str(), "rb");
    if (!f)
        return bytes;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, n);
    std::fclose(f);
    return bytes;
}

void RemoveTree(const std::string& path) {
    std::vector<platform::DirEntry> entries;
    platform::ListDirectory((path + "\\*").c_str(), true, entries);
    for (const platform::DirEntry& entry : entries) {
        if (entry.name == "." || entry.name == "..")
            continue;
        std::string child = path + "\\" + entry.name;
        if (entry.isDirectory) {
            RemoveTree(child);
        } else {
            platform::SetReadOnly(child.c_str(), false);
            platform::RemoveFile(child.c_str());
        }
    }
    platform::RemoveEmptyDirectory(path.c_str());
}

} // namespace testing_support
} // namespace qelvo
