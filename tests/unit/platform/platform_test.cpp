// The platform layer, the same cases natively and under Wine.
#include "platform/platform.h"
#include "recorders.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace qelvo;
using qelvo::testing_support::LaunchRecorder;
using qelvo::testing_support::MessageRecorder;
using qelvo::testing_support::TempDir;

namespace {

std::vector<std::string> Names(const std::vector<platform::DirEntry>& entries, bool skipDots) {
    std::vector<std::string> names;
    for (const auto& e : entries)
        if (!skipDots || e.name[0] != '.') names.push_back(e.name);
    std::sort(names.begin(), names.end());
    return names;
}

bool RunningAsRoot() {
#ifdef _WIN32
    // Wine maps read-only to the Unix mode, and root writes through it anyway; the test
    // runner says whether the Unix user is root.
    const char* root = std::getenv("QELVO_UNIX_ROOT");
    return root && std::string(root) == "1";
#else
    return ::geteuid() == 0;
#endif
}

} // namespace

TEST(Pattern, MatchesWithoutCaseAndWithWildcards) {
    EXPECT_TRUE(platform::MatchPattern("MAIN.CPP", "*.cpp"));
    EXPECT_TRUE(platform::MatchPattern("main.cpp", "*.CPP"));
    EXPECT_FALSE(platform::MatchPattern("main.cppx", "*.cpp"));
    EXPECT_FALSE(platform::MatchPattern("main.h", "*.cpp"));
    EXPECT_TRUE(platform::MatchPattern("a.h", "?.h"));
    EXPECT_FALSE(platform::MatchPattern("ab.h", "?.h"));
    EXPECT_TRUE(platform::MatchPattern("README", "*.*"));
    EXPECT_TRUE(platform::MatchPattern("x.tar.gz", "*.gz"));
    EXPECT_TRUE(platform::MatchPattern("abcabd", "*abd"));
    EXPECT_TRUE(platform::MatchPattern("anything", "*"));
    EXPECT_FALSE(platform::MatchPattern("", "?"));
}

TEST(Listing, PatternCaseAndDirectories) {
    TempDir dir;
    dir.Write("A.CPP", "1");
    dir.Write("b.cpp", "22");
    dir.Write("c.h", "333");
    dir.Write(".hidden.cpp", "");
    ASSERT_TRUE(platform::MakeDirectory(dir.File("sub.cpp").c_str()));

    std::vector<platform::DirEntry> entries;
    ASSERT_TRUE(platform::ListDirectory(dir.File("*.cpp").c_str(), false, entries));
    EXPECT_EQ(Names(entries, false), (std::vector<std::string>{".hidden.cpp", "A.CPP", "b.cpp"}));

    entries.clear();
    ASSERT_TRUE(platform::ListDirectory(dir.File("*.CPP").c_str(), true, entries));
    EXPECT_EQ(Names(entries, true), (std::vector<std::string>{"A.CPP", "b.cpp", "sub.cpp"}));
    for (const auto& e : entries) {
        if (e.name == "sub.cpp") {
            EXPECT_TRUE(e.isDirectory);
        }
        if (e.name == "b.cpp") {
            EXPECT_FALSE(e.isDirectory);
            EXPECT_EQ(e.size, 2u);
        }
    }

    // Everything, with "." and ".." reported for the caller to skip.
    entries.clear();
    ASSERT_TRUE(platform::ListDirectory(dir.File("*.*").c_str(), true, entries));
    std::vector<std::string> all = Names(entries, false);
    EXPECT_NE(std::find(all.begin(), all.end(), ".."), all.end());
    EXPECT_EQ(Names(entries, true), (std::vector<std::string>{"A.CPP", "b.cpp", "c.h", "sub.cpp"}));

    entries.clear();
    EXPECT_TRUE(platform::ListDirectory(dir.File("*.none").c_str(), true, entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(platform::ListDirectory(dir.File("missing\\*.cpp").c_str(), true, entries));
}

#ifndef _WIN32
TEST(Listing, PosixListsInByteOrder) {
    TempDir dir;
    for (const char* name : {"b.c", "B.c", "a.c", "_.c", "Z.c"})
        dir.Write(name, "");
    std::vector<platform::DirEntry> entries;
    ASSERT_TRUE(platform::ListDirectory(dir.File("*.C").c_str(), false, entries));
    std::vector<std::string> names;
    for (const auto& e : entries)
        names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"B.c", "Z.c", "_.c", "a.c", "b.c"}));
}

