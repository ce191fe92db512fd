// A fresh directory for one test, removed with everything in it at the end. Its path is in the
// engine's form ('\' separators), so tests write paths as the engine does on every target.
#pragma once

#include "platform/platform.h"

#include <string>

namespace qelvo {
namespace testing_support {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // path() + "\" + name
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    // Writes bytes to a file below the directory (binary) and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

private:
    std::string path_;
};

void RemoveTree(const std::string& path);
std::string ReadWholeFile(const std::string& path);

} // namespace testing_support
} // namespace qelvo
