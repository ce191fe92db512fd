// Reparse points under Windows: a linked directory is listed as a reparse point and the walk
// neither numbers nor generates through it. Wine shows the Unix side's symbolic links as
// reparse points, so under Wine the test makes its links with the Unix ln (Wine runs Unix
// programs); elsewhere it is skipped (the POSIX case is a command-level test).
#include "codegen_test_support.h"
#include "platform/platform.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace qelvo;
using qelvo::codegen::DialogGenerator;
using qelvo::testing_support::NoticeLog;
using qelvo::testing_support::PlatformLines;
using qelvo::testing_support::ReadTree;
using qelvo::testing_support::TempDir;
using testing::HasSubstr;

#ifdef _WIN32
namespace {

typedef char*(__cdecl* UnixFileName)(const WCHAR*);

// Wine's own export, absent on Windows.
UnixFileName WineUnixFileName() {
    return reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
}

std::string UnixPath(const std::string& path) {
    std::wstring wide(path.begin(), path.end());
    char* unix = WineUnixFileName()(wide.c_str());
    std::string result = unix ? unix : "";
    ::HeapFree(::GetProcessHeap(), 0, unix);
    return result;
}

// Runs a Unix program with the arguments and waits until the link is there (made) or gone.
bool RunUnix(const std::string& program, const std::string& arguments, const std::string& link,
             bool made) {
    std::string command = program + " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back(0);
    std::string image = "Z:" + program;
    for (char& c : image)
        if (c == '/') c = '\\';
    if (!::CreateProcessA(image.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    // Wine does not wait for a Unix program: the link is looked at until it is as asked.
    for (int tries = 0; tries < 200; ++tries) {
        std::vector<platform::DirEntry> entries;
        platform::ListDirectory(link.c_str(), true, entries);
        if (made ? entries.size() == 1 && entries[0].isLink : entries.empty()) return true;
        ::Sleep(25);
    }
    return false;
}

bool MakeLink(const std::string& target, const std::string& link) {
    return RunUnix("/bin/ln", "-s \"" + target + "\" \"" + UnixPath(link) + "\"", link, true);
}

// The Windows calls do not remove a Unix link to a directory.
bool RemoveLink(const std::string& link) {
    return RunUnix("/bin/rm", "-f \"" + UnixPath(link) + "\"", link, false);
}

} // namespace
#endif

TEST(ReparsePoints, AreNeitherNumberedNorGeneratedThrough) {
#ifndef _WIN32
    GTEST_SKIP() << "Windows' reparse points; the POSIX links are a command-level test";
#else
    if (!WineUnixFileName()) GTEST_SKIP() << "links are made through Wine's Unix side";
    TempDir dir;
    TempDir outside;
    outside.Write("a.rc", "OUT DIALOG 0, 0, 1, 1\n{\n}\n");
    outside.Write("VERSION.RC", "FILEVERSION 1,0,0,90\n");
    platform::MakeDirectory(dir.File("l").c_str());
    platform::MakeDirectory(dir.File("l\\sub").c_str());
    dir.Write("a.rc", "ROOT DIALOG 0, 0, 1, 1\n{\n}\n");
    dir.Write("VERSION.RC", "FILEVERSION 1,0,0,1\n");
    dir.Write("l\\l.rc", "L DIALOG 0, 0, 1, 1\n{\n}\n");
    dir.Write("l\\sub\\VERSION.RC", "FILEVERSION 1,0,0,5\n");
    ASSERT_TRUE(MakeLink("..", dir.File("l\\sub\\up")));
    ASSERT_TRUE(MakeLink(".", dir.File("self")));
    ASSERT_TRUE(MakeLink(UnixPath(outside.path()), dir.File("out")));
    std::map<std::string, std::string> outsideBefore = ReadTree(outside.path());

    NoticeLog log;
    DialogGenerator generator;
    generator.enabled = 1;
    generator.versionEnabled = 1;
    generator.listener = &log;
    generator.GenerateForProject(dir.path().c_str());
    EXPECT_EQ(log.numbered,
              dir.File("l\\sub\\VERSION.RC") + " 6\n" + dir.File("VERSION.RC") + " 6\n");
    EXPECT_EQ(log.generated, dir.File("l\\rcl.h") + " " + dir.File("l\\rcl.cpp") + "\n" +
                                 dir.File("rc.h") + " " + dir.File("rc.cpp") + "\n");
    EXPECT_EQ(log.text, "");
    EXPECT_THAT(dir.Read("rc.h"), HasSubstr("class rcROOT "));
    EXPECT_THAT(dir.Read("rc.h"), testing::Not(HasSubstr("OUT")));
    EXPECT_EQ(ReadTree(outside.path()), outsideBefore);
    for (const char* link : {"out", "self", "l\\sub\\up"})
        EXPECT_TRUE(RemoveLink(dir.File(link))) << link;
#endif
}
