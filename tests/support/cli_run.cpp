#include "cli_run.h"

#include "platform/platform.h"

#include <cstdio>
#include <sys/wait.h>

namespace qelvo {
namespace testing_support {

ToolRun Qelvo(const std::string& arguments, const TempDir& scratch, const std::string& before) {
    std::string errors = platform::NativePath(scratch.File("stderr.txt").c_str());
    std::string command = before + (before.empty() ? "'" : " '") + QELVO_CLI_PATH + "' " +
                          arguments + " 2>'" + errors + "'";
    ToolRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = scratch.Read("stderr.txt");
    platform::RemoveFile(scratch.File("stderr.txt").c_str());
    return run;
}

std::string Quoted(const std::string& enginePath) {
    return "'" + platform::NativePath(enginePath.c_str()) + "'";
}

std::string Shown(const std::string& enginePath) {
    return platform::NativePath(enginePath.c_str());
}

} // namespace testing_support
} // namespace qelvo
