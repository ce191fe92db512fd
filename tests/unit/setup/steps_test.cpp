#include "fake_port.h"
#include "recorders.h"
#include "temp_dir.h"

#include "platform/platform.h"
#include "setup/install_steps.h"

#include <gtest/gtest.h>

namespace qelvo {
namespace setup {
namespace {

using testing::FakePort;
using testing::ProgressRecorder;
using testing_support::MessageRecorder;
using testing_support::TempDir;
using Labels = std::vector<std::string>;

class Steps : public ::testing::Test {
protected:
    Steps() {
        platform::MakeDirectory(temp.File("BIN").c_str());
        temp.Write("BIN\\BCW.EXE", "stand-in");
        dirs.ide = temp.File("BIN");
        dirs.addon = temp.File("QELVO");
    }
    bool Run(int step) { return RunStep(step, dirs, port, progress); }
    // The only message shown, as a stop box owned by the dialog with the installer's title.
    void ExpectStop(const std::string& text) {
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, text);
        EXPECT_EQ(messages.messages[0].title, "Qelvo AddOn installation");
        EXPECT_EQ(messages.messages[0].flags, platform::kMbOk | platform::kMbIconStop);
        EXPECT_EQ(messages.messages[0].owner, port.owner);
        messages.messages.clear();
    }

