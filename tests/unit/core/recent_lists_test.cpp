// The recent projects and includes: their registry form, their limits and their update rules.
#include "core/recent_lists.h"

#include "memory_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qelvo;
using qelvo::testing_support::MemoryRegistry;

namespace {

const std::string kKey = "SOFTWARE\\Borland\\Borland C++\\5.0\\Ide\\AddOns\\Qelvoadd\\";

template <int N> std::vector<std::string> Entries(const RecentList<N>& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.count; ++i)
        entries.push_back(list.At(i));
    return entries;
}

class RecentListsTest : public ::testing::Test {
protected:
    void SetUp() override { LoadRecentLists(); }
    void Set(const std::string& group, const char* name, const std::string& value) {
        registry.values[MemoryRegistry::Key((kKey + group).c_str(), name)] = value + '\0';
    }
    std::string Get(const std::string& group, const char* name) {
        std::string value = registry.values[MemoryRegistry::Key((kKey + group).c_str(), name)];
        return value.empty() ? value : value.substr(0, value.size() - 1);
    }
    MemoryRegistry registry;
};

TEST_F(RecentListsTest, AnEmptyRegistryGivesEmptyListsWithTheDefaultLimits) {
    EXPECT_EQ(Recent.projects.count, 0);
    EXPECT_EQ(Recent.projects.limit, 10);
    EXPECT_EQ(Recent.includes.count, 0);
    EXPECT_EQ(Recent.includes.limit, 50);
}

TEST_F(RecentListsTest, AListEndsAtItsFirstMissingEntry) {
    Set("TopBar", "NbIDE", "5");
    Set("TopBar\\IDE", "Entry0", "C:\\A\\A.IDE");
    Set("TopBar\\IDE", "Entry1", "C:\\B\\B.IDE");
    Set("TopBar\\IDE", "Entry3", "C:\\D\\D.IDE");
    LoadRecentLists();
    EXPECT_EQ(Entries(Recent.projects), (std::vector<std::string>{"C:\\A\\A.IDE", "C:\\B\\B.IDE"}));
}

TEST_F(RecentListsTest, ACountAboveTheLimitIsCutToIt) {
    Set("TopBar", "NbINC", "4");
    Set("TopBar", "MaxINC", "2");
    for (const char* name : {"Entry0", "Entry1", "Entry2", "Entry3"})
        Set("TopBar\\INC", name, std::string("C:\\") + name + ".h");
    LoadRecentLists();
    EXPECT_EQ(Entries(Recent.includes), (std::vector<std::string>{"C:\\Entry0.h", "C:\\Entry1.h"}));
}

// Outside the ranges of the options page a hand-edited registry cannot overrun the slots.
TEST_F(RecentListsTest, LimitsAreKeptInTheirRanges) {
    Set("TopBar", "MaxIDE", "500");
    Set("TopBar", "NbIDE", "500");
    Set("TopBar", "MaxINC", "-3");
    LoadRecentLists();
    EXPECT_EQ(Recent.projects.limit, 50);
    EXPECT_EQ(Recent.projects.count, 0) << "Entry0 is missing";
    EXPECT_EQ(Recent.includes.limit, 1);
}

TEST_F(RecentListsTest, AnEntryLongerThanASlotIsCut) {
    Set("TopBar", "NbIDE", "1");
    Set("TopBar\\IDE", "Entry0", std::string(600, 'x'));
    LoadRecentLists();
    ASSERT_EQ(Recent.projects.count, 1);
    EXPECT_EQ(std::string(Recent.projects.At(0)), std::string(254, 'x'));
}

