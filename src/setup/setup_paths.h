// Where the add-on goes by default: beside the IDE's BIN directory.
#pragma once

#include <string>

namespace qelvo {
namespace setup {

// Everything of the IDE directory up to and including its last backslash (nothing when there
// is none), followed by "QELVO": "C:\BC5\BIN" gives "C:\BC5\QELVO", "C:\BC5\BIN\" gives
// "C:\BC5\BIN\QELVO", "BIN" gives "QELVO".
std::string DeriveAddonDirectory(const std::string& ideDirectory);

// Copies text into a fixed buffer of `capacity` bytes (terminator included), cutting it short
// when it does not fit, as the installer's 256-character directory buffers require.
void CopyBounded(char* buffer, size_t capacity, const std::string& text);

} // namespace setup
} // namespace qelvo
