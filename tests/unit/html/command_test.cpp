// The `qelvo html` command as its users meet it: help, usage errors, what it says it did (counts
// in the singular and the plural, paths with the system's separator), the pages it refused with
// the system's reason, and its exit status (0 done, 1 nothing found, 2 usage or I/O error).
#include "html_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/wait.h>
#endif

using namespace qelvo;
using namespace qelvo::html_testing;
using qelvo::testing_support::TempDir;

namespace {

#ifdef _WIN32
const char kSeparator = '\\';
#else
const char kSeparator = '/';
#endif

// An engine path ('\' between names) as the system writes it.
std::string Shown(std::string path) {
    for (char& c : path)
        if (c == '\\') c = kSeparator;
    return path;
}

struct Outcome {
    int status = -1;
    std::string out, err;
};

// Runs the command with its output in two files of dir. Under Wine the tool is reached through
// drive Z: and cmd's quoting.
Outcome Qelvo(const TempDir& dir, const std::vector<std::string>& args) {
    std::string exe = QELVO_EXE;
#ifdef _WIN32
    exe = "Z:" + exe;
    for (char& c : exe)
        if (c == '/') c = '\\';
    std::string command = "\"\"" + exe + "\"";
    for (const std::string& a : args)
        command += " \"" + a + "\"";
    command += " >\"" + dir.File("out.txt") + "\" 2>\"" + dir.File("err.txt") + "\"\"";
    Outcome run;
    run.status = std::system(command.c_str());
#else
    auto quoted = [](const std::string& s) {
        std::string q = "'";
        for (char c : s)
            q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    };
    std::string command = quoted(exe);
    for (const std::string& a : args)
        command += " " + quoted(a);
    command +=
        " >" + quoted(Shown(dir.File("out.txt"))) + " 2>" + quoted(Shown(dir.File("err.txt")));
    Outcome run;
    int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    run.out = dir.Read("out.txt");
    run.err = dir.Read("err.txt");
    for (std::string* text : {&run.out, &run.err}) {
        std::string lf;
        for (char c : *text)
            if (c != '\r') lf += c;
        *text = lf;
    }
    return run;
}

const char kOneOfEach[] = "/** ::TShape A shape\n*/\nclass TShape {\n}\nint Go(int a)\n"
                          "#define MAX 3\n";

struct CommandCase {
    const char* what;
    std::vector<std::pair<std::string, std::string>> project; // files below "p"
    std::vector<std::string> args;                            // "{p}" is the project folder
    int status;
    std::string out; // the whole of stdout ("{p}" the project folder, shown)
    std::string err; // the whole of stderr
};

void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << c.what;
}

class HtmlCommand : public ::testing::TestWithParam<CommandCase> {};

std::string Filled(std::string text, const std::string& project) {
    for (size_t at; (at = text.find("{p}")) != std::string::npos;)
        text.replace(at, 3, project);
    return text;
}

TEST_P(HtmlCommand, SaysWhatItDid) {
    const CommandCase& c = GetParam();
    TempDir dir;
    platform::MakeDirectory(dir.File("p").c_str());
    for (const auto& f : c.project) {
        if (f.second == "<folder>")
            platform::MakeDirectory(dir.File("p\\" + f.first).c_str());
        else
            WriteSources(dir, {{"p\\" + f.first, f.second}});
    }
    std::string project = Shown(dir.File("p"));
    std::vector<std::string> args{"html"};
    for (const std::string& a : c.args)
        args.push_back(Filled(a, project));
    Outcome run = Qelvo(dir, args);
    EXPECT_EQ(run.status, c.status) << c.what;
    EXPECT_EQ(run.out, Filled(Shown(c.out), project)) << c.what;
    EXPECT_EQ(run.err, Filled(Shown(c.err), project)) << c.what;
}

const std::string kSummary = "qelvo html: ";

