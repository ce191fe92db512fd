// qelvo symbols and qelvo includes, run as a program on files of the test's own.
#include "cli_run.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"

using qelvo::testing_support::Qelvo;
using qelvo::testing_support::Quoted;
using qelvo::testing_support::Shown;
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

namespace {

// A tree with a header, sources at two levels and files the default masks leave out.
void WriteTree(const TempDir& dir) {
    qelvo::platform::MakeDirectory(dir.File("src").c_str());
    qelvo::platform::MakeDirectory(dir.File("src\\deep").c_str());
    dir.Write("src\\view.h", "class View;\nclass View : public Base {\n");
    dir.Write("src\\b.cpp", "void Square::draw() {\n    count++;\n}\n");
    dir.Write("src\\a.cpp", "int count;\nvoid Circle::draw() {\r\n\tcount = 2;\r\n}\r\n");
    dir.Write("src\\deep\\c.cc", "void reopen(int)\nint open(char *p)\n{\n  if (count) {}\n}\n");
    dir.Write("src\\notes.txt", "int open(char *p)\n    count\n");
}

} // namespace

TEST(NavigationCli, FindAndXrefOverATree) {
    TempDir scratch;
    WriteTree(scratch);
    std::string dir = Quoted(scratch.File("src"));
    std::string a = Shown(scratch.File("src\\a.cpp")), b = Shown(scratch.File("src\\b.cpp"));
    std::string c = Shown(scratch.File("src\\deep\\c.cc"));
    struct Case {
        std::string arguments;
        int status;
        std::string out;
    } cases[] = {
        {"find function open " + dir, 0, c + "\t2\n"},
        {"find function open " + dir + " --no-recurse", 1, ""},
        {"find class View " + dir, 0, Shown(scratch.File("src\\view.h")) + "\t2\n"},
        {"find class View " + dir + " --include '*.hpp'", 1, ""},
        {"find method draw " + dir, 0, a + "\t2\tCircle::draw\n" + b + "\t1\tSquare::draw\n"},
        {"xref count " + dir, 0,
         a + "\t3\t\tcount = 2;\n" + b + "\t2\t    count++;\n" + c + "\t4\t  if (count) {}\n"},
        {"xref count " + dir + " --source '*.txt'", 0,
         Shown(scratch.File("src\\notes.txt")) + "\t2\t    count\n"},
        {"xref nothing " + dir, 1, ""},
    };
    for (const Case& k : cases) {
        ToolRun run = Qelvo(k.arguments, scratch);
        EXPECT_EQ(run.status, k.status) << k.arguments << run.err;
        EXPECT_EQ(run.out, k.out) << k.arguments;
    }
}

TEST(NavigationCli, FindAndXrefUsageAndReadErrors) {
    TempDir scratch;
    WriteTree(scratch);
    std::string dir = Quoted(scratch.File("src"));
    for (const char* arguments : {"find", "find open x", "find function open", "xref count",
                                  "xref count x y", "xref count x --include '*.h'",
                                  "find function '' x", "find method open x --source"}) {
        ToolRun run = Qelvo(arguments, scratch);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_NE(run.err, "") << arguments;
    }
    ToolRun missing = Qelvo("xref count " + Quoted(scratch.File("missing")), scratch);
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos) << missing.err;
}
