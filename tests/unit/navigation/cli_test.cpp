// qelvo symbols and qelvo includes, run as a program on files of the test's own.
#include "platform/platform.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

using qelvo::testing_support::TempDir;

namespace {

struct ToolRun {
    int status = -1;
    std::string out, err;
};

ToolRun Qelvo(const std::string& arguments, const TempDir& scratch) {
    std::string errors = qelvo::platform::NativePath(scratch.File("stderr.txt").c_str());
    std::string command =
        std::string("'") + QELVO_CLI_PATH + "' " + arguments + " 2>'" + errors + "'";
    ToolRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = qelvo::testing_support::ReadWholeFile(scratch.File("stderr.txt"));
    return run;
}

std::string Quoted(const std::string& enginePath) {
    return "'" + qelvo::platform::NativePath(enginePath.c_str()) + "'";
}

const char kSource[] = "#include <stdio.h>\r\n"
                       "#include \"app.h\"\r\n"
                       "void b()\r\n"
                       "void A::x(int)\r\n"
                       "int a(void)\r\n";

} // namespace

TEST(NavigationCli, SymbolsInFileOrderAndSorted) {
    TempDir scratch;
    std::string file = Quoted(scratch.Write("main.cpp", kSource));
    ToolRun run = Qelvo("symbols " + file, scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "3\t\tb\n4\tA\tx\n5\t\ta\n");
    run = Qelvo("symbols --sorted " + file, scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "5\t\ta\n3\t\tb\n4\tA\tx\n");
}

TEST(NavigationCli, IncludesInFileOrder) {
    TempDir scratch;
    ToolRun run = Qelvo("includes " + Quoted(scratch.Write("main.cpp", kSource)), scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "stdio.h\napp.h\n");
}

TEST(NavigationCli, UnreadableFileAndBadUsage) {
    TempDir scratch;
    std::string missing = Quoted(scratch.File("missing.cpp"));
    for (const char* command : {"symbols ", "includes "}) {
        ToolRun run = Qelvo(command + missing, scratch);
        EXPECT_EQ(run.status, 2) << command;
        EXPECT_EQ(run.out, "") << command;
        EXPECT_NE(run.err.find("cannot read"), std::string::npos) << command << run.err;
    }
    EXPECT_EQ(Qelvo("symbols", scratch).status, 2);
    EXPECT_EQ(Qelvo("includes", scratch).status, 2);
    ToolRun help = Qelvo("--help", scratch);
    EXPECT_NE(help.out.find("  symbols FILE [--sorted]"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("  includes FILE "), std::string::npos) << help.out;
}
