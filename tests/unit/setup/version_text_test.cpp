#include "setup/version_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qelvo {
namespace setup {
namespace {

// Bytes of a resource holding `text` as 16-bit characters (little-endian), zeros included.
std::vector<unsigned char> Wide(const std::string& text) {
    std::vector<unsigned char> bytes;
    for (char c : text) {
        bytes.push_back(static_cast<unsigned char>(c));
        bytes.push_back(0);
    }
    return bytes;
}

std::string Find(const std::vector<unsigned char>& bytes, bool* found = nullptr) {
    std::string version = "unchanged";
    bool ok = FindVersionText(bytes.data(), bytes.size(), version);
    if (found) *found = ok;
    return ok ? version : "<none>";
}

TEST(VersionText, FindsTheTextAfterVersionUpToTheNextZero) {
    static const char kDialog[] = "\x01\x02"
                                  "About Borland C++\0Borland C++\0Version 5.02\0OK\0";
    std::string dialog(kDialog, sizeof kDialog);
    EXPECT_EQ(Find(Wide(dialog)), "5.02");
    EXPECT_EQ(Find(Wide(std::string("Version 5.01\0tail", 17))), "5.01");
}

TEST(VersionText, SkipsAnEmptyVersionAndTakesTheNextOne) {
    std::string dialog("Version \0Version 5.02\0\0\0", 24);
    EXPECT_EQ(Find(Wide(dialog)), "5.02");
}

TEST(VersionText, OnlyTheLowByteOfEachCharacterCounts) {
    auto bytes = Wide(std::string("Version 5.02\0\0", 14));
    bytes[1] = 0x04; // 'V' with a high byte: still 'V'
    EXPECT_EQ(Find(bytes), "5.02");
}

TEST(VersionText, TheLastCharacterIsNeverRead) {
    // size / 2 - 1 characters are copied: the final '2' is dropped, the text ends there.
    EXPECT_EQ(Find(Wide("xxVersion 5.02")), "5.0");
    // "Version " followed by its text only in the dropped character: no version.
    bool found = true;
    EXPECT_EQ(Find(Wide("xxxxxxxxVersion 5"), &found), "<none>");
    EXPECT_FALSE(found);
}

TEST(VersionText, NoVersionInShortOrOddResources) {
    EXPECT_EQ(Find({}), "<none>");
    EXPECT_EQ(Find(Wide("Version")), "<none>");
    EXPECT_EQ(Find(Wide("Version ")), "<none>");
    EXPECT_EQ(Find(Wide("nothing to see here at all")), "<none>");
    auto odd = Wide(std::string("Version 5.02\0\0", 14));
    odd.push_back('9'); // an odd trailing byte is ignored
    EXPECT_EQ(Find(odd), "5.02");
    std::string version;
    EXPECT_FALSE(FindVersionText(nullptr, 10, version)) << "null data";
}

TEST(VersionText, ASearchStartsBelowHalfTheSizeMinusEight) {
    // "Version " must start below size/2 - 8: with 9 characters after it there is room.
    EXPECT_EQ(Find(Wide(std::string("Version 5\0\0", 11))), "5");
}

} // namespace
} // namespace setup
} // namespace qelvo
