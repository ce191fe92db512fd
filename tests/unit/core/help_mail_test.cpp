// The help service (its file's name, the "Fatal" box, the topics asked for and the one quit) and
// the mail body with its appended file; without a MAPI library, nothing is sent.
#include "core/help.h"
#include "core/mail.h"
#include "memory_registry.h"
#include "recorders.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qelvo;
using testing_support::MessageRecorder;

namespace {

std::string moduleName;
std::vector<std::string> helpCalls;
int endedWith = -1;

std::string Module(void*) {
    return moduleName;
}
bool WinHelp(void* owner, const char* file, unsigned command, uintptr_t data) {
    helpCalls.push_back(std::string(file) + " " + std::to_string(command) + " " +
                        std::to_string(data) + (owner ? " owned" : ""));
    return true;
}
void End(int code) {
    endedWith = code;
}

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = HelpSystem;
        HelpSystem = {Module, WinHelp, End};
        helpCalls.clear();
        endedWith = -1;
    }
    void TearDown() override { HelpSystem = saved; }
    HelpCalls saved;
    MessageRecorder messages;
    int window = 0;
};

TEST(HelpFileFor, ReplacesTheLastThreeCharactersAfterTheDot) {
    const struct {
        const char* module;
        const char* help; // null: none
    } cases[] = {
        {"C:\\BC5\\QELVO\\Qelvoadd.dll", "C:\\BC5\\QELVO\\Qelvoadd.hlp"},
        {"C:\\BC5\\QELVO\\QELVOADD.DLL", "C:\\BC5\\QELVO\\QELVOADD.hlp"},
        {".dll", ".hlp"},
        {"dll", nullptr},
        {"C:\\QELVO\\QELVOADD", nullptr},
        {"C:\\QELVO\\ADDON.DL", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        char out[299] = "unchanged";
        EXPECT_EQ(HelpFileFor(c.module, out, sizeof out), c.help != nullptr) << c.module;
        if (c.help) {
            EXPECT_STREQ(out, c.help);
        }
    }
}

TEST_F(HelpTest, ShowHelpTwiceOpensTwiceAndStoppingQuitsOnce) {
    moduleName = "C:\\BC5\\QELVO\\Qelvoadd.dll";
    {
        HelpService help(nullptr, &window);
        EXPECT_EQ(help.opened, 0);
        help.ShowHelp(1);
        help.ShowHelp(3);
        EXPECT_EQ(help.opened, 1);
    }
    EXPECT_EQ(helpCalls, (std::vector<std::string>{"C:\\BC5\\QELVO\\Qelvoadd.hlp 1 1 owned",
                                                   "C:\\BC5\\QELVO\\Qelvoadd.hlp 1 3 owned",
                                                   "C:\\BC5\\QELVO\\Qelvoadd.hlp 2 0 owned"}));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HelpTest, NoQuitWhenHelpWasNeverShown) {
    moduleName = "C:\\BC5\\QELVO\\Qelvoadd.dll";
    { HelpService help(nullptr, &window); }
    EXPECT_TRUE(helpCalls.empty());
}

TEST_F(HelpTest, AModuleNameWithoutItsDotIsFatal) {
    moduleName = "C:\\BC5\\QELVO\\QELVOADD";
    HelpService help(nullptr, &window);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "You can't use Qelvo AddOn for Borland C++ 5.0\nwithout its helpfile !");
    EXPECT_EQ(messages.messages[0].title, "Fatal");
    EXPECT_EQ(messages.messages[0].flags, 0x10u) << "stop icon, OK button";
    EXPECT_EQ(messages.messages[0].owner, nullptr);
    EXPECT_EQ(endedWith, 0);
}

TEST(MailBody, AFileOfThreeLinesEndsWithTheTrailer) {
    testing_support::TempDir dir;
    std::string file = dir.Write("LOG.TXT", "one\ntwo\nthree\n");
    EXPECT_EQ(MailBody("Delivery of APP\n", file.c_str()), "Delivery of APP\none\ntwo\nthree\n" +
                                                               std::string(70, '-') +
                                                               "\nThat's all folks !\n");
}

TEST(MailBody, WithoutFileOrAnUnreadableOneTheTextAlone) {
    testing_support::TempDir dir;
    EXPECT_EQ(MailBody("Hello\n", nullptr), "Hello\n");
    EXPECT_EQ(MailBody("Hello\n", dir.File("MISSING.TXT").c_str()), "Hello\n");
}

TEST(MailBody, ALastLineWithoutItsEndIsEndedBeforeTheDashes) {
    testing_support::TempDir dir;
    std::string file = dir.Write("LOG.TXT", "one\n" + std::string(1500, 'x'));
    EXPECT_EQ(MailBody("", file.c_str()), "one\n" + std::string(1500, 'x') + "\n" +
                                              std::string(70, '-') + "\nThat's all folks !\n");
}

#ifndef _WIN32
TEST(SendMail, WithoutAMapiLibraryNothingIsSentAndTheFileIsKept) {
    testing_support::MemoryRegistry registry;
    MessageRecorder messages;
    testing_support::TempDir dir;
    std::string file = dir.Write("LOG.TXT", "one\n");
    MailService mail;
    EXPECT_EQ(mail.SendMail(nullptr, "Subject", "Text", file.c_str()), 0);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "MAPI not present !");
    EXPECT_EQ(messages.messages[0].title, "Qelvo AddOn error");
    EXPECT_EQ(messages.messages[0].flags, 0x10u);
    EXPECT_TRUE(platform::FileExists(file.c_str()));
}
#endif

} // namespace
