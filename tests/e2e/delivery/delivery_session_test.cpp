// The delivery in the stand-in IDE with the real add-on loaded from the registry: chosen from
// the Tool menu, it lists the one changed file of the DELIVERY pool, copies it with its date,
// shows the folder in the message window and mails the result; run again, nothing is left to
// deliver. A type without a directory stops it with the missing-directory message. A public
// task ended before the delivery travels with its mail, kept meanwhile beside the project.
#include "../addon_session.h"
#include "host_test_support.h"
#include "platform/platform.h"
#include "session.h"
#include "task_bytes.h"
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

// The sample project with the pairs and the mail list among its options.
void AddOptions(const std::string& projectFile, const std::string& options) {
    std::string text;
    FILE* in = std::fopen(projectFile.c_str(), "rb");
    ASSERT_NE(in, nullptr);
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) text.append(buffer, n);
    std::fclose(in);
    const std::string anchor = "  Option \"Qelvo_EWindows\"";
    const size_t at = text.find(anchor);
    ASSERT_NE(at, std::string::npos);
    text.insert(at, options);
    FILE* out = std::fopen(projectFile.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
}

std::string Bytes(const std::string& path) {
    std::string text;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
        std::fclose(f);
    }
    return text;
}

TEST(DeliverySession, TheChangedFileIsDeliveredWithItsDateAndMailed) {
    RegisteredAddon installed(QELVO_ADDON_DLL);
    const size_t mailsBefore = Outbox().size();
    TempDir dir;
    const std::string project = dir.File("APP");
    ASSERT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), project));
    const std::string bin = dir.File("REL_BIN"), help = dir.File("REL_HELP");
    ASSERT_TRUE(platform::MakeDirectory(bin.c_str()));
    ASSERT_TRUE(platform::MakeDirectory(help.c_str()));
    platform::MakeDirectory((project + "\\bin").c_str());
    dir.Write("APP\\bin\\APP.EXE", std::string(100000, 'E'));
    const std::string exe = project + "\\bin\\APP.EXE";
    ASSERT_TRUE(platform::SetFileDosTime(exe.c_str(), platform::PackDosDate(1996, 12, 5),
                                         platform::PackDosTime(10, 42, 6)));
    dir.Write("REL_BIN\\APP.EXE", std::string(100000, 'E').replace(50000, 1, "x"));
    ASSERT_TRUE(platform::CopyWholeFile((project + "\\doc\\APP.HLP").c_str(),
                                        (help + "\\APP.HLP").c_str()));
    AddOptions(project + "\\APP.IDE",
               IntOption("Qelvo_NB_ODR", 2) + TextOption("Qelvo_ODR_TYP_0", ".exe") +
                   TextOption("Qelvo_ODR_REP_0", bin) + TextOption("Qelvo_ODR_TYP_1", ".hlp") +
                   TextOption("Qelvo_ODR_REP_1", help) + IntOption("Qelvo_NB_MAIL", 1) +
                   TextOption("Qelvo_MAIL_PJ_0", "team@example.com"));
    testing_support::TaskBytes task;
    task.name = "Public work";
    task.type = "Bug";
    task.firstPublic = task.isPublic = 1;
    task.text = "Release notes written";
    dir.Write("APP\\APP.IDE.tsk", testing_support::Head(1, 1, 1, 1, 0, 1, {}) +
                                      testing_support::Int32(1) + task.Bytes());
    const std::string notes = project + "\\APP.IDE.tsk.txt";
    SetCurrentDirectoryA(project.c_str());
    {
        StandInSession session;
        ASSERT_TRUE(session.Start());
        ScriptResult result = PlayScript(
            session,
            "project APP.IDE\n"
            "command 171\n"
            "answer Tasks Ok 1012=ended\n"
            "expect-file APP.IDE.tsk.txt \"*** Task : Public work ***\"\n"
            "project APP.IDE\n" // opened again: the task list window closes
            "menu \"Tool/Qelvo Delivery\"\n"
            "answer \"Qelvo Delivery\" Proceed\n"
            "expect-status \"Delivery terminated\"\n"
            "menu \"Window/Message\"\n"
            "expect-message \"*APP : 1 file (*)\"\n"
            "expect-message \"*" + exe + " delivered\"\n"
            "menu \"Tool/Qelvo Delivery\"\n"
            "answer Warning OK\n"
            "expect-message \"*APP : 0 file (*)\"\n"
            "expect-message \"*No files to deliver !\"\n",
            "test", dir.path(), EngineOptions(), 60000);
        EXPECT_TRUE(result.passed) << Text(result.transcript);
        EXPECT_TRUE(session.Close());
    }
    EXPECT_TRUE(std::string(100000, 'E') == dir.Read("REL_BIN\\APP.EXE"));
    const std::vector<std::string> mails = Outbox();
    ASSERT_EQ(mailsBefore + 1, mails.size());
    std::string mail = Bytes(mails.back());
    for (const char* softBreak : {"=\r\n", "=\n"}) // quoted-printable line wraps
        for (size_t at; (at = mail.find(softBreak)) != std::string::npos;)
            mail.erase(at, std::strlen(softBreak));
    EXPECT_NE(mail.find("Delivery : APP : 1 file ("), std::string::npos) << mail;
    EXPECT_NE(mail.find(exe + " delivered to " + bin), std::string::npos) << mail;
    EXPECT_NE(mail.find("team@example.com"), std::string::npos) << mail;
    EXPECT_NE(mail.find("*** Task : Public work ***"), std::string::npos) << mail;
    EXPECT_NE(mail.find("Release notes written"), std::string::npos) << mail;
    EXPECT_FALSE(platform::FileExists(notes.c_str())) << "sent: the notes go";
    uint16_t date = 0, time = 0;
    ASSERT_TRUE(platform::GetFileDosTime((bin + "\\APP.EXE").c_str(), date, time));
    EXPECT_EQ(platform::PackDosDate(1996, 12, 5), date);
    EXPECT_EQ(platform::PackDosTime(10, 42, 6), time);
}

TEST(DeliverySession, ATypeWithoutDirectoryStopsTheDelivery) {
    RegisteredAddon installed(QELVO_ADDON_DLL);
    TempDir dir;
    const std::string project = dir.File("APP");
    ASSERT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), project));
    ASSERT_TRUE(platform::MakeDirectory(dir.File("REL_BIN").c_str()));
    AddOptions(project + "\\APP.IDE", IntOption("Qelvo_NB_ODR", 1) +
                                          TextOption("Qelvo_ODR_TYP_0", ".exe") +
                                          TextOption("Qelvo_ODR_REP_0", dir.File("REL_BIN")));
    SetCurrentDirectoryA(project.c_str());
    StandInSession session;
    ASSERT_TRUE(session.Start());
    // The .hlp node's type comes in with an empty directory.
    ScriptResult result = PlayScript(session,
                                     "project APP.IDE\n"
                                     "menu \"Tool/Qelvo Delivery\"\n"
                                     "answer \"Qelvo AddOn error\" OK\n",
                                     "test", dir.path(), EngineOptions(), 60000);
    EXPECT_TRUE(result.passed) << Text(result.transcript);
    const std::string transcript = Text(result.transcript);
    EXPECT_NE(transcript.find("Directory  does not exist !"), std::string::npos)
        << transcript;
    EXPECT_TRUE(session.Close());
}

} // namespace
} // namespace automation
} // namespace qelvo
