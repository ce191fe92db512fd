// What the HTML tests share: sources laid out in folders, the pages read back with LF line ends
// whatever the system, the page names of a folder and the targets a page links to.
#pragma once

#include "temp_dir.h"

#include <set>
#include <string>
#include <vector>

namespace qelvo {
namespace html_testing {

// Writes each "folder\name" source below dir, making its folders.
void WriteSources(const testing_support::TempDir& dir,
                  const std::vector<std::pair<std::string, std::string>>& sources);
// A page of dir's qHTML folder, CR LF read as LF; empty when it is not there.
std::string Page(const testing_support::TempDir& dir, const std::string& name);
bool PageExists(const testing_support::TempDir& dir, const std::string& name);
// The names of the files in a folder.
std::set<std::string> FilesIn(const std::string& folder);
// Every href target of a page in order, then every src target.
std::vector<std::string> LinkTargets(const std::string& page);

} // namespace html_testing
} // namespace qelvo
