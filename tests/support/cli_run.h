// The qelvo tool run as a program by the command-line tests (POSIX: through the shell).
#pragma once

#include "temp_dir.h"

#include <string>

namespace qelvo {
namespace testing_support {

struct ToolRun {
    int status = -1; // the exit status; -1 when it ended by a signal
    std::string out; // stdout
    std::string err; // stderr
};

// Runs `qelvo ARGUMENTS` (quoted for the shell) with its stderr kept in scratch. before, when
// given, is shell text put in front of the program ("ulimit -f 2; exec", "timeout 60").
ToolRun Qelvo(const std::string& arguments, const TempDir& scratch,
              const std::string& before = std::string());

// An engine path quoted for the shell, and as the tool shows it.
std::string Quoted(const std::string& enginePath);
std::string Shown(const std::string& enginePath);

} // namespace testing_support
} // namespace qelvo