TEST(Paths, PosixMapsBackslashes) {
    EXPECT_EQ(platform::NativePath("dir\\sub\\f.cpp"), "dir/sub/f.cpp");
    EXPECT_EQ(platform::NativePath("a/b"), "a/b");
}
#endif

TEST(Listing, LinksAreToldFromDirectoriesAndOnlyFilesAndDirectoriesListed) {
#ifdef _WIN32
    GTEST_SKIP() << "links and pipes are made with POSIX calls";
#else
    TempDir dir;
    ASSERT_TRUE(platform::MakeDirectory(dir.File("d").c_str()));
    dir.Write("f", "12345");
    std::string at = platform::NativePath(dir.path().c_str()) + "/";
    // Left out of listings, so taken away here rather than with the directory.
    struct Cleanup {
        std::string at;
        ~Cleanup() {
            for (const char* name : {"ld", "lf", "p", "lz", "ln"})
                ::unlink((at + name).c_str());
        }
    } cleanup{at};
    ASSERT_EQ(::symlink("d", (at + "ld").c_str()), 0);
    ASSERT_EQ(::symlink("f", (at + "lf").c_str()), 0);
    ASSERT_EQ(::mkfifo((at + "p").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", (at + "lz").c_str()), 0);
    ASSERT_EQ(::symlink("none", (at + "ln").c_str()), 0);

    std::vector<platform::DirEntry> entries;
    ASSERT_TRUE(platform::ListDirectory(dir.File("*").c_str(), true, entries));
    std::string kinds;
    for (const auto& e : entries)
        if (e.name[0] != '.')
            kinds += e.name + (e.isDirectory ? " dir" : "") + (e.isLink ? " link" : "") + ";";
    // A link reports what it leads to (the file's size), but never as a directory.
    EXPECT_EQ(kinds, "d dir;f;ld link;lf link;");
    auto lf = std::find_if(entries.begin(), entries.end(),
                           [](const platform::DirEntry& e) { return e.name == "lf"; });
    ASSERT_NE(lf, entries.end());
    EXPECT_EQ(lf->size, 5u);
    entries.clear();
    ASSERT_TRUE(platform::ListDirectory(dir.File("*").c_str(), false, entries));
    EXPECT_EQ(Names(entries, true), (std::vector<std::string>{"f", "lf"}));

    EXPECT_TRUE(platform::GetFileStatus(dir.File("lf").c_str()).isFile);
    EXPECT_FALSE(platform::GetFileStatus(dir.File("p").c_str()).isFile);
    EXPECT_FALSE(platform::GetFileStatus(dir.File("d").c_str()).isFile);
#endif
}

TEST(Files, StatusOfFilesAndDirectories) {
    TempDir dir;
    std::string file = dir.Write("f.txt", "hello");
    platform::FileStatus status = platform::GetFileStatus(file.c_str());
    EXPECT_TRUE(status.exists);
    EXPECT_FALSE(status.isDirectory);
    EXPECT_TRUE(status.isFile);
    EXPECT_EQ(status.size, 5u);
    EXPECT_GT(status.lastWrite, 1600000000);
    EXPECT_TRUE(platform::GetFileStatus(dir.path().c_str()).isDirectory);
    EXPECT_FALSE(platform::GetFileStatus(dir.path().c_str()).isFile);
    EXPECT_FALSE(platform::GetFileStatus(dir.File("none").c_str()).exists);
    EXPECT_FALSE(platform::FileExists(dir.File("none").c_str()));
}

TEST(Files, ReadOnlyRoundTrip) {
    TempDir dir;
    std::string file = dir.Write("ro.txt", "x");
    EXPECT_FALSE(platform::GetFileStatus(file.c_str()).readOnly);
    ASSERT_TRUE(platform::SetReadOnly(file.c_str(), true));
    EXPECT_TRUE(platform::GetFileStatus(file.c_str()).readOnly);
    std::vector<platform::DirEntry> entries;
    platform::ListDirectory(dir.File("ro.txt").c_str(), false, entries);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].readOnly);
    ASSERT_TRUE(platform::SetReadOnly(file.c_str(), false));
    EXPECT_FALSE(platform::GetFileStatus(file.c_str()).readOnly);
    EXPECT_FALSE(platform::SetReadOnly(dir.File("none").c_str(), true));
}

