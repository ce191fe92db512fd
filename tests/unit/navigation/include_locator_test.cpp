// Finding an include file below the search list's directories: the directory itself first,
// then its sub-directories depth first in name order, hidden ones left out.
#include "navigation/include_locator.h"

#include "platform/platform.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

using namespace qelvo;
using qelvo::testing_support::TempDir;

namespace {

std::string Dir(const TempDir& root, const std::string& relative) {
    std::string path = root.File(relative);
    platform::MakeDirectory(path.c_str());
    return path;
}

std::string Find(const char* name, const std::string& directory) {
    String found;
    return FindFileInTree(name, directory.c_str(), found) ? found.c_str() : "none";
}

} // namespace

TEST(IncludeLocator, DepthFirstInListingOrder) {
    TempDir root;
    Dir(root, "a");
    Dir(root, "a\\deep");
    Dir(root, "b");
    Dir(root, ".hidden");
    root.Write("a\\deep\\x.h", "");
    root.Write("b\\x.h", "");
    root.Write(".hidden\\only.h", "");
    root.Write("top.h", "");
    EXPECT_EQ(Find("top.h", root.path()), root.File("top.h"));
    EXPECT_EQ(Find("x.h", root.path()), root.File("a\\deep\\x.h"));
    EXPECT_EQ(Find("only.h", root.path()), "none");
    EXPECT_EQ(Find("missing.h", root.path()), "none");
    EXPECT_EQ(Find("x.h", root.File("missing")), "none");
}

TEST(IncludeLocator, SearchListItemsInTurn) {
    TempDir root;
    Dir(root, "one");
    Dir(root, "two");
    root.Write("two\\a.h", "");
    root.Write("one\\b.h", "");
    std::string list = root.File("none") + ";;" + root.File("two") + ";" + root.File("one");
    String found;
    ASSERT_TRUE(LocateInclude("a.h", list.c_str(), found));
    EXPECT_EQ(std::string(found.c_str()), root.File("two\\a.h"));
    ASSERT_TRUE(LocateInclude("b.h", list.c_str(), found));
    EXPECT_EQ(std::string(found.c_str()), root.File("one\\b.h"));
    EXPECT_FALSE(LocateInclude("c.h", list.c_str(), found));
}

TEST(IncludeLocator, PathsBeyondTheBufferAreNotTaken) {
    TempDir root;
    // 257 characters in all: beyond the buffer, yet within what the system's file names allow.
    std::string name(257 - root.path().size() - 1, 'n');
    root.Write(name, "");
    ASSERT_TRUE(platform::FileExists(root.File(name).c_str()));
    ASSERT_GT(root.File(name).size(), kMaxFoundPath);
    EXPECT_EQ(Find(name.c_str(), root.path()), "none");
}
