#include "addon_parts.h"

namespace qelvo {
namespace testing_support {

AddonParts::AddonParts(unsigned parts, ide::IdeServices* services, void* window, bool newShell)
    : parts_(parts) {
    environment.newShell = newShell ? 1 : 0;
    Environment = &environment;
    Services = services;
    AddonWindow = window;
    CreateParts(parts, services, window, newShell);
}

AddonParts::~AddonParts() {
    DeleteParts(parts_);
    AddonWindow = nullptr;
    Services = nullptr;
    Environment = nullptr;
}

} // namespace testing_support
} // namespace qelvo