TEST(Files, ReadOnlyRefusesWritingWhenNotRoot) {
    if (RunningAsRoot()) GTEST_SKIP() << "root writes through the read-only attribute";
    TempDir dir;
    std::string file = dir.Write("ro.txt", "x");
    ASSERT_TRUE(platform::SetReadOnly(file.c_str(), true));
    EXPECT_EQ(platform::OpenFile(file.c_str(), "wb"), nullptr);
    platform::SetReadOnly(file.c_str(), false);
}

TEST(Files, DosTimeRoundTripWithTwoSecondResolution) {
    TempDir dir;
    std::string file = dir.Write("t.txt", "x");
    uint16_t date = platform::PackDosDate(2024, 3, 5);
    uint16_t time = platform::PackDosTime(14, 7, 9); // odd seconds are stored as 8
    ASSERT_TRUE(platform::SetFileDosTime(file.c_str(), date, time));
    uint16_t readDate = 0, readTime = 0;
    ASSERT_TRUE(platform::GetFileDosTime(file.c_str(), readDate, readTime));
    EXPECT_EQ(readDate, date);
    EXPECT_EQ(readTime, time);
    platform::DateTime local =
        platform::LocalFromUnix(platform::GetFileStatus(file.c_str()).lastWrite);
    EXPECT_EQ(local.year, 2024);
    EXPECT_EQ(local.month, 3);
    EXPECT_EQ(local.day, 5);
    EXPECT_EQ(local.hour, 14);
    EXPECT_EQ(local.minute, 7);
    EXPECT_EQ(local.second, 8);
    EXPECT_EQ(local.dayOfWeek, 2);
}

TEST(Files, DosPacking) {
    platform::DateTime t =
        platform::UnpackDos(platform::PackDosDate(2024, 3, 5), platform::PackDosTime(23, 59, 58));
    EXPECT_EQ(t.year, 2024);
    EXPECT_EQ(t.month, 3);
    EXPECT_EQ(t.day, 5);
    EXPECT_EQ(t.dayOfWeek, 2); // a Tuesday
    EXPECT_EQ(t.hour, 23);
    EXPECT_EQ(t.minute, 59);
    EXPECT_EQ(t.second, 58);
    EXPECT_EQ(platform::UnpackDos(platform::PackDosDate(1980, 1, 1), 0).dayOfWeek, 2);
}

TEST(Files, RenameRemoveAndCopy) {
    TempDir dir;
    std::string a = dir.Write("a.txt", "content");
    std::string b = dir.File("b.txt");
    ASSERT_TRUE(platform::RenameFile(a.c_str(), b.c_str()));
    EXPECT_FALSE(platform::FileExists(a.c_str()));
    EXPECT_EQ(dir.Read("b.txt"), "content");

    std::string c = dir.Write("c.txt", "other");
    EXPECT_FALSE(platform::RenameFile(c.c_str(), b.c_str())) << "an existing target is kept";
    EXPECT_EQ(dir.Read("b.txt"), "content");

    ASSERT_TRUE(platform::SetFileDosTime(c.c_str(), platform::PackDosDate(2001, 2, 3),
                                         platform::PackDosTime(4, 5, 6)));
    ASSERT_TRUE(platform::CopyWholeFile(c.c_str(), dir.File("d.txt").c_str()));
    EXPECT_EQ(dir.Read("d.txt"), "other");
    EXPECT_EQ(platform::GetFileStatus(dir.File("d.txt").c_str()).lastWrite,
              platform::GetFileStatus(c.c_str()).lastWrite);

    EXPECT_TRUE(platform::RemoveFile(c.c_str()));
    EXPECT_FALSE(platform::RemoveFile(c.c_str()));
    EXPECT_FALSE(platform::CopyWholeFile(c.c_str(), dir.File("e.txt").c_str()));
}

