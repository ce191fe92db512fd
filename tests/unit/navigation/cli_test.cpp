// qelvo symbols and qelvo includes, run as a program on files of the test's own.
#include "cli_run.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

using qelvo::testing_support::Qelvo;
using qelvo::testing_support::Quoted;
using qelvo::testing_support::TempDir;
using qelvo::testing_support::ToolRun;

namespace {

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
