// The IDE's version as its about dialog states it: the dialog resource is read as 16-bit
// characters and searched for "Version " followed by the version text.
#pragma once

#include <cstddef>
#include <string>

namespace qelvo {
namespace setup {

// The low byte of each of the first (size / 2 - 1) characters of the resource forms a byte
// string; the first position below size / 2 - 8 where "Version " is followed by a non-empty
// text gives the version, up to the next zero character (or the end of that string). False
// when there is no such position.
bool FindVersionText(const unsigned char* data, size_t size, std::string& version);

} // namespace setup
} // namespace qelvo
