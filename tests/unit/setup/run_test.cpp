#include "fake_port.h"
#include "recorders.h"
#include "temp_dir.h"

#include "setup/install_run.h"

#include <gtest/gtest.h>

namespace qelvo {
namespace setup {
namespace {

using testing::FakePort;
using testing_support::MessageRecorder;
using testing_support::TempDir;

// A list box: lines in order, the selection, and every operation as text.
class FakeList : public StepList {
public:
    void Append(const std::string& line) override {
        lines.push_back(line);
        log.push_back("append " + line);
    }
    void Delete(int index) override {
        ASSERT_GE(index, 0);
        ASSERT_LT(size_t(index), lines.size());
        lines.erase(lines.begin() + index);
        log.push_back("delete " + std::to_string(index));
    }
    void Select(int index) override {
        selected = index;
        log.push_back("select " + std::to_string(index));
    }
    std::vector<std::string> lines, log;
    int selected = -1;
};

class Run : public ::testing::Test {
protected:
    Run() : run(list, port) {
        platform::MakeDirectory(temp.File("BIN").c_str());
        platform::MakeDirectory(temp.File("QELVO").c_str());
        temp.Write("BIN\\BCW.EXE", "stand-in");
        dirs.ide = temp.File("BIN");
        dirs.addon = temp.File("QELVO");
        port.payloads = {{"FILEDLL", "dll"}, {"FILEHLP", "hlp"}, {"FILECNT", "cnt"}};
    }
    // Run messages until the run ends; returns how many were handled.
    int Drive() {
        run.Start();
        int messages = 1;
        while (run.Advance(dirs)) {
            ++messages;
            if (messages > 1000) break;
        }
        return messages;
    }

    TempDir temp;
    Directories dirs;
    FakePort port;
    FakeList list;
    MessageRecorder messages;
    InstallRun run;
};

TEST_F(Run, AllEightStepsEndOk) {
    EXPECT_EQ(Drive(), 8 * 3) << "each step: appended, worked, marked";
    EXPECT_EQ(list.lines, (std::vector<std::string>{
                              "1/8\tVerify BC5 directory\tOk",
                              "2/8\tVerify opened applications\tOk",
                              "3/8\tVerify BC version 5.02\tOk",
                              "4/8\tCreate Qelvo directory\tOk",
                              "5/8\tCopy QelvoAdd.dll\tOk",
                              "6/8\tCopy QelvoAdd.hlp\tOk",
                              "7/8\tCopy QelvoAdd.cnt\tOk",
                              "8/8\tSet registry database entries\tOk",
                          }));
    EXPECT_EQ(list.selected, 7);
    EXPECT_FALSE(run.restart);
    EXPECT_TRUE(run.Ended());
    EXPECT_EQ(run.step(), 8);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(run.Advance(dirs)) << "an ended run stays ended";
}

TEST_F(Run, EachStepAppendsThenReplacesItsLine) {
    Drive();
    std::vector<std::string> first(list.log.begin(), list.log.begin() + 8);
    EXPECT_EQ(first, (std::vector<std::string>{
                         "append 1/8\tVerify BC5 directory\t ", "select 0", "delete 0",
                         "append 1/8\tVerify BC5 directory\tWorking", "select 0", "delete 0",
                         "append 1/8\tVerify BC5 directory\tOk", "select 0"}));
    // A copy shows its sub-actions in the last column as each begins.
    std::vector<std::string> copy;
    for (const auto& entry : list.log)
        if (entry.rfind("append 5/8", 0) == 0)
            copy.push_back(entry.substr(std::string("append 5/8\tCopy QelvoAdd.dll\t").size()));
    EXPECT_EQ(copy, (std::vector<std::string>{" ", "Working", "Opening", "Reading", "Open target",
                                              "Writing", "Closing", "Ok"}));
}

TEST_F(Run, AFailingStepMarksErrorStopsAndAsksForRestart) {
    port.classes.insert("CPPFRAME");
    int handled = Drive();
    EXPECT_EQ(handled, 3 + 3) << "step 0 whole, step 1 appended, worked, marked Error";
    EXPECT_EQ(list.lines, (std::vector<std::string>{"1/8\tVerify BC5 directory\tOk",
                                                    "2/8\tVerify opened applications\tError"}));
    EXPECT_TRUE(run.restart);
    EXPECT_EQ(run.step(), 1001);
    EXPECT_EQ(run.subState(), 0);
    EXPECT_TRUE(run.Ended());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "You must close Borland C++ before installation");
    // Nothing ran after the failure.
    EXPECT_TRUE(port.registry.empty());
}

TEST_F(Run, AFailureLateInTheRunKeepsWhatEarlierStepsDid) {
    port.failRegistryAt = 1;
    Drive();
    EXPECT_EQ(list.lines.back(), "8/8\tSet registry database entries\tError");
    EXPECT_EQ(run.step(), 1007);
    EXPECT_EQ(temp.Read("QELVO\\Qelvoadd.dll"), "dll");
    EXPECT_EQ(temp.Read("QELVO\\QELVOADD.CNT"), "cnt");
}

TEST_F(Run, StartingAgainBeginsAtStepZero) {
    port.classes.insert("CPPFRAME");
    Drive();
    port.classes.clear();
    run.restart = false; // the dialog shows again with a fresh list
    list.lines.clear();
    Drive();
    EXPECT_EQ(list.lines.size(), 8u);
    EXPECT_EQ(run.step(), 8);
}

} // namespace
} // namespace setup
} // namespace qelvo
