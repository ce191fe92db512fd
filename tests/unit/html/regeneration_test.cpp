// Regenerating into an existing folder: a page whose text did not change is not written again,
// the pages of files and symbols that went away are removed, and nothing else in the folder is
// ever removed.
#include "html/doc_scanner.h"
#include "html/html_generation.h"
#include "html_files.h"

#include <gtest/gtest.h>

using namespace qelvo;
using namespace qelvo::html;
using namespace qelvo::html_testing;
using qelvo::testing_support::TempDir;

namespace {

const char kA[] = "/** ::TShape A shape\n*/\nclass TShape {\n}\nint Area(int a)\n";
const char kB[] = "/** Perimeter Around\n*/\nint Perimeter(int a)\n#define SIDES 4\n";

// Marks every page with a time long past; a page written again gets the present one.
void AgePages(const TempDir& dir) {
    for (const std::string& name : FilesIn(dir.File("qHTML")))
        platform::SetFileDosTime(dir.File("qHTML\\" + name).c_str(),
                                 platform::PackDosDate(1995, 6, 1),
                                 platform::PackDosTime(12, 0, 0));
}

bool Aged(const TempDir& dir, const std::string& page) {
    uint16_t date = 0, time = 0;
    platform::GetFileDosTime(dir.File("qHTML\\" + page).c_str(), date, time);
    return date == platform::PackDosDate(1995, 6, 1);
}

TEST(Regeneration, OnlyPagesWhoseTextChangedAreWritten) {
    TempDir dir;
    dir.Write("a.cpp", kA);
    dir.Write("b.cpp", kB);
    GenerationSummary summary;
    ASSERT_EQ(Generate(dir.path().c_str(), "P", "*.cpp", &summary), 1);
    EXPECT_EQ(summary.output.written, 13);
    AgePages(dir);

    // Nothing changed: nothing is written.
    ASSERT_EQ(Generate(dir.path().c_str(), "P", "*.cpp", &summary), 1);
    EXPECT_EQ(summary.output.written, 0);
    EXPECT_EQ(summary.output.unchanged, 13);
    for (const std::string& name : FilesIn(dir.File("qHTML")))
        EXPECT_TRUE(Aged(dir, name)) << name;

    // Perimeter's text changes: its page, and the presentation of the file that lists its brief.
    dir.Write("b.cpp", "/** Perimeter All around\n*/\nint Perimeter(int a)\n#define SIDES 4\n");
    ASSERT_EQ(Generate(dir.path().c_str(), "P", "*.cpp", &summary), 1);
    EXPECT_EQ(summary.output.written, 2);
    for (const std::string& name : FilesIn(dir.File("qHTML"))) {
        bool changed = name == "Fnc Perimeter 1.html" || name == "b.cpp Presentation.html";
        EXPECT_EQ(Aged(dir, name), !changed) << name;
    }
}

// A page someone changed (even keeping its size) gets its text back.
TEST(Regeneration, APageEditedOnDiskIsWrittenAgain) {
    TempDir dir;
    dir.Write("a.cpp", kA);
    ASSERT_EQ(Generate(dir.path().c_str(), "P", "*.cpp"), 1);
    std::string page = Page(dir, "Class TShape.html");
    std::string raw = dir.Read("qHTML\\Class TShape.html");
    std::string edited = raw;
    edited[edited.find("TShape")] = 'X';
    dir.Write("qHTML\\Class TShape.html", edited);
    GenerationSummary summary;
    ASSERT_EQ(Generate(dir.path().c_str(), "P", "*.cpp", &summary), 1);
    EXPECT_EQ(summary.output.written, 1);
    EXPECT_EQ(dir.Read("qHTML\\Class TShape.html"), raw);
}

TEST(Regeneration, PagesOfVanishedFilesAndSymbolsAreRemoved) {
    TempDir dir;
    dir.Write("a.cpp", kA);
    dir.Write("b.cpp", kB);
    ASSERT_EQ(Generate(dir.path().c_str(), "P", "*.cpp"), 1);
    std::set<std::string> before = FilesIn(dir.File("qHTML"));
    platform::RemoveFile(dir.File("b.cpp").c_str());
    GenerationSummary summary;
    ASSERT_EQ(Generate(dir.path().c_str(), "P", "*.cpp", &summary), 1);
    EXPECT_EQ(summary.output.removed, 4);
    std::set<std::string> after = FilesIn(dir.File("qHTML"));
    for (const char* gone : {"b.cpp Contents.html", "b.cpp Presentation.html",
                             "Fnc Perimeter 1.html", "Define SIDES 0.html"}) {
        EXPECT_TRUE(before.count(gone)) << gone;
        EXPECT_FALSE(after.count(gone)) << gone;
    }
    EXPECT_EQ(after.size(), before.size() - 4);
}

// A class renamed only in case: where case does not count for file names the old page is the
// new one's file, which must not be removed as a vanished page.
TEST(Regeneration, APageRenamedOnlyInCaseEndsUpUnderItsNewName) {
    TempDir dir;
    dir.Write("a.cpp", "class TFoo {\n}\n");
    ASSERT_EQ(Generate(dir.path().c_str(), "P", "*.cpp"), 1);
    dir.Write("a.cpp", "class Tfoo {\n}\n");
    GenerationSummary summary;
    ASSERT_EQ(Generate(dir.path().c_str(), "P", "*.cpp", &summary), 1);
    std::set<std::string> pages = FilesIn(dir.File("qHTML"));
    EXPECT_TRUE(pages.count("Class Tfoo.html"));
    EXPECT_FALSE(pages.count("Class TFoo.html"));
    EXPECT_NE(Page(dir, "Class Tfoo.html").find("<h3>Classe Tfoo</h3>"), std::string::npos);
}

// What a regeneration must leave alone, whatever the folder holds.
struct KeepCase {
    const char* what;
    std::vector<std::pair<std::string, std::string>> folder; // qHTML files before the run
    std::string kept;                                        // path below the project
};

void PrintTo(const KeepCase& c, std::ostream* os) {
    *os << c.what;
}

class RegenerationKeeps : public ::testing::TestWithParam<KeepCase> {};

TEST_P(RegenerationKeeps, FilesThatAreNotOldPages) {
    const KeepCase& c = GetParam();
    TempDir dir;
    dir.Write("a.cpp", kA);
    dir.Write("b.cpp", kB);
    ASSERT_EQ(Generate(dir.path().c_str(), "P", "*.cpp"), 1);
    WriteSources(dir, {{"outside.html", "<!-- Generated by Qelvo AddOn for Borland C++ 5.0 -->"}});
    for (const auto& file : c.folder)
        WriteSources(dir, {{"qHTML\\" + file.first, file.second}});
    platform::RemoveFile(dir.File("b.cpp").c_str());
    ASSERT_EQ(Generate(dir.path().c_str(), "P", "*.cpp"), 1);
    EXPECT_TRUE(platform::FileExists(dir.File(c.kept).c_str())) << c.what;
}

const char kMark[] = "<!-- Generated by Qelvo AddOn for Borland C++ 5.0 -->\n";
const char kListHead[] = "Pages generated by Qelvo AddOn: the next generation removes those it "
                         "no longer makes\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, RegenerationKeeps,
    ::testing::Values(
        KeepCase{"a file of the user's", {{"notes.html", kMark}}, "qHTML\\notes.html"},
        KeepCase{"a user's file in place of an old page",
                 {{"b.cpp Contents.html", "<html>mine</html>\n"}},
                 "qHTML\\b.cpp Contents.html"},
        KeepCase{"a listed name leading out of the folder",
                 {{".qelvo-pages", std::string(kListHead) + "..\\outside.html\n../outside.html\n"}},
                 "outside.html"},
        KeepCase{"a listed name that is not a page's",
                 {{"style.css", kMark}, {".qelvo-pages", std::string(kListHead) + "style.css\n"}},
                 "qHTML\\style.css"},
        KeepCase{"a list that is not ours",
                 {{"old.html", kMark}, {".qelvo-pages", "old.html\n"}},
                 "qHTML\\old.html"}),
    [](const ::testing::TestParamInfo<KeepCase>& info) {
        return "Case" + std::to_string(info.index);
    });

// Pages found in place the first time (an earlier version made them, or the list was lost) are
// not removed: only what a list of ours names is.
TEST(Regeneration, WithoutAListNothingIsRemoved) {
    TempDir dir;
    dir.Write("a.cpp", kA);
    dir.Write("b.cpp", kB);
    ASSERT_EQ(Generate(dir.path().c_str(), "P", "*.cpp"), 1);
    platform::RemoveFile(dir.File("qHTML\\.qelvo-pages").c_str());
    platform::RemoveFile(dir.File("b.cpp").c_str());
    GenerationSummary summary;
    ASSERT_EQ(Generate(dir.path().c_str(), "P", "*.cpp", &summary), 1);
    EXPECT_EQ(summary.output.removed, 0);
    EXPECT_TRUE(PageExists(dir, "Fnc Perimeter 1.html"));
}

} // namespace
