// The system's names (FindText among them) must survive <windows.h> included first, as shell
// files include it.
#ifdef _WIN32
#include <windows.h>
#endif

#include "foundation/qstring.h"
#include "foundation/tableau.h"
#include "foundation/text_utils.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

TEST(Headers, ProjectHeadersAfterWindowsHeader) {
    EXPECT_EQ(qelvo::FindText("abc", "c"), 2);
    qelvo::String s("x");
    EXPECT_EQ(s.Length(), 1u);
}
