// Per-project options on the stand-in IDE's project: exact sizes and encodings, and defaults
// for what is absent or of the wrong size.
#include "foundation/project_options.h"
#include "stand_in_ide.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

using namespace qelvo;
using qelvo::testing_support::TempDir;

namespace {

class ProjectOptions : public ::testing::Test {
protected:
    void SetUp() override {
        std::string file = dir.Write("APP.IDE", "QelvoStandInProject 1\nNode\n  Name \"APP.IDE\"\nEnd\n");
        ASSERT_TRUE(ide.Projects().Open(file));
        projects = ide::QueryService<ide::ProjectService>(ide.Services());
        ASSERT_NE(projects, nullptr);
        BindProjectOptions(ide.Services(), projects);
    }
    void TearDown() override {
        BindProjectOptions(nullptr, nullptr);
        projects->Release();
    }
    std::string Stored(const char* name) {
        host::Project* p = ide.Projects().Current();
        const host::NodeOption* o = p->Option(p->Top(), name);
        return o ? std::string(o->bytes.begin(), o->bytes.end()) : std::string("<absent>");
    }
    void Store(const char* name, const std::string& bytes) {
        host::Project* p = ide.Projects().Current();
        ASSERT_TRUE(p->SetOption(p->Top(), name, bytes.data(), bytes.size()));
    }

    TempDir dir;
    host::StandInIde ide;
    ide::ProjectService* projects = nullptr;
};

} // namespace

TEST_F(ProjectOptions, IntegersAreFourLittleEndianBytes) {
    SetProjectInt("Qelvo_NB_ODR", 3);
    EXPECT_EQ(Stored("Qelvo_NB_ODR"), std::string("\x03\x00\x00\x00", 4));
    SetProjectInt("Qelvo_HIERARCH", -2);
    EXPECT_EQ(Stored("Qelvo_HIERARCH"), std::string("\xfe\xff\xff\xff", 4));
    EXPECT_EQ(GetProjectInt("Qelvo_NB_ODR", 0), 3);
    EXPECT_EQ(GetProjectInt("Qelvo_HIERARCH", 0), -2);
}

TEST_F(ProjectOptions, AnIntegerOfAnotherSizeIsIgnored) {
    Store("Qelvo_GenRC", std::string("\x01\x00\x00", 3));
    EXPECT_EQ(GetProjectInt("Qelvo_GenRC", 7), 7);
    Store("Qelvo_GenRC", std::string("\x01\x00\x00\x00\x00", 5));
    EXPECT_EQ(GetProjectInt("Qelvo_GenRC", 7), 7);
    EXPECT_EQ(GetProjectInt("Qelvo_Absent", 9), 9);
}

TEST_F(ProjectOptions, TextsCarryTheirPrefixAndTerminator) {
    SetProjectText("Qelvo_HTMLFI", '~', "*.c");
    EXPECT_EQ(Stored("Qelvo_HTMLFI"), std::string("~*.c\0", 5));
    SetProjectText("Qelvo_MAIL_PJ_0", '+', "alice@example.com");
    EXPECT_EQ(Stored("Qelvo_MAIL_PJ_0").size(), 19u);
    String out;
    GetProjectText("Qelvo_HTMLFI", out, "*.cpp;*.h");
    EXPECT_STREQ(out.c_str(), "*.c");
    GetProjectText("Qelvo_MAIL_PJ_0", out, "");
    EXPECT_STREQ(out.c_str(), "alice@example.com");
}

TEST_F(ProjectOptions, EmptyTextIsNotTheDefault) {
    Store("QelvoGroupwareServer", std::string("~\0", 2));
    String out("x");
    GetProjectText("QelvoGroupwareServer", out, "default");
    EXPECT_STREQ(out.c_str(), "");
    GetProjectText("Qelvo_Absent", out, "default");
    EXPECT_STREQ(out.c_str(), "default");
}

TEST_F(ProjectOptions, ATextWithoutTerminatorIsReadWithinItsSize) {
    Store("Qelvo_ODR_TYP_0", std::string("+abc", 4));
    String out;
    GetProjectText("Qelvo_ODR_TYP_0", out, "");
    EXPECT_STREQ(out.c_str(), "abc");
    Store("Qelvo_ODR_TYP_1", std::string("+", 1));
    GetProjectText("Qelvo_ODR_TYP_1", out, "dflt");
    EXPECT_STREQ(out.c_str(), "");
}

TEST(ProjectOptionsWithoutProject, DefaultsAndNothingWritten) {
    host::StandInIde ide;
    ide::ProjectService* projects = ide::QueryService<ide::ProjectService>(ide.Services());
    BindProjectOptions(ide.Services(), projects);
    SetProjectInt("Qelvo_HIERARCH", 1);
    EXPECT_EQ(GetProjectInt("Qelvo_HIERARCH", 5), 5);
    String out;
    GetProjectText("Qelvo_HTMLFI", out, "*.cpp;*.h");
    EXPECT_STREQ(out.c_str(), "*.cpp;*.h");
    BindProjectOptions(nullptr, nullptr);
    EXPECT_EQ(GetProjectInt("Qelvo_HIERARCH", 4), 4);
    if (projects)
        projects->Release();
}
