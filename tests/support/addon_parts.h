// The add-on's parts for a test: the chosen ones made as the start sequence makes them and
// deleted as the stop sequence does, with the core's globals (environment, services, the bar's
// window) set for as long as they live. The shell's steps (the bar window, the hooks) stay the
// test's own.
#pragma once

#include "addon/lifecycle.h"
#include "core/globals.h"

namespace qelvo {
namespace testing_support {

class AddonParts {
public:
    AddonParts(unsigned parts, ide::IdeServices* services, void* window = nullptr,
               bool newShell = true);
    ~AddonParts();
    AddonParts(const AddonParts&) = delete;
    AddonParts& operator=(const AddonParts&) = delete;

    AddonEnvironment environment;

private:
    unsigned parts_;
};

} // namespace testing_support
} // namespace qelvo