TEST(Files, MoveReplacingReplacesAFileAndNeverWritesThroughALink) {
    TempDir dir;
    std::string from = dir.Write("new.txt", "new");
    std::string to = dir.Write("old.txt", "old");
    ASSERT_TRUE(platform::MoveReplacing(from.c_str(), to.c_str()));
    EXPECT_FALSE(platform::FileExists(from.c_str()));
    EXPECT_EQ(dir.Read("old.txt"), "new");
    // Onto a directory: refused, with the system's reason.
    platform::MakeDirectory(dir.File("folder").c_str());
    std::string again = dir.Write("again.txt", "again");
    EXPECT_FALSE(platform::MoveReplacing(again.c_str(), dir.File("folder").c_str()));
    EXPECT_FALSE(platform::LastErrorText().empty());
    EXPECT_EQ(dir.Read("again.txt"), "again");
#ifndef _WIN32
    TempDir elsewhere;
    std::string outside = elsewhere.Write("outside.txt", "outside");
    std::string link = platform::NativePath(dir.File("link.txt").c_str());
    ASSERT_EQ(::symlink(platform::NativePath(outside.c_str()).c_str(), link.c_str()), 0);
    ASSERT_TRUE(platform::MoveReplacing(again.c_str(), dir.File("link.txt").c_str()));
    EXPECT_EQ(dir.Read("link.txt"), "again");
    EXPECT_EQ(elsewhere.Read("outside.txt"), "outside");
#endif
}

TEST(Files, NewFilesAreMadeOnlyWhereNothingIsYet) {
    TempDir dir;
    std::string path = dir.File("work.$$$");
    FILE* file = platform::OpenNewFile(path.c_str(), true);
    ASSERT_NE(file, nullptr);
    std::fputs("a\nb\n", file);
    std::fclose(file);
#ifdef _WIN32
    const std::string written = "a\r\nb\r\n";
#else
    const std::string written = "a\nb\n";
#endif
    EXPECT_EQ(dir.Read("work.$$$"), written);
    // Whatever bears the name already, it is neither opened nor truncated.
    EXPECT_EQ(platform::OpenNewFile(path.c_str(), false), nullptr);
#ifndef _WIN32
    EXPECT_EQ(platform::LastErrorText(), std::strerror(EEXIST));
#endif
    EXPECT_EQ(dir.Read("work.$$$"), written);
    platform::MakeDirectory(dir.File("folder").c_str());
    EXPECT_EQ(platform::OpenNewFile(dir.File("folder").c_str(), false), nullptr);

    FILE* binary = platform::OpenNewFile(dir.File("bin").c_str(), false);
    ASSERT_NE(binary, nullptr);
    std::fputs("a\nb\n", binary);
    std::fclose(binary);
    EXPECT_EQ(dir.Read("bin"), "a\nb\n");
#ifndef _WIN32
    // A link, even one that leads nowhere, is not written through.
    std::string link = platform::NativePath(dir.File("dangling").c_str());
    ASSERT_EQ(::symlink("target", link.c_str()), 0);
    EXPECT_EQ(platform::OpenNewFile(dir.File("dangling").c_str(), false), nullptr);
    EXPECT_FALSE(platform::FileExists(dir.File("target").c_str()));
#endif
}

TEST(Files, LastErrorTextGivesTheSystemsWords) {
    TempDir dir;
    EXPECT_EQ(platform::OpenFile(dir.File("missing").c_str(), "rb"), nullptr);
    std::string text = platform::LastErrorText();
#ifdef _WIN32
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
#else
    EXPECT_EQ(text, std::strerror(ENOENT));
#endif
}

TEST(Files, CurrentDirectory) {
    TempDir dir;
    std::string before = platform::CurrentDirectory();
    ASSERT_FALSE(before.empty());
    ASSERT_TRUE(platform::ChangeDirectory(dir.path().c_str()));
    std::string inside = platform::CurrentDirectory();
    EXPECT_NE(inside, before);
    dir.Write("here.txt", "1");
    EXPECT_TRUE(platform::FileExists("here.txt"));
    ASSERT_TRUE(platform::ChangeDirectory(before.c_str()));
}

