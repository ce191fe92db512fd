// The groupware in the stand-in IDE with the real add-on loaded from the registry: developer A's
// Send and Get windows driven through their buttons and list over one server directory, then a
// full round (A gets a file with lock, edits it, sends and unlocks it; B refreshes it), with the
// report mails written by the MAPI stand-in.
#include "../addon_session.h"
#include "platform/platform.h"
#include "session.h"
#include "temp_dir.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace qelvo {
namespace automation {
namespace {

using testing_support::TempDir;

// A mail's text with the quoted-printable soft breaks taken out.
std::string Mail(const std::string& path) {
    std::string mail = testing_support::ReadWholeFile(path);
    for (const char* softBreak : {"=\r\n", "=\n"})
        for (size_t at; (at = mail.find(softBreak)) != std::string::npos;)
            mail.erase(at, std::strlen(softBreak));
    return mail;
}

struct Team {
    TempDir dir;
    std::string server = dir.File("SERVER"), a = dir.File("A"), b = dir.File("B");
    Team() {
        for (const std::string& d : {server, a, b})
            platform::MakeDirectory(d.c_str());
        for (const std::string& d : {a, b})
            dir.Write(d.substr(dir.path().size() + 1) + "\\APP.IDE",
                      "QelvoStandInProject 1\nNode\n  Name \"APP\"\n  Type \".ide\"\n" +
                          TextOption("QelvoGroupwareServer", server, '~') +
                          "  Option \"Qelvo_NB_MAIL\" 4 01000000\n" +
                          TextOption("Qelvo_MAIL_PJ_0", "team@example.com") + "End\n");
    }
    // where\name holding the bytes, dated 2024-03-05 at hh:00, read-only when asked.
    void Put(const std::string& where, const char* name, const std::string& bytes, int hour,
             bool readOnly) {
        const std::string path = where + "\\" + name;
        platform::SetReadOnly(path.c_str(), false);
        dir.Write(path.substr(dir.path().size() + 1), bytes);
        platform::SetFileDosTime(path.c_str(), platform::PackDosDate(2024, 3, 5),
                                 platform::PackDosTime(hour, 0, 0));
        platform::SetReadOnly(path.c_str(), readOnly);
    }
    bool ReadOnly(const std::string& where, const char* name) {
        return platform::GetFileStatus((where + "\\" + name).c_str()).readOnly;
    }
    std::string Read(const std::string& where, const char* name) {
        return testing_support::ReadWholeFile(where + "\\" + name);
    }
    // One developer's session on the project in directory, playing the script.
    void Play(const std::string& project, const std::string& script) {
        SetCurrentDirectoryA(project.c_str());
        StandInSession session;
        ASSERT_TRUE(session.Start());
        ScriptResult result = PlayScript(session, "project APP.IDE\n" + script, "test", dir.path(),
                                         EngineOptions(), 120000);
        EXPECT_TRUE(result.passed) << Text(result.transcript);
        EXPECT_TRUE(session.Close());
    }
};

const char* const kSend = "Groupware send";
const char* const kGet = "Groupware get";

// A step on a window, its words quoted; in list lines '|' stands for the tab.
std::string Step(const char* step, const char* window, std::vector<std::string> words = {}) {
    std::string line = std::string(step) + " \"" + window + "\"";
    for (std::string word : words) {
        for (size_t at; (at = word.find('|')) != std::string::npos;)
            word.replace(at, 1, "\\t");
        line += " \"" + word + "\"";
    }
    return line + "\n";
}

TEST(GroupwareSession, SendAndGetWindowsFollowTheirRulesAndMailTheirReports) {
    RegisteredAddon installed(QELVO_ADDON_DLL);
    SetValue(std::string(kAddonKey) + "\\Groupware", "MailOnGet", "1");
    Team t;
    t.Put(t.a, "ro.cpp", "not mine", 12, true); // read-only here: never offered
    t.Put(t.a, "new1.cpp", "one", 10, false);
    t.Put(t.a, "new2.cpp", "two", 10, false);
    t.Put(t.a, "same.cpp", "same", 10, false);
    t.Put(t.server, "same.cpp", "same", 10, true);
    t.Put(t.a, "conf.cpp", "edited", 12, false); // writable on both sides
    t.Put(t.server, "conf.cpp", "theirs", 10, false);
    t.Put(t.server, "locked.cpp", "locked", 11, true); // somebody else's, no copy here
    t.Put(t.server, "mine.cpp", "mine v2", 11, true);  // locked for A, writable here
    t.Put(t.a, "mine.cpp", "mine v1", 10, false);
    t.Put(t.server, "old.cpp", "old v2", 11, false);
    t.Put(t.a, "old.cpp", "old v1", 10, true);
    const size_t mails = Outbox().size();
    t.Play(t.a, "bar Qelvo/Groupware/Send...\n" +
                    Step("expect-list", kSend,
                         {"conf.cpp|Older|CONFLICT", "mine.cpp|Newer| ", "new1.cpp|NEW!| ",
                          "new2.cpp|NEW!| ", "same.cpp|Same| "}) +
                    // Update without a selection skips Same and the conflict.
                    Step("answer", kSend, {"Update"}) +
                    Step("expect-list", kSend,
                         {"conf.cpp|Older|CONFLICT", "mine.cpp|Newer|Update",
                          "new1.cpp|NEW!|Update", "new2.cpp|NEW!|Update", "same.cpp|Same| "}) +
                    Step("select", kSend, {"new2*", "conf*", "mine*"}) +
                    Step("answer", kSend, {"104"}) + // Send && unlock
                    Step("select", kSend, {"mine*"}) + Step("answer", kSend, {"Clear"}) +
                    Step("expect-list", kSend,
                         {"conf.cpp|Older|CONFLICT", "mine.cpp|Newer| ", "new1.cpp|NEW!|Update",
                          "new2.cpp|NEW!|Send", "same.cpp|Same| "}) +
                    Step("select", kSend) + Step("answer", kSend, {"SEND !"}) +
                    // Sent files are Same; the one sent and unlocked is no longer held here.
                    Step("expect-list", kSend,
                         {"conf.cpp|Older|CONFLICT", "mine.cpp|Newer| ", "new1.cpp|Same| ",
                          "same.cpp|Same| "}) +
                    // Clear without a selection blanks the conflict; then nothing is to do.
                    Step("answer", kSend, {"Clear"}) +
                    Step("expect-list", kSend, {"conf.cpp|Older| ", "*| ", "*| ", "*| "}) +
                    Step("answer", kSend, {"SEND !"}) + "answer \"Qelvo AddOn error\" OK\n" +
                    Step("close", kSend) + "bar Qelvo/Groupware/Get...\n" +
                    Step("expect-list", kGet,
                         {"conf.cpp|No|Older|ERROR| ", "locked.cpp|Yes|NEW!|Refresh| ",
                          "mine.cpp|Yes|Newer|Refresh| ", "new1.cpp|Yes|Same| | ",
                          "new2.cpp|No|Same| | ", "old.cpp|No|Newer|Refresh| ",
                          "same.cpp|Yes|Same| | "}) +
                    // A locked file and an ERROR row are never got with lock; the locked one is
                    // refreshed.
                    Step("select", kGet, {"conf*", "locked*"}) + Step("answer", kGet, {"104"}) +
                    Step("answer", kGet, {"Refresh"}) +
                    Step("expect-list", kGet,
                         {"conf.cpp|No|Older|ERROR| ", "locked.cpp|Yes|NEW!|Refresh|Refresh", "*| ",
                          "*| ", "*| ", "*| ", "*| "}) +
                    Step("select", kGet) + Step("answer", kGet, {"As advised"}) +
                    Step("answer", kGet, {"GET !"}) +
                    Step("expect-list", kGet,
                         {"conf.cpp|No|Older|ERROR| ", "locked.cpp|Yes|Same| | ",
                          "mine.cpp|Yes|Same| | ", "*", "*", "old.cpp|No|Same| | ", "*"}) +
                    Step("close", kGet));
    // The NEW! files: one left locked on the server, one given back.
    EXPECT_TRUE(t.ReadOnly(t.server, "new1.cpp"));
    EXPECT_FALSE(t.ReadOnly(t.a, "new1.cpp"));
    EXPECT_FALSE(t.ReadOnly(t.server, "new2.cpp"));
    EXPECT_TRUE(t.ReadOnly(t.a, "new2.cpp"));
    EXPECT_EQ(t.Read(t.server, "conf.cpp"), "theirs");
    EXPECT_FALSE(platform::FileExists((t.server + "\\ro.cpp").c_str()));
    // The refreshes kept each local attribute (a new file comes read-only).
    EXPECT_EQ(t.Read(t.a, "mine.cpp"), "mine v2");
    EXPECT_FALSE(t.ReadOnly(t.a, "mine.cpp"));
    EXPECT_EQ(t.Read(t.a, "old.cpp"), "old v2");
    EXPECT_TRUE(t.ReadOnly(t.a, "old.cpp"));
    EXPECT_TRUE(t.ReadOnly(t.a, "locked.cpp"));
    EXPECT_EQ(t.Read(t.a, "conf.cpp"), "edited");
    // One mail: the send's. The refreshes alone reported nothing.
    const std::vector<std::string> sent = Outbox();
    ASSERT_EQ(mails + 1, sent.size());
    const std::string mail = Mail(sent.back());
    EXPECT_NE(mail.find("Groupware SEND : project APP.IDE"), std::string::npos) << mail;
    EXPECT_NE(mail.find("new1.cpp is refreshed"), std::string::npos) << mail;
    EXPECT_NE(mail.find("new2.cpp is delivered and unlocked"), std::string::npos) << mail;
    EXPECT_NE(mail.find("team@example.com"), std::string::npos) << mail;
}

TEST(GroupwareSession, AGetsEditsAndSendsThenBRefreshesTheChange) {
    RegisteredAddon installed(QELVO_ADDON_DLL);
    SetValue(std::string(kAddonKey) + "\\Groupware", "MailOnGet", "1");
    Team t;
    t.Put(t.server, "shared.cpp", "int v = 1;\n", 10, false);
    t.Put(t.a, "shared.cpp", "int v = 1;\n", 10, true);
    t.Put(t.b, "shared.cpp", "int v = 1;\n", 10, true);
    const size_t mails = Outbox().size();
    t.Play(t.a, "bar Qelvo/Groupware/Get...\n" + Step("select", kGet, {"shared*"}) +
                    Step("answer", kGet, {"104"}) + Step("answer", kGet, {"GET !"}) +
                    Step("expect-list", kGet, {"shared.cpp|Yes|Same| | "}) + Step("close", kGet));
    EXPECT_FALSE(t.ReadOnly(t.a, "shared.cpp"));
    EXPECT_TRUE(t.ReadOnly(t.server, "shared.cpp"));
    EXPECT_EQ(t.Read(t.server, "shared.cpp.lock"), platform::UserName());
    t.Put(t.a, "shared.cpp", "int v = 2;\n", 11, false); // A's edit
    t.Play(t.a, "bar Qelvo/Groupware/Send...\n" +
                    Step("expect-list", kSend, {"shared.cpp|Older| "}) +
                    Step("answer", kSend, {"104"}) + Step("answer", kSend, {"SEND !"}) +
                    Step("expect-list", kSend) + Step("close", kSend));
    t.Play(t.b, "bar Qelvo/Groupware/Get...\n" +
                    Step("expect-list", kGet, {"shared.cpp|No|Newer|Refresh| "}) +
                    Step("answer", kGet, {"As advised"}) + Step("answer", kGet, {"GET !"}) +
                    Step("expect-list", kGet, {"shared.cpp|No|Same| | "}) + Step("close", kGet));
    EXPECT_EQ(t.Read(t.b, "shared.cpp"), "int v = 2;\n");
    EXPECT_TRUE(t.ReadOnly(t.b, "shared.cpp"));
    EXPECT_TRUE(t.ReadOnly(t.a, "shared.cpp"));
    EXPECT_FALSE(t.ReadOnly(t.server, "shared.cpp"));
    const std::vector<std::string> sent = Outbox();
    ASSERT_EQ(mails + 2, sent.size());
    EXPECT_NE(Mail(sent[mails]).find("shared.cpp is locked"), std::string::npos);
    EXPECT_NE(Mail(sent[mails]).find("Groupware GET : project APP.IDE"), std::string::npos);
    EXPECT_NE(Mail(sent[mails + 1]).find("shared.cpp is delivered and unlocked"),
              std::string::npos);
}

TEST(GroupwareSession, WithoutServerDirectoryNeitherWindowOpens) {
    RegisteredAddon installed(QELVO_ADDON_DLL);
    TempDir dir;
    dir.Write("APP.IDE", "QelvoStandInProject 1\nNode\n  Name \"APP\"\n  Type \".ide\"\nEnd\n");
    SetCurrentDirectoryA(dir.path().c_str());
    StandInSession session;
    ASSERT_TRUE(session.Start());
    ScriptResult result = PlayScript(session,
                                     "project APP.IDE\n"
                                     "bar Qelvo/Groupware/Send...\n"
                                     "answer \"Qelvo AddOn error\" OK\n"
                                     "bar Qelvo/Groupware/Get...\n"
                                     "answer \"Qelvo AddOn error\" OK\n",
                                     "test", dir.path(), EngineOptions(), 60000);
    EXPECT_TRUE(result.passed) << Text(result.transcript);
    const std::string transcript = Text(result.transcript);
    const std::string text = "text: \"You must specify a server directory (options dialog)\n"
                             "before calling this function !\"";
    const size_t first = transcript.find(text);
    ASSERT_NE(first, std::string::npos) << transcript;
    EXPECT_NE(transcript.find(text, first + 1), std::string::npos) << transcript;
    EXPECT_EQ(transcript.find("Groupware send"), std::string::npos) << transcript;
    EXPECT_TRUE(session.Close());
}

} // namespace
} // namespace automation
} // namespace qelvo
