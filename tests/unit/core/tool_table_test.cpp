#include "core/tool_table.h"

#include <gtest/gtest.h>

using namespace qelvo;

TEST(ToolTable, EightRowsInOrder) {
    ToolTable table;
    ASSERT_EQ(table.count, 8);
    const char* names[] = {"RunExecutable",  "EditText",       "Project",
                           "ClassExpert",    "EditResource",   "EditBitmapFile",
                           "EditCursorFile", "EditIconFile"};
    for (int i = 0; i < 8; ++i)
        EXPECT_STREQ(table.At(i)->name.c_str(), names[i]);
}

TEST(ToolTable, FindTool) {
    ToolTable table;
    String viewer("x");
    EXPECT_STREQ(table.FindTool(".CPP", viewer), "EditText") << "case-sensitive: no row";
    EXPECT_STREQ(viewer.c_str(), "BCW5Editor");
    EXPECT_STREQ(table.FindTool(".rc", viewer), "EditResource");
    EXPECT_STREQ(viewer.c_str(), "BCW5RWProject");
    EXPECT_STREQ(table.FindTool(".exe", viewer), "RunExecutable");
    EXPECT_STREQ(viewer.c_str(), "");
    EXPECT_STREQ(table.FindTool(".c", viewer), "EditText");
    EXPECT_STREQ(viewer.c_str(), "BCW5Editor");
    EXPECT_STREQ(table.FindTool("AppExpertDll", viewer), "ClassExpert");
    EXPECT_STREQ(table.FindTool("AppExpert", viewer), "ClassExpert");
    EXPECT_STREQ(table.FindTool(".ico", viewer), "EditIconFile");
    EXPECT_STREQ(viewer.c_str(), "BCW5RWGroupIcon");
    EXPECT_STREQ(table.FindTool(".ide", viewer), "Project");
    EXPECT_STREQ(table.FindTool("", viewer), "EditText");
    EXPECT_STREQ(table.FindTool(".xyz", viewer), "EditText");
}

TEST(ToolTable, APartOfAKindIsNoKind) {
    ToolTable table;
    String viewer;
    // ".rle" is listed; "rle" without its dot, or ".r", is not.
    EXPECT_STREQ(table.FindTool(".r", viewer), "EditText");
    EXPECT_STREQ(table.FindTool("AppExpertD", viewer), "EditText");
}
