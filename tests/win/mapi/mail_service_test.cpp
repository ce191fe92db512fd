// The add-on's mail service through MAPI32.DLL: with the stand-in, each mail becomes an .eml
// file in the outbox; in a prefix where no MAPI library loads (QELVO_NO_MAPI set, mapi32
// disabled), the "MAPI not present !" box.
#include "core/mail.h"
#include "foundation/qstring.h"
#include "memory_registry.h"
#include "recorders.h"
#include "temp_dir.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

using namespace qelvo;
using testing_support::MessageRecorder;

namespace {

std::string Outbox() {
    char path[MAX_PATH] = {};
    GetEnvironmentVariableA("QELVO_MAIL_OUTBOX", path, sizeof path);
    return path;
}

bool NoMapi() {
    return GetEnvironmentVariableA("QELVO_NO_MAPI", nullptr, 0) != 0;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class MailSend : public ::testing::Test {
protected:
    void SetUp() override {
        if (NoMapi()) GTEST_SKIP() << "a prefix without MAPI";
        outbox = Outbox();
        ASSERT_FALSE(outbox.empty());
        CreateDirectoryA(outbox.c_str(), nullptr);
        for (int n = 1; n < 20; ++n)
            DeleteFileA(MailFile(n).c_str());
        for (const char* who : {"alice@example.com", "bob@example.com"})
            mail.recipients.Append(new String(who));
    }
    std::string MailFile(int n) const {
        char name[32];
        wsprintfA(name, "\\mail-%04d.eml", n);
        return outbox + name;
    }
    std::string Body(int n) const {
        std::string text = testing_support::ReadWholeFile(MailFile(n));
        size_t at = text.find("\r\n\r\n");
        return at == std::string::npos ? std::string() : text.substr(at + 4);
    }
    std::string Header(int n, const char* name) const {
        std::string text = testing_support::ReadWholeFile(MailFile(n));
        size_t at = text.find(std::string("\r\n") + name + ": ");
        if (at == std::string::npos) return std::string();
        at += std::string(name).size() + 4;
        return text.substr(at, text.find("\r\n", at) - at);
    }

    testing_support::MemoryRegistry registry;
    MessageRecorder messages;
    testing_support::TempDir dir;
    std::string outbox;
    MailService mail;
};

TEST_F(MailSend, AFileOfThreeLinesIsAppendedWithTheTrailerAndDeletedAfterTheSend) {
    std::string file = dir.Write("LOG.TXT", "APP.EXE\r\nAPP.HLP\r\nAPP.TXT\r\n");
    EXPECT_EQ(mail.SendMail(nullptr, "Delivery report", "Delivered files:\n", file.c_str()), 1);
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_TRUE(Exists(MailFile(1)));
    EXPECT_EQ(Body(1), "Delivered files:\r\nAPP.EXE\r\nAPP.HLP\r\nAPP.TXT\r\n" +
                           std::string(70, '-') + "\r\nThat's all folks !\r\n");
    EXPECT_EQ(Header(1, "To"), "alice@example.com, bob@example.com");
    EXPECT_EQ(Header(1, "Subject"), "Delivery report");
    EXPECT_EQ(Header(1, "X-Qelvo-MAPI-Flags"), "0x1") << "logon allowed, no dialog";
    EXPECT_FALSE(Exists(file)) << "deleted once sent";
}

TEST_F(MailSend, WithoutFileNoDashedLineAndThePromptSettingAsksForTheDialog) {
    mail.control = 1;
    EXPECT_EQ(mail.SendMail(nullptr, "Task done", "Done.\n", nullptr), 1);
    EXPECT_EQ(Body(1), "Done.\r\n");
    EXPECT_EQ(Header(1, "X-Qelvo-MAPI-Flags"), "0x9") << "logon and the mail client's dialog";
}

TEST_F(MailSend, AFailedSendKeepsTheFile) {
    std::string file = dir.Write("LOG.TXT", "one\n");
    SetEnvironmentVariableA("QELVO_MAIL_OUTBOX", nullptr); // the stand-in cannot deliver
    EXPECT_EQ(mail.SendMail(nullptr, "Lost", "x\n", file.c_str()), 0);
    SetEnvironmentVariableA("QELVO_MAIL_OUTBOX", outbox.c_str());
    EXPECT_TRUE(Exists(file));
    EXPECT_FALSE(Exists(MailFile(1)));
    EXPECT_TRUE(messages.messages.empty()) << "the callers tell of it";
}

TEST(NoMapi, NotPresentAndTheFileKept) {
    if (!NoMapi()) GTEST_SKIP() << "run in a prefix without MAPI";
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
    EXPECT_EQ(messages.messages[0].owner, nullptr);
    EXPECT_TRUE(Exists(file));
}

} // namespace