TEST(Dates, NowIsPlausible) {
    platform::DateTime utc = platform::NowUtc();
    platform::DateTime local = platform::NowLocal();
    EXPECT_GE(utc.year, 2024);
    EXPECT_GE(local.year, 2024);
    EXPECT_GE(utc.month, 1);
    EXPECT_LE(utc.month, 12);
    EXPECT_GE(local.dayOfWeek, 0);
    EXPECT_LE(local.dayOfWeek, 6);
}

TEST(Dates, DefaultFormatsAreUs) {
    platform::DateTime when =
        platform::UnpackDos(platform::PackDosDate(2024, 3, 5), platform::PackDosTime(14, 7, 9));
    when.second = 9;
    EXPECT_EQ(platform::FormatShortDate(when), "3/5/2024");
    EXPECT_EQ(platform::FormatLongDate(when), "Tuesday, March 5, 2024");
    EXPECT_EQ(platform::FormatTime(when), "2:07:09 PM");
    when.hour = 0;
    EXPECT_EQ(platform::FormatTime(when), "12:07:09 AM");
}

#ifdef _WIN32
// A day-first short date set as the user's override, as a British user would have it.
TEST(Dates, DayFirstUserFormat) {
    char saved[80] = {};
    ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, saved, sizeof saved), 0);
    ASSERT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, "dd/MM/yyyy"));
    platform::DateTime when = platform::UnpackDos(platform::PackDosDate(2024, 3, 5), 0);
    std::string text = platform::FormatShortDate(when);
    SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, saved);
    EXPECT_EQ(text, "05/03/2024");
    EXPECT_EQ(platform::FormatShortDate(when), "3/5/2024");
}
#endif

TEST(User, NameFromTheEnvironment) {
    const char* user = std::getenv("USER");
    if (!user || !*user) GTEST_SKIP() << "USER is not set";
    EXPECT_EQ(platform::UserName(), user);
}

TEST(Messages, RecorderKeepsEverythingAndAnswersScriptedButtons) {
    MessageRecorder recorder;
    recorder.Answer(platform::kIdNo);
    EXPECT_EQ(platform::ShowMessage("Delete ?", "Confirmation",
                                    platform::kMbYesNo | platform::kMbIconQuestion),
              platform::kIdNo);
    EXPECT_EQ(platform::ShowMessage("Again ?", "Confirmation", platform::kMbYesNo),
              platform::kIdYes);
    EXPECT_EQ(platform::ShowMessage("Parcours de chaine hors limite !", "Erreur",
                                    platform::kMbOk | platform::kMbIconStop),
              platform::kIdOk);
    platform::Tone(220, 500);
    ASSERT_EQ(recorder.messages.size(), 3u);
    EXPECT_EQ(recorder.messages[0].text, "Delete ?");
    EXPECT_EQ(recorder.messages[0].title, "Confirmation");
    EXPECT_EQ(recorder.messages[0].flags, 0x24u);
    EXPECT_EQ(recorder.messages[2].text, "Parcours de chaine hors limite !");
    EXPECT_EQ(recorder.messages[2].flags, 0x10u);
    EXPECT_EQ(recorder.messages[2].owner, nullptr);
    ASSERT_EQ(recorder.tones.size(), 1u);
    EXPECT_EQ(recorder.tones[0], std::make_pair(220u, 500u));
}

TEST(Messages, RecordersNestAndRestore) {
    MessageRecorder outer;
    {
        MessageRecorder inner;
        platform::ShowMessage("inner", "t", 0);
        EXPECT_EQ(inner.messages.size(), 1u);
    }
    platform::ShowMessage("outer", "t", 0);
    ASSERT_EQ(outer.messages.size(), 1u);
    EXPECT_EQ(outer.messages[0].text, "outer");
}

TEST(Launching, RecordedInTests) {
    LaunchRecorder recorder;
    EXPECT_TRUE(platform::OpenDocument("C:\\PRJ\\qHTML\\index.html"));
    recorder.result = false;
    EXPECT_FALSE(platform::StartProgram("C:\\PRJ\\APP.EXE"));
    EXPECT_EQ(recorder.documents, (std::vector<std::string>{"C:\\PRJ\\qHTML\\index.html"}));
    EXPECT_EQ(recorder.programs, (std::vector<std::string>{"C:\\PRJ\\APP.EXE"}));
}
