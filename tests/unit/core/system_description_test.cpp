#include "core/system_description.h"

#include <gtest/gtest.h>

using namespace qelvo;

TEST(OsText, ThePlatformsAndTheShells) {
    EXPECT_EQ(OsText(OsPlatform::Windows95, 4, 10), "Windows 95 (4.10)");
    EXPECT_EQ(OsText(OsPlatform::WindowsNT, 3, 51), "Windows NT 3.51");
    EXPECT_EQ(OsText(OsPlatform::Win32s, 3, 11), "Win32s on Windows 3.11");
    EXPECT_LE(OsText(OsPlatform::Win32s, -2147483647, -2147483647).size(), 39u);
    EXPECT_TRUE(IsNewShell(OsPlatform::Windows95, 4));
    EXPECT_TRUE(IsNewShell(OsPlatform::WindowsNT, 4));
    EXPECT_TRUE(IsNewShell(OsPlatform::WindowsNT, 10));
    EXPECT_FALSE(IsNewShell(OsPlatform::WindowsNT, 3));
    EXPECT_FALSE(IsNewShell(OsPlatform::Win32s, 3));
}
