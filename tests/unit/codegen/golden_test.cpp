// Golden cases: each folder of tests/golden/codegen holds a project (input/) and every file one
// Make with both switches on writes or changes in it (expected/, stored with LF line ends).
// QELVO_UPDATE_GOLDEN=1 rewrites the expectations from the current output instead of comparing.
#include "codegen_test_support.h"
#include "platform/platform.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using namespace qelvo;
using qelvo::codegen::DialogGenerator;
using qelvo::testing_support::GoldenCase;
using qelvo::testing_support::PlatformLines;
using qelvo::testing_support::ReadTree;
using qelvo::testing_support::SourcePath;
using qelvo::testing_support::TempDir;
using qelvo::testing_support::UnixLines;

namespace {

std::vector<std::string> Cases() {
    std::vector<platform::DirEntry> entries;
    platform::ListDirectory((SourcePath("tests/golden/codegen") + "\\*").c_str(), true, entries);
    std::vector<std::string> names;
    for (const platform::DirEntry& entry : entries)
        if (entry.isDirectory && entry.name[0] != '.') names.push_back(entry.name);
    return names;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool IsVersionFile(const std::string& relative) {
    return EndsWith(relative, "VERSION.RC") || EndsWith(relative, "VERSION.BAK");
}

bool Updating() {
    const char* flag = std::getenv("QELVO_UPDATE_GOLDEN");
    return flag && std::string(flag) == "1";
}

bool WriteFile(const std::string& root, const std::string& relative, const std::string& bytes) {
    // Make the folders on the way.
    platform::MakeDirectory(root.c_str());
    for (size_t at = relative.find('\\'); at != std::string::npos; at = relative.find('\\', at + 1))
        platform::MakeDirectory((root + "\\" + relative.substr(0, at)).c_str());
    FILE* file = platform::OpenFile((root + "\\" + relative).c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

// The files one Make wrote or changed below the project, by relative path.
std::map<std::string, std::string> RunMake(const std::string& caseDirectory,
                                           const std::string& project) {
    std::map<std::string, std::string> input = ReadTree(caseDirectory + "\\input");
    DialogGenerator generator;
    generator.enabled = 1;
    generator.versionEnabled = 1;
    generator.GenerateForProject(project.c_str());
    std::map<std::string, std::string> produced;
    for (const auto& file : ReadTree(project)) {
        auto before = input.find(file.first);
        if (before == input.end() || before->second != file.second)
            produced[file.first] = file.second;
    }
    return produced;
}

class Golden : public testing::TestWithParam<std::string> {};

} // namespace

TEST(GoldenCases, AreThere) {
    EXPECT_GE(Cases().size(), 4u);
}

TEST_P(Golden, OneMakeWritesTheExpectedFiles) {
    std::string caseDirectory = GoldenCase(GetParam());
    TempDir work;
    std::string project = work.File("project");
    ASSERT_TRUE(testing_support::CopyTree(caseDirectory + "\\input", project));
    std::map<std::string, std::string> produced = RunMake(caseDirectory, project);
    std::string expectedRoot = caseDirectory + "\\expected";
    std::map<std::string, std::string> expected = ReadTree(expectedRoot);

    if (Updating()) {
        for (const auto& file : expected)
            if (!produced.count(file.first))
                platform::RemoveFile((expectedRoot + "\\" + file.first).c_str());
        for (const auto& file : produced)
            ASSERT_TRUE(WriteFile(expectedRoot, file.first, UnixLines(file.second))) << file.first;
        std::printf("updated %s\n", platform::NativePath(expectedRoot.c_str()).c_str());
        return;
    }

    for (const auto& file : produced) {
        auto want = expected.find(file.first);
        if (want == expected.end()) {
            ADD_FAILURE() << "unexpected file " << file.first;
            continue;
        }
        EXPECT_EQ(UnixLines(file.second), want->second) << file.first;
        // Generated files are written in text mode: CR LF on Windows, LF elsewhere. A version
        // file keeps the line ends it had (the inputs' are LF), and its backup is the old
        // content byte for byte.
        if (IsVersionFile(file.first))
            EXPECT_EQ(file.second, want->second) << file.first;
        else
            EXPECT_EQ(file.second, PlatformLines(UnixLines(file.second))) << file.first;
    }
    for (const auto& file : expected)
        EXPECT_TRUE(produced.count(file.first)) << "missing " << file.first;
}

INSTANTIATE_TEST_SUITE_P(Codegen, Golden, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });
