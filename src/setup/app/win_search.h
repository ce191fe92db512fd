// The real file system for the search of the IDE directory.
#pragma once

#include "setup/ide_search.h"

namespace qelvo {
namespace setup {

class WinSearchFileSystem : public SearchFileSystem {
public:
    std::string CurrentDirectory() override;
    std::string PathVariable() override;
    bool FileExists(const std::string& path) override;
    bool List(const std::string& pattern, std::vector<SearchEntry>& out) override;
};

} // namespace setup
} // namespace qelvo
