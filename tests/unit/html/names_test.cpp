// Page names: every page goes into one folder, so names that the file system takes for one file
// (equal, or equal but for case as on Windows) must not overwrite each other. The first page to
// claim a name keeps it as it is; later ones get " (2)", " (3)"... and every link leads to the
// page of the right file or symbol.
#include "html/doc_scanner.h"
#include "html/html_writer.h"
#include "html_files.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace qelvo;
using namespace qelvo::html;
using namespace qelvo::html_testing;
using qelvo::testing_support::TempDir;

namespace {

bool LinksTo(const std::string& page, const std::string& target) {
    std::vector<std::string> targets = LinkTargets(page);
    return std::find(targets.begin(), targets.end(), target) != targets.end();
}

std::unique_ptr<htProjet> Generated(const TempDir& dir, const char* patterns, const char* name) {
    std::unique_ptr<htProjet> project = BuildModel(dir.path().c_str(), patterns, name);
    WritePages(*project, dir.File("qHTML").c_str(), nullptr);
    return project;
}

// Two files of one name in different folders: the first by path keeps the names, the second's
// pages get " (2)", and each page shows its own file.
TEST(PageNames, FilesOfOneNameInTwoFoldersGetTheirOwnPages) {
    TempDir dir;
    WriteSources(dir, {{"b\\util.cpp", "/** FromB Made in b\n*/\nint FromB(int a)\n"},
                       {"a\\util.cpp", "/** FromA Made in a\n*/\nint FromA(int a)\n"}});
    Generated(dir, "*.cpp", "P");

    std::string first = Page(dir, "util.cpp Contents.html");
    std::string second = Page(dir, "util.cpp (2) Contents.html");
    EXPECT_TRUE(LinksTo(first, "Fnc FromA 0.html"));
    EXPECT_FALSE(LinksTo(first, "Fnc FromB 1.html"));
    EXPECT_TRUE(LinksTo(second, "Fnc FromB 1.html"));
    EXPECT_TRUE(LinksTo(second, "util.cpp (2) Presentation.html"));
    EXPECT_NE(second.find("<title>util.cpp (2) Contents</title>"), std::string::npos);
    EXPECT_NE(Page(dir, "util.cpp (2) Presentation.html").find("FromB"), std::string::npos);
    EXPECT_EQ(Page(dir, "util.cpp Presentation.html").find("FromB"), std::string::npos);

    std::string list = Page(dir, "P FileList.html");
    EXPECT_NE(list.find("<a href=\"util.cpp Contents.html\", target=\"list\">util.cpp</a><br>\n"
                        "<a href=\"util.cpp (2) Contents.html\", target=\"list\">util.cpp</a>"),
              std::string::npos);
    // A symbol's page names the file it comes from.
    EXPECT_TRUE(LinksTo(Page(dir, "Fnc FromB 1.html"), "util.cpp (2) Contents.html"));
    EXPECT_TRUE(LinksTo(Page(dir, "Fnc FromA 0.html"), "util.cpp Contents.html"));
}

struct ClashCase {
    const char* what;
    std::vector<std::pair<std::string, std::string>> sources;
    const char* patterns;
    std::vector<std::string> pages;   // must be there
    std::vector<std::string> missing; // must not be
};

void PrintTo(const ClashCase& c, std::ostream* os) {
    *os << c.what;
}

class PageNameClashes : public ::testing::TestWithParam<ClashCase> {};

TEST_P(PageNameClashes, LaterClaimsAreSuffixed) {
    const ClashCase& c = GetParam();
    TempDir dir;
    WriteSources(dir, c.sources);
    Generated(dir, c.patterns, "P");
    // Names as listed, so that case counts even where the file system ignores it.
    std::set<std::string> listed = FilesIn(dir.File("qHTML"));
    for (const std::string& page : c.pages)
        EXPECT_TRUE(listed.count(page)) << c.what << ": " << page;
    for (const std::string& page : c.missing)
        EXPECT_FALSE(listed.count(page)) << c.what << ": " << page;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageNameClashes,
    ::testing::Values(
        // Windows takes these for one file: the byte-wise first keeps its name everywhere.
        ClashCase{
            "file names equal but for case",
            {{"x\\shape.h", "class TLow {\n}\n"}, {"y\\Shape.h", "class TUp {\n}\n"}},
            "*.h",
            {"Shape.h Contents.html", "shape.h (2) Contents.html", "shape.h (2) Presentation.html"},
            {"shape.h Contents.html"}},
        ClashCase{"class names equal but for case",
                  {{"a.h", "class Tfoo {\n}\nclass TFoo {\n}\n"}},
                  "*.h",
                  {"Class TFoo.html", "Class Tfoo (2).html"},
                  {"Class Tfoo.html"}},
        // The project's own pages come first: a file named like the project yields.
        ClashCase{"a file named as the project",
                  {{"P", "int Go(int a)\n"}},
                  "P",
                  {"P Contents.html", "P (2) Contents.html", "P (2) Presentation.html"},
                  {}},
        // A third file of the name, and a file whose own name is a suffixed one.
        ClashCase{"three of one name and a look-alike",
                  {{"a\\u.h", "\n"}, {"b\\u.h", "\n"}, {"c\\u.h", "\n"}, {"u.h (2)", "\n"}},
                  "u.h;u.h (2)",
                  {"u.h Contents.html", "u.h (2) Contents.html", "u.h (3) Contents.html",
                   "u.h (2) (2) Contents.html"},
                  {"u.h (4) Contents.html"}}),
    [](const ::testing::TestParamInfo<ClashCase>& info) {
        return "Case" + std::to_string(info.index);
    });

// A link in a text to a class whose page was suffixed goes to that page.
TEST(PageNames, LinksInTextsFollowSuffixedNames) {
    TempDir dir;
    WriteSources(dir, {{"a.h", "class TFoo {\n}\n/** ::Tfoo Uses TFoo\n*/\nclass Tfoo {\n}\n"}});
    Generated(dir, "*.h", "P");
    EXPECT_TRUE(LinksTo(Page(dir, "Class TFoo.html"), "a.h Contents.html"));
    EXPECT_TRUE(LinksTo(Page(dir, "Class Tfoo (2).html"), "Class TFoo.html"));
    std::string presentation = Page(dir, "a.h Presentation.html");
    EXPECT_TRUE(LinksTo(presentation, "Class TFoo.html"));
    EXPECT_TRUE(LinksTo(presentation, "Class Tfoo (2).html"));
}

// The order a listing gives files of one name in does not decide which keeps its name.
TEST(PageNames, TheSameOnWhateverOrderTheFilesWereMet) {
    for (bool reversed : {false, true}) {
        htProjet project;
        project.name = "P";
        const char* paths[] = {"C:\\p\\a\\util.cpp", "C:\\p\\b\\util.cpp"};
        for (int i = 0; i < 2; ++i) {
            htFile* file = new htFile;
            file->name = "util.cpp";
            file->path = paths[reversed ? 1 - i : i];
            project.files.Append(file);
        }
        project.SortLists();
        EXPECT_STREQ(project.files[0]->path.c_str(), paths[0]) << reversed;
    }
}

} // namespace
