// The plan of commands posted to the add-on window, and the part that carries out each.
#pragma once

#include <windows.h>

namespace qelvo {

struct CommandRoute {
    UINT first, last;
    const char* owner; // what the command does, and whose it is
    // Carries the command out; null while its owner is not built, or when it does nothing.
    void (*handle)(UINT command, LPARAM lParam);
};

// The routes, ended by an entry whose first command is 0.
extern const CommandRoute kCommandRoutes[];

const CommandRoute* FindRoute(UINT command);
// Collapses the bar (except for 111) and carries the command out.
void RouteCommand(UINT command, LPARAM lParam);

} // namespace qelvo
