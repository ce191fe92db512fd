// qelvo keywords, run as a program on files of the test's own.
#include "cli_run.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

using qelvo::testing_support::Qelvo;
using qelvo::testing_support::Quoted;
using qelvo::testing_support::Shown;
using qelvo::testing_support::TempDir;
using qelvo::testing_support::ToolRun;

TEST(KeywordsCli, ExtractWritesNextToTheSourceAndPrintsThePath) {
    TempDir scratch;
    std::string source = scratch.Write("a.cpp", "void A::f() {\nvoid A::g()\nint h()\n");
    ToolRun run = Qelvo("keywords extract " + Quoted(source), scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, Shown(scratch.File("a.kwd")) + "\n");
    EXPECT_EQ(scratch.Read("a.kwd"), "A\nf\ng\nh\n");
}

TEST(KeywordsCli, CompleteLoadsEveryFileInOrder) {
    TempDir scratch;
    std::string one = Quoted(scratch.Write("one.kwd", "CreateWindowEx\nmin|int %s(int a)\n"));
    std::string two = Quoted(scratch.Write("two.kwd", "CreateWindow\n"));
    const struct {
        std::string arguments, out;
    } cases[] = {
        {"CreateW " + one + " " + two, "2\tindow\tPossible :CreateWindow, CreateWindowEx\n"},
        {"CreateW " + one, "1\tindowEx\tCompletion complete\n"},
        {"min " + two + " " + one, "1\t\tCompletion complete\n"},
        {"x " + one, "0\t\tNo available completion\n"},
    };
    for (const auto& c : cases) {
        ToolRun run = Qelvo("keywords complete " + c.arguments, scratch);
        EXPECT_EQ(run.status, 0) << c.arguments << run.err;
        EXPECT_EQ(run.out, c.out) << c.arguments;
    }
}

TEST(KeywordsCli, UnreadableFilesAndBadUsage) {
    TempDir scratch;
    std::string missing = Quoted(scratch.File("missing.kwd"));
    ToolRun run = Qelvo("keywords complete a " + missing, scratch);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("cannot read"), std::string::npos) << run.err;
    run = Qelvo("keywords extract " + Quoted(scratch.File("missing.cpp")), scratch);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("cannot extract"), std::string::npos) << run.err;
    for (const char* bad : {"keywords", "keywords complete a", "keywords extract", "keywords x y"})
        EXPECT_EQ(Qelvo(bad, scratch).status, 2) << bad;
    EXPECT_EQ(Qelvo("keywords --help", scratch).status, 0);
}
