#include "topbar/topbar_shell.h"

namespace qelvo {

namespace {
TopBarShell* installed = nullptr;
} // namespace

TopBarShell* SetTopBarShell(TopBarShell* shell) {
    TopBarShell* previous = installed;
    installed = shell;
    return previous;
}

TopBarShell* CurrentTopBarShell() { return installed; }

} // namespace qelvo
