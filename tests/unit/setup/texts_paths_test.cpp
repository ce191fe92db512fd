#include "setup/setup_paths.h"
#include "setup/setup_texts.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qelvo {
namespace setup {
namespace {

TEST(SetupTexts, StepLinesCarryNumberTotalLabelAndWord) {
    EXPECT_EQ(StepLine(0, StateWord(0)), "1/8\tVerify BC5 directory\t ");
    EXPECT_EQ(StepLine(1, StateWord(1)), "2/8\tVerify opened applications\tWorking");
    EXPECT_EQ(StepLine(2, StateWord(2)), "3/8\tVerify BC version 5.02\tOk");
    EXPECT_EQ(StepLine(3, StateWord(3)), "4/8\tCreate Qelvo directory\tWarning");
    EXPECT_EQ(StepLine(4, StateWord(4)), "5/8\tCopy QelvoAdd.dll\tError");
    EXPECT_EQ(StepLine(5, "Opening"), "6/8\tCopy QelvoAdd.hlp\tOpening");
    EXPECT_EQ(StepLine(6, "Closing"), "7/8\tCopy QelvoAdd.cnt\tClosing");
    EXPECT_EQ(StepLine(7, StateWord(2)), "8/8\tSet registry database entries\tOk");
    EXPECT_STREQ(kTitle, "Qelvo AddOn installation");
    EXPECT_EQ(StepLabel(8), nullptr);
    EXPECT_EQ(StepLabel(-1), nullptr);
    EXPECT_EQ(StateWord(5), nullptr);
}

TEST(SetupPaths, AddonDirectoryReplacesTheLastPartWithQelvo) {
    EXPECT_EQ(DeriveAddonDirectory("C:\\BC5\\BIN"), "C:\\BC5\\QELVO");
    EXPECT_EQ(DeriveAddonDirectory("C:\\BC5\\BIN\\"), "C:\\BC5\\BIN\\QELVO");
    EXPECT_EQ(DeriveAddonDirectory("BIN"), "QELVO");
    EXPECT_EQ(DeriveAddonDirectory(""), "QELVO");
    EXPECT_EQ(DeriveAddonDirectory("C:\\"), "C:\\QELVO");
    EXPECT_EQ(DeriveAddonDirectory("c:\\BC5\\"), "c:\\BC5\\QELVO");
    // Forward slashes are not separators for the installer.
    EXPECT_EQ(DeriveAddonDirectory("C:/BC5/BIN"), "QELVO");
}

TEST(SetupPaths, BoundedCopyCutsToTheBuffer) {
    char buffer[6];
    std::memset(buffer, 'x', sizeof buffer);
    CopyBounded(buffer, sizeof buffer, "C:\\BC5\\BIN");
    EXPECT_STREQ(buffer, "C:\\BC");
    CopyBounded(buffer, sizeof buffer, "ab");
    EXPECT_STREQ(buffer, "ab");
    CopyBounded(buffer, 1, "ab");
    EXPECT_STREQ(buffer, "");
}

} // namespace
} // namespace setup
} // namespace qelvo
