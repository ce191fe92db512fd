#include "setup/setup_paths.h"

#include <cstring>

namespace qelvo {
namespace setup {

std::string DeriveAddonDirectory(const std::string& ideDirectory) {
    size_t slash = ideDirectory.rfind('\\');
    std::string head =
        slash == std::string::npos ? std::string() : ideDirectory.substr(0, slash + 1);
    return head + "QELVO";
}

void CopyBounded(char* buffer, size_t capacity, const std::string& text) {
    if (capacity == 0) return;
    size_t n = text.size() < capacity - 1 ? text.size() : capacity - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

} // namespace setup
} // namespace qelvo
