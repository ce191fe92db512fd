// Writing pages: each page is complete or absent, whatever fails on the way; a page that cannot
// be written is removed, and no page links to it (the contents pages, the file list and the
// frameset included, even those written before it failed).
#include "html/doc_scanner.h"
#include "html/html_writer.h"
#include "html_files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

using namespace qelvo;
using namespace qelvo::html;
using namespace qelvo::html_testing;
using qelvo::testing_support::TempDir;

namespace {

// The disk fills up while one page is written: half of it reaches the file, then the write
// fails as the system's would.
class FullDisk : public PageFiles {
public:
    explicit FullDisk(std::string failing) : failing_(std::move(failing)) {}
    bool Write(const std::string& path, const std::string& bytes, std::string& reason) override {
        if (bytes.find("<title>" + failing_ + "</title>") == std::string::npos)
            return PageFiles::Write(path, bytes, reason);
        std::string ignored;
        PageFiles::Write(path, bytes.substr(0, bytes.size() / 2), ignored);
        reason = std::strerror(ENOSPC);
        return false;
    }

private:
    std::string failing_;
};

const char kSource[] = "/** ::TShape A shape\n*/\nclass TShape {\n}\n"
                       "/** Area Uses TShape\n*/\nint Area(int a)\n#define MAX 3\n";

// Every page of the folder that links to target.
std::vector<std::string> PagesLinkingTo(const TempDir& dir, const std::string& target) {
    std::vector<std::string> found;
    for (const std::string& name : FilesIn(dir.File("qHTML")))
        for (const std::string& link : LinkTargets(Page(dir, name)))
            if (link == target) found.push_back(name);
    return found;
}

TEST(Writing, APageThatFailsHalfWrittenIsAbsentAndUnlinked) {
    for (const char* failing : {"Class TShape", "a.cpp Contents", "P Contents"}) {
        SCOPED_TRACE(failing);
        TempDir dir;
        dir.Write("a.cpp", kSource);
        std::unique_ptr<htProjet> project = BuildModel(dir.path().c_str(), "*.cpp", "P");
        FullDisk disk(failing);
        WriteSummary summary;
        EXPECT_EQ(WritePages(*project, dir.File("qHTML").c_str(), &summary, &disk), 0);

        std::string page = std::string(failing) + ".html";
        EXPECT_FALSE(PageExists(dir, page));
        EXPECT_EQ(FilesIn(dir.File("qHTML")).count(kTemporaryPageName), 0u);
        EXPECT_TRUE(PagesLinkingTo(dir, page).empty());
        EXPECT_EQ(summary.failed, 1);
        ASSERT_EQ(summary.failures.size(), 1u);
        EXPECT_EQ(summary.failures[0].page, page);
        EXPECT_EQ(summary.failures[0].reason, std::strerror(ENOSPC));
        // Everything else is in place and complete.
        EXPECT_EQ(summary.pages, 9);
        EXPECT_TRUE(summary.frameset);
        for (const std::string& name : FilesIn(dir.File("qHTML"))) {
            if (name[0] != '.') {
                EXPECT_NE(Page(dir, name).find("</html>\n"), std::string::npos) << name;
            }
        }
    }
}

// The name is taken by a folder: the page cannot be put there, and nothing points at it.
TEST(Writing, APageThatCannotTakeItsNameIsRefusedAndUnlinked) {
    TempDir dir;
    dir.Write("a.cpp", kSource);
    platform::MakeDirectory(dir.File("qHTML").c_str());
    platform::MakeDirectory(dir.File("qHTML\\Fnc Area 0.html").c_str());
    std::unique_ptr<htProjet> project = BuildModel(dir.path().c_str(), "*.cpp", "P");
    WriteSummary summary;
    EXPECT_EQ(WritePages(*project, dir.File("qHTML").c_str(), &summary), 0);
    EXPECT_TRUE(PagesLinkingTo(dir, "Fnc Area 0.html").empty());
    // The name is still listed where the function is.
    EXPECT_NE(Page(dir, "P Contents.html").find("<br>\nArea<br>\n"), std::string::npos);
    EXPECT_EQ(summary.failed, 1);
}

// A name the file system cannot hold gets no page, and nothing links to one.
TEST(Writing, UnusableNamesAreNeitherWrittenNorLinked) {
    TempDir dir;
    dir.Write("a.cpp", "/** ..\\..\\Evil::Member\ntext\n*/\n/** Fine Uses Evil\n*/\n"
                       "int Fine(int a)\n");
    std::unique_ptr<htProjet> project = BuildModel(dir.path().c_str(), "*.cpp", "P");
    WriteSummary summary;
    EXPECT_EQ(WritePages(*project, dir.File("qHTML").c_str(), &summary), 0);
    for (const std::string& name : FilesIn(dir.File("qHTML")))
        for (const std::string& link : LinkTargets(Page(dir, name)))
            EXPECT_EQ(link.find("Evil"), std::string::npos) << name << " -> " << link;
    EXPECT_NE(Page(dir, "P Contents.html").find("..\\..\\Evil<br>"), std::string::npos);
}

// Refused pages of the project leave the frameset's frames empty rather than broken.
TEST(Writing, TheFramesetNamesOnlyPagesInPlace) {
    TempDir dir;
    htProjet project;
    project.name = "P";
    FullDisk disk("P Title");
    WriteSummary summary;
    WritePages(project, dir.File("qHTML").c_str(), &summary, &disk);
    std::string frameset = Page(dir, "Documentation P.html");
    EXPECT_NE(frameset.find("<frame noresize scrolling=no>\n"), std::string::npos);
    EXPECT_EQ(LinkTargets(frameset), (std::vector<std::string>{"P FileList.html", "P Contents.html",
                                                               "P Presentation.html"}));
}

TEST(Writing, TheSystemsFailuresComeWithTheirReasons) {
    struct Files : PageFiles {
    } files;
    TempDir dir;
    std::string reason;
    EXPECT_FALSE(files.Write(dir.File("missing\\page.html"), "x", reason));
    EXPECT_EQ(reason, std::strerror(ENOENT));
    EXPECT_FALSE(files.Rename(dir.File("none"), dir.File("other"), reason));
    EXPECT_EQ(reason, std::strerror(ENOENT));
#ifndef _WIN32
    // A device that is always full: the failure shows when the buffer is written out.
    if (platform::GetFileStatus("/dev/full").exists) {
        reason.clear();
        EXPECT_FALSE(files.Write("/dev/full", std::string(100, 'x'), reason));
        EXPECT_EQ(reason, std::strerror(ENOSPC));
    }
#endif
}

} // namespace