TEST_F(RecentListsTest, SavedAsDecimalTexts) {
    RememberProject("C:\\A\\A.IDE");
    RememberProject("C:\\B\\B.IDE");
    RecordInclude("C:\\SRC\\a.h");
    SaveRecentLists();
    EXPECT_EQ(Get("TopBar", "NbIDE"), "2");
    EXPECT_EQ(Get("TopBar", "MaxIDE"), "10");
    EXPECT_EQ(Get("TopBar\\IDE", "Entry0"), "C:\\B\\B.IDE");
    EXPECT_EQ(Get("TopBar\\IDE", "Entry1"), "C:\\A\\A.IDE");
    EXPECT_EQ(Get("TopBar", "NbINC"), "1");
    EXPECT_EQ(Get("TopBar", "MaxINC"), "50");
    EXPECT_EQ(Get("TopBar\\INC", "Entry0"), "C:\\SRC\\a.h");
}

// A is opened, then B, then A again: the open project is never in the list.
TEST_F(RecentListsTest, OpeningAThenBThenA) {
    const char* a = "C:\\A\\A.IDE";
    const char* b = "C:\\B\\B.IDE";
    ForgetProject(a);
    RememberProject(a);
    ForgetProject(b);
    RememberProject(b);
    ForgetProject("c:\\a\\a.ide"); // letter case ignored
    EXPECT_EQ(Entries(Recent.projects), (std::vector<std::string>{b}));
    RememberProject(a);
    EXPECT_EQ(Entries(Recent.projects), (std::vector<std::string>{a, b}));
    RememberProject(a);
    EXPECT_EQ(Recent.projects.count, 2) << "an entry exactly equal is not added again";
}

TEST_F(RecentListsTest, AFullListDropsItsOldestProject) {
    Set("TopBar", "MaxIDE", "3");
    LoadRecentLists();
    for (const char* p : {"P1.IDE", "P2.IDE", "P3.IDE", "P4.IDE"})
        RememberProject(p);
    EXPECT_EQ(Entries(Recent.projects), (std::vector<std::string>{"P4.IDE", "P3.IDE", "P2.IDE"}));
}

TEST_F(RecentListsTest, AnIncludeOpenedAgainMovesOnTopInItsNewSpelling) {
    RecordInclude("C:\\SRC\\a.h");
    RecordInclude("C:\\SRC\\b.h");
    RecordInclude("C:\\SRC\\A.H");
    EXPECT_EQ(Entries(Recent.includes), (std::vector<std::string>{"C:\\SRC\\A.H", "C:\\SRC\\b.h"}));
}

TEST_F(RecentListsTest, OnlyNamesEndingWithHAreIncludes) {
    EXPECT_TRUE(IsIncludeName("C:\\SRC\\a.h"));
    EXPECT_TRUE(IsIncludeName("C:\\SRC\\A.H"));
    EXPECT_FALSE(IsIncludeName("C:\\SRC\\b.cpp"));
    EXPECT_FALSE(IsIncludeName("C:\\SRC\\c.hpp"));
    EXPECT_FALSE(IsIncludeName(""));
}

TEST_F(RecentListsTest, AnEditorCaptionIsCutAtItsViewNumber) {
    struct {
        const char* caption;
        const char* name;
    } cases[] = {
        {"C:\\SRC\\FILE.CPP:2", "C:\\SRC\\FILE.CPP"},
        {"C:\\SRC\\FILE.CPP", "C:\\SRC\\FILE.CPP"},
        {"C:\\", "C:\\"},
        {"a:b:c", "a:b"},
    };
    for (const auto& c : cases) {
        char name[64];
        std::snprintf(name, sizeof name, "%s", c.caption);
        CutEditorName(name);
        EXPECT_STREQ(name, c.name) << c.caption;
    }
}

TEST_F(RecentListsTest, ALoweredLimitCutsTheListAtOnce) {
    for (const char* p : {"P1.IDE", "P2.IDE", "P3.IDE", "P4.IDE", "P5.IDE"})
        RememberProject(p);
    SetRecentLimits(3, 50);
    EXPECT_EQ(Entries(Recent.projects), (std::vector<std::string>{"P5.IDE", "P4.IDE", "P3.IDE"}));
}

} // namespace