    TempDir temp;
    Directories dirs;
    FakePort port;
    ProgressRecorder progress;
    MessageRecorder messages;
};

TEST_F(Steps, IdeDirectoryMustBeADirectoryHoldingBcwExe) {
    EXPECT_TRUE(Run(0));
    EXPECT_TRUE(messages.messages.empty());

    dirs.ide = temp.File("MISSING");
    EXPECT_FALSE(Run(0));
    ExpectStop("Wrong Borland C++ directory");

    dirs.ide = temp.File("BIN\\BCW.EXE"); // a file, not a directory
    EXPECT_FALSE(Run(0));
    ExpectStop("Wrong Borland C++ directory");

    platform::MakeDirectory(temp.File("EMPTY").c_str());
    dirs.ide = temp.File("EMPTY");
    EXPECT_FALSE(Run(0));
    ExpectStop("Cannot identify Borland C++ directory\n(BCW.EXE file does not exist).");

    dirs.ide = temp.File("BIN") + "\\"; // typed with a trailing backslash
    EXPECT_TRUE(Run(0));
}

TEST_F(Steps, OpenedIdeOrAddOnRegStopTheInstallation) {
    EXPECT_TRUE(Run(1));
    port.titles.insert("Borland C++ IDE AddOn Registry Editor");
    EXPECT_FALSE(Run(1));
    ExpectStop("You must close AddOnReg before installation");
    port.classes.insert("CPPFRAME");
    EXPECT_FALSE(Run(1));
    ExpectStop("You must close Borland C++ before installation");
}

TEST_F(Steps, VersionIsReadFromDialog12432OfBcwres) {
    EXPECT_TRUE(Run(2));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(port.askedDll, dirs.ide + "\\BCWRES.DLL");
    EXPECT_EQ(port.askedId, 12432);

    port.dialog = FakePort::AboutBox("Version 5.01");
    EXPECT_FALSE(Run(2));
    ExpectStop("You must use 5.02 version of Borland C++ !");
    port.dialog = FakePort::AboutBox("Version 5.02a");
    EXPECT_FALSE(Run(2));
    ExpectStop("You must use 5.02 version of Borland C++ !");
    port.dialog = FakePort::AboutBox("Release 5.02");
    EXPECT_FALSE(Run(2));
    ExpectStop("You must use 5.02 version of Borland C++ !");
}

TEST_F(Steps, EachFailingStageOfTheVersionReadHasItsMessage) {
    port.versionResult = kVersionNoLibrary;
    EXPECT_FALSE(Run(2));
    ExpectStop("This is not BCW.EXE 5.02 directory !\nMaybe an older version 1...\n(" + dirs.ide +
               "\\BCWRES.DLL)");
    port.versionResult = kVersionNoDialog;
    EXPECT_FALSE(Run(2));
    ExpectStop("This is not BCW.EXE 5.0 directory !\nMaybe an older version 2...)");
    port.versionResult = kVersionNotLoaded;
    EXPECT_FALSE(Run(2));
    ExpectStop("This is not BCW.EXE 5.0 directory !\nMaybe an older version 3...)");
    port.versionResult = kVersionNotLocked;
    EXPECT_FALSE(Run(2));
    ExpectStop("This is not BCW.EXE 5.0 directory !\nMaybe an older version 4...)");
}

TEST_F(Steps, AMissingAddonDirectoryIsCreatedOnlyWhenTheUserAgrees) {
    messages.Answer(platform::kIdNo);
    EXPECT_FALSE(Run(3));
    ASSERT_EQ(messages.messages.size(), 1u) << "No fails the step without a further message";
    EXPECT_EQ(messages.messages[0].text, dirs.addon + " directory does not exist ?\nCreate ?");
    EXPECT_EQ(messages.messages[0].title, "Qelvo AddOn installation");
    EXPECT_EQ(messages.messages[0].flags, platform::kMbYesNo | platform::kMbIconQuestion);
    EXPECT_EQ(messages.messages[0].owner, port.owner);
    EXPECT_FALSE(platform::GetFileStatus(dirs.addon.c_str()).exists);
    messages.messages.clear();

    messages.Answer(platform::kIdYes);
    EXPECT_TRUE(Run(3));
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(platform::GetFileStatus(dirs.addon.c_str()).isDirectory);
    messages.messages.clear();

    EXPECT_TRUE(Run(3)) << "an existing directory asks nothing";
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(Steps, AnAddonDirectoryThatCannotBeMadeOrIsAFileIsRefused) {
    dirs.addon = temp.File("NO\\SUCH\\QELVO"); // one level is created, not three
    messages.Answer(platform::kIdYes);
    EXPECT_FALSE(Run(3));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text, "Impossible to access " + dirs.addon + " directory !");
    EXPECT_EQ(messages.messages[1].flags, platform::kMbOk | platform::kMbIconStop);
    messages.messages.clear();

    dirs.addon = temp.File("BIN\\BCW.EXE");
    EXPECT_FALSE(Run(3));
    ExpectStop("Impossible to access " + dirs.addon + " directory !");
}

class Copies : public Steps {
protected:
    Copies() {
        platform::MakeDirectory(dirs.addon.c_str());
        port.payloads["FILEDLL"] = Bytes(40000, 7);
        port.payloads["FILEHLP"] = Bytes(16384, 3);
        port.payloads["FILECNT"] = ":Base QELVOADD.HLP\r\n";
    }
    static std::string Bytes(size_t size, int seed) {
        std::string bytes(size, '\0');
        for (size_t i = 0; i < size; ++i)
            bytes[i] = char((i * 31 + size_t(seed)) & 0xFF);
        return bytes;
    }
};

TEST_F(Copies, EachResourceGoesToItsFileByteForByte) {
    EXPECT_TRUE(Run(4));
    EXPECT_TRUE(Run(5));
    EXPECT_TRUE(Run(6));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(temp.Read("QELVO\\Qelvoadd.dll"), port.payloads["FILEDLL"]);
    EXPECT_EQ(temp.Read("QELVO\\QELVOADD.HLP"), port.payloads["FILEHLP"]);
    EXPECT_EQ(temp.Read("QELVO\\QELVOADD.CNT"), port.payloads["FILECNT"]);
    Labels once = {"Opening", "Reading", "Open target", "Writing", "Closing"};
    Labels thrice;
    for (int i = 0; i < 3; ++i)
        thrice.insert(thrice.end(), once.begin(), once.end());
    EXPECT_EQ(progress.labels, thrice);
}

TEST_F(Copies, BlocksOf16384WhileMoreRemainThenTheRest) {
    EXPECT_TRUE(Run(5));
    EXPECT_EQ(port.blocks, std::vector<size_t>{16384}) << "exactly 16384 bytes: one block";
    port.blocks.clear();
    EXPECT_TRUE(Run(4));
    EXPECT_EQ(port.blocks, (std::vector<size_t>{16384, 16384, 7232}));
    port.blocks.clear();
    port.payloads["FILECNT"] = Bytes(16385, 1);
    EXPECT_TRUE(Run(6));
    EXPECT_EQ(port.blocks, (std::vector<size_t>{16384, 1}));
    EXPECT_EQ(temp.Read("QELVO\\QELVOADD.CNT"), port.payloads["FILECNT"]);
    port.blocks.clear();
    port.payloads["FILECNT"] = "";
    EXPECT_TRUE(Run(6));
    EXPECT_TRUE(port.blocks.empty());
    EXPECT_TRUE(platform::FileExists(temp.File("QELVO\\QELVOADD.CNT").c_str()));
    EXPECT_EQ(temp.Read("QELVO\\QELVOADD.CNT"), "");
}

TEST(CopyBlocks, AShortBlockEndsTheLoop) {
    struct Writer : BlockWriter {
        size_t Write(const unsigned char*, size_t size) override {
            sizes.push_back(size);
            return sizes.size() == 2 ? size - 1 : size;
        }
        std::vector<size_t> sizes;
    } writer;
    std::string data(50000, 'x');
    EXPECT_FALSE(
        WriteInBlocks(writer, reinterpret_cast<const unsigned char*>(data.data()), data.size()));
    EXPECT_EQ(writer.sizes, (std::vector<size_t>{16384, 16384}));
}

TEST_F(Copies, EachFailingStageStopsTheCopyWithItsMessage) {
    port.payloads.erase("FILEDLL");
    EXPECT_FALSE(Run(4));
    ExpectStop("Cannot find ressource to copy");
    EXPECT_EQ(progress.labels, Labels{"Opening"});
    EXPECT_FALSE(platform::FileExists(temp.File("QELVO\\Qelvoadd.dll").c_str()));

    progress.labels.clear();
    port.failLoad = true;
    EXPECT_FALSE(Run(5));
    ExpectStop("Cannot load file to copy");
    EXPECT_EQ(progress.labels, (Labels{"Opening", "Reading"}));

    port.failLoad = false;
    port.failLock = true;
    EXPECT_FALSE(Run(5));
    ExpectStop("Cannot lock data file to copy");

    port.failLock = false;
    progress.labels.clear();
    dirs.addon = temp.File("GONE");
    EXPECT_FALSE(Run(6));
    ExpectStop("Cannot create target file");
    EXPECT_EQ(progress.labels, (Labels{"Opening", "Reading", "Open target"}));
}

TEST_F(Copies, AShortWriteClosesTheFileAndReportsWriteError) {
    port.shortWrite = 2;
    progress.labels.clear();
    EXPECT_FALSE(Run(4));
    ExpectStop("Write error");
    EXPECT_EQ(progress.labels, (Labels{"Opening", "Reading", "Open target", "Writing"}));
    EXPECT_EQ(port.blocks, (std::vector<size_t>{16384, 16384}));
    // The file was closed: it can be removed and written again.
    EXPECT_TRUE(platform::RemoveFile(temp.File("QELVO\\Qelvoadd.dll").c_str()));
    port.shortWrite = 0;
    EXPECT_TRUE(Run(4));
    EXPECT_EQ(temp.Read("QELVO\\Qelvoadd.dll"), port.payloads["FILEDLL"]);
}

TEST_F(Steps, RegistryGetsEnabledThenPathBelowTheAddOnsKey) {
    dirs.addon = "C:\\BC5\\QELVO";
    EXPECT_TRUE(Run(7));
    const std::string key = "SOFTWARE\\Borland\\Borland C++\\5.0\\Ide\\AddOns\\Qelvoadd";
    ASSERT_EQ(port.registry.size(), 2u);
    EXPECT_EQ(port.registry[0], std::make_tuple(key, std::string("Enabled"), std::string("Yes")));
    EXPECT_EQ(port.registry[1], std::make_tuple(key, std::string("Path"),
                                                std::string("C:\\BC5\\QELVO\\Qelvoadd.dll")));
    EXPECT_TRUE(messages.messages.empty());

    for (int failing : {1, 2}) {
        port.registry.clear();
        port.failRegistryAt = failing;
        EXPECT_FALSE(Run(7));
        ExpectStop("Cannot write registry database");
        EXPECT_EQ(port.registry.size(), size_t(failing)) << "nothing is written after a failure";
    }
}

TEST_F(Steps, NoStepOutsideZeroToSeven) {
    EXPECT_FALSE(Run(8));
    EXPECT_FALSE(Run(-1));
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace setup
} // namespace qelvo