INSTANTIATE_TEST_SUITE_P(
    Cases, HtmlCommand,
    ::testing::Values(
        CommandCase{"one of each",
                    {{"a.cpp", kOneOfEach}},
                    {"{p}"},
                    0,
                    kSummary + "1 file, 1 class, 1 function, 1 macro; 10 pages in {p}\\qHTML "
                               "(10 written, 0 unchanged, 0 removed)\n",
                    ""},
        CommandCase{
            "two of each",
            {{"a.cpp", kOneOfEach}, {"b.h", "class TB {\n}\nint Run(int a)\n#define B 1\n"}},
            {"{p}", "--name", "Two"},
            0,
            kSummary + "2 files, 2 classes, 2 functions, 2 macros; 15 pages in "
                       "{p}\\qHTML (15 written, 0 unchanged, 0 removed)\n",
            ""},
        CommandCase{"nothing found",
                    {{"notes.txt", "x"}},
                    {"{p}"},
                    1,
                    kSummary + "0 files, 0 classes, 0 functions, 0 macros; 5 pages in {p}\\qHTML "
                               "(5 written, 0 unchanged, 0 removed)\n",
                    "qelvo: html: no file in {p} matches *.cpp;*.h\n"},
        CommandCase{
            "a page refused",
            {{"a.cpp", kOneOfEach}, {"qHTML", "<folder>"}, {"qHTML\\Fnc Go 0.html", "<folder>"}},
            {"{p}"},
            2,
            kSummary + "1 file, 1 class, 1 function, 1 macro; 9 pages in {p}\\qHTML "
                       "(9 written, 0 unchanged, 0 removed)\n",
            "qelvo: html: cannot write {p}\\qHTML\\Fnc Go 0.html: Is a directory\n"
            "qelvo: html: 1 page refused (no other page links to it)\n"},
        CommandCase{"two pages refused",
                    {{"a.cpp", kOneOfEach},
                     {"qHTML", "<folder>"},
                     {"qHTML\\Fnc Go 0.html", "<folder>"},
                     {"qHTML\\Class TShape.html", "<folder>"}},
                    {"{p}"},
                    2,
                    kSummary + "1 file, 1 class, 1 function, 1 macro; 8 pages in {p}\\qHTML "
                               "(8 written, 0 unchanged, 0 removed)\n",
                    "qelvo: html: cannot write {p}\\qHTML\\Class TShape.html: Is a directory\n"
                    "qelvo: html: cannot write {p}\\qHTML\\Fnc Go 0.html: Is a directory\n"
                    "qelvo: html: 2 pages refused (no other page links to them)\n"},
        CommandCase{"no output folder",
                    {{"a.cpp", kOneOfEach}, {"qHTML", "a file"}},
                    {"{p}"},
                    2,
                    kSummary + "1 file, 1 class, 1 function, 1 macro; 0 pages in {p}\\qHTML "
                               "(0 written, 0 unchanged, 0 removed)\n",
                    "qelvo: html: cannot write into {p}\\qHTML: Not a directory\n"},
        CommandCase{"missing directory",
                    {},
                    {"{p}\\none"},
                    2,
                    "",
                    "qelvo: html: {p}\\none: No such file or directory\n"},
        CommandCase{"a file for a directory",
                    {{"f", "x"}},
                    {"{p}\\f"},
                    2,
                    "",
                    "qelvo: html: {p}\\f: Not a directory\n"},
        CommandCase{"unknown option",
                    {},
                    {"{p}", "--colour"},
                    2,
                    "",
                    "qelvo: html: unknown option '--colour' (qelvo html --help)\n"},
        CommandCase{"option without its value",
                    {},
                    {"{p}", "--name"},
                    2,
                    "",
                    "qelvo: html: --name needs a value (qelvo html --help)\n"},
        CommandCase{"two directories",
                    {},
                    {"{p}", "{p}"},
                    2,
                    "",
                    "qelvo: html takes one directory (qelvo html --help)\n"},
        CommandCase{"no directory",
                    {},
                    {},
                    2,
                    "",
                    "qelvo: usage: qelvo html DIR [--filters PATTERNS] [--name NAME] "
                    "(qelvo html --help)\n"}),
    [](const ::testing::TestParamInfo<CommandCase>& info) {
        return "Case" + std::to_string(info.index);
    });

TEST(HtmlCommandHelp, GoesToStandardOutput) {
    TempDir dir;
    Outcome run = Qelvo(dir, {"html", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("usage: qelvo html DIR [--filters PATTERNS] [--name NAME]\n", 0), 0u);
    EXPECT_NE(run.out.find(Shown("DIR\\qHTML")), std::string::npos);
    EXPECT_NE(run.out.find("default *.cpp;*.h"), std::string::npos);
    EXPECT_NE(run.out.find("0 done, 1 no file matched, 2 "), std::string::npos);
}

TEST(HtmlCommandRegeneration, CountsPagesKeptAndRemoved) {
    TempDir dir;
    WriteSources(dir, {{"p\\a.cpp", kOneOfEach}, {"p\\b.cpp", "int Run(int a)\n"}});
    std::string project = Shown(dir.File("p"));
    ASSERT_EQ(Qelvo(dir, {"html", project}).status, 0);
    platform::RemoveFile(dir.File("p\\b.cpp").c_str());
    Outcome run = Qelvo(dir, {"html", project});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "qelvo html: 1 file, 1 class, 1 function, 1 macro; 10 pages in " + project +
                           kSeparator + "qHTML (3 written, 7 unchanged, 3 removed)\n");
}

} // namespace
