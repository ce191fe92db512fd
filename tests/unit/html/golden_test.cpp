// Golden page sets: each folder of tests/golden/html holds a small project (input/) and the
// complete page set it must give (expected/), byte for byte. Pages are stored with LF line ends;
// on Windows, where pages are text files with CR LF, CR LF is turned into LF before comparing.
// The expected set includes the list of pages the generator keeps beside them.
// QELVO_UPDATE_GOLDEN=1 rewrites the expected pages when a change is intended.
#include "html/html_generation.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

using namespace qelvo;
using qelvo::testing_support::ReadWholeFile;
using qelvo::testing_support::RemoveTree;
using qelvo::testing_support::TempDir;

namespace {

// A folder of the source tree in the engine's form. Under Wine the Unix root is drive Z:.
std::string SourceTreePath(const std::string& relative) {
    std::string path = std::string(QELVO_SOURCE_DIR) + "/" + relative;
    for (char& c : path)
        if (c == '/')
            c = '\\';
#ifdef _WIN32
    if (!path.empty() && path[0] == '\\')
        path = "Z:" + path;
#endif
    return path;
}

std::string WithLf(const std::string& text) {
#ifdef _WIN32
    std::string lf;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            lf += text[i];
    return lf;
#else
    return text;
#endif
}

void CopyTree(const std::string& from, const std::string& to) {
    std::vector<platform::DirEntry> entries;
    platform::ListDirectory((from + "\\*").c_str(), true, entries);
    for (const platform::DirEntry& e : entries) {
        if (e.name == "." || e.name == "..")
            continue;
        if (e.isDirectory) {
            platform::MakeDirectory((to + "\\" + e.name).c_str());
            CopyTree(from + "\\" + e.name, to + "\\" + e.name);
        } else {
            platform::CopyWholeFile((from + "\\" + e.name).c_str(), (to + "\\" + e.name).c_str());
        }
    }
}

std::map<std::string, std::string> Pages(const std::string& directory, bool toLf) {
    std::map<std::string, std::string> pages;
    std::vector<platform::DirEntry> entries;
    platform::ListDirectory((directory + "\\*").c_str(), false, entries);
    for (const platform::DirEntry& e : entries) {
        std::string bytes = ReadWholeFile(directory + "\\" + e.name);
        pages[e.name] = toLf ? WithLf(bytes) : bytes;
    }
    return pages;
}

void CheckCase(const std::string& name) {
    SCOPED_TRACE(name);
    std::string folder = SourceTreePath("tests/golden/html/" + name);
    TempDir work;
    CopyTree(folder + "\\input", work.path());
    html::GenerationSummary summary;
    EXPECT_EQ(html::Generate(work.path().c_str(), name.c_str(), "*.cpp;*.h", &summary), 1);
    std::map<std::string, std::string> got = Pages(work.path() + "\\qHTML", true);
    ASSERT_FALSE(got.empty());

    const char* update = std::getenv("QELVO_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::string expectedDir = folder + "\\expected";
        RemoveTree(expectedDir);
        platform::MakeDirectory(expectedDir.c_str());
        for (const auto& page : got) {
            FILE* out = platform::OpenFile((expectedDir + "\\" + page.first).c_str(), "wb");
            ASSERT_NE(out, nullptr);
            std::fwrite(page.second.data(), 1, page.second.size(), out);
            std::fclose(out);
        }
        return;
    }

    std::map<std::string, std::string> expected = Pages(folder + "\\expected", false);
    ASSERT_FALSE(expected.empty()) << "no expected pages: run with QELVO_UPDATE_GOLDEN=1";
    for (const auto& page : expected) {
        auto found = got.find(page.first);
        if (found == got.end()) {
            ADD_FAILURE() << "page not written: " << page.first;
            continue;
        }
        EXPECT_EQ(found->second, page.second) << "page differs: " << page.first;
    }
    for (const auto& page : got)
        EXPECT_TRUE(expected.count(page.first)) << "page not expected: " << page.first;

    // Generating again over the same sources finds every page in place.
    EXPECT_EQ(html::Generate(work.path().c_str(), name.c_str(), "*.cpp;*.h", &summary), 1);
    EXPECT_EQ(summary.output.written, 0);
    EXPECT_EQ(Pages(work.path() + "\\qHTML", true), got);
}

TEST(Golden, Shapes) { CheckCase("shapes"); }

TEST(Golden, NoMatchingFiles) { CheckCase("empty"); }

// Two files of one name in two folders, two classes whose names differ only in case.
TEST(Golden, NameClashes) {
    CheckCase("clashes");
}

} // namespace
