// Line ends, checked on the raw bytes: the generated files are written in text mode (CR LF under
// Windows, run under Wine from the win64 build; LF elsewhere), while a version file keeps the
// ends it had on every system, and its backup is the old content byte for byte.
#include "codegen_test_support.h"
#include "platform/platform.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

using namespace qelvo;
using qelvo::codegen::DialogGenerator;
using qelvo::testing_support::TempDir;

namespace {

#ifdef _WIN32
const char kEnd[] = "\r\n";
#else
const char kEnd[] = "\n";
#endif

// True when every line feed of the text ends a line the platform's way.
bool AllLinesEndAsThePlatformWrites(const std::string& text) {
    size_t lines = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n') continue;
        ++lines;
        bool crlf = i > 0 && text[i - 1] == '\r';
        if (crlf != (kEnd[0] == '\r')) return false;
    }
    return lines > 0;
}

} // namespace

TEST(LineEnds, GeneratedFilesAreWrittenInTextMode) {
    TempDir dir;
    dir.Write("app.rc", "#define IDC_A 1\r\nA DIALOG 0, 0, 1, 1\r\n{\r\n"
                        " CONTROL \"\", IDC_A, \"edit\", 0, 1, 1, 1, 1\r\n}\r\n");
    DialogGenerator generator;
    ASSERT_EQ(generator.GenerateDirectory(dir.path().c_str(), ""), 1);
    std::string header = dir.Read("rc.h");
    std::string source = dir.Read("rc.cpp");
    EXPECT_TRUE(AllLinesEndAsThePlatformWrites(header)) << header;
    EXPECT_TRUE(AllLinesEndAsThePlatformWrites(source)) << source;
    EXPECT_EQ(header.find("\r\r"), std::string::npos);
    std::string first = std::string("// Generated file : do not edit by hand") + kEnd;
    EXPECT_EQ(header.substr(0, first.size()), first);
    EXPECT_NE(source.find(std::string("  A.Get(this, 1) ;") + kEnd), std::string::npos);
}

TEST(LineEnds, VersionFilesKeepEachLinesOwnEnd) {
    // As the resource editor writes it on Windows, as an editor on Linux writes it, and mixed:
    // the same bytes on every system, each line with the end it had.
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"1 VERSIONINFO\r\nFILEVERSION 1,0,0,7\r\n{\r\n"
         "   VALUE \"FileVersion\", \"1.0.0.7\\000\\000\"\r\n}\r\n",
         "1 VERSIONINFO\r\nFILEVERSION 1, 0, 0, 8\r\n{\r\n"
         "   VALUE \"FileVersion\", \"1.0.0.8\\000\\000\"\r\n}\r\n"},
        {"1 VERSIONINFO\nFILEVERSION 1,0,0,7\n{\n}\n",
         "1 VERSIONINFO\nFILEVERSION 1, 0, 0, 8\n{\n}\n"},
        {"1 VERSIONINFO\r\nFILEVERSION 1,0,0,7\n{\r\n}",
         "1 VERSIONINFO\r\nFILEVERSION 1, 0, 0, 8\n{\r\n}"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.Write("VERSION.RC", c.before);
        dir.Write("VERSION.BAK", "the backup of an earlier Make\n");
        DialogGenerator generator;
        generator.buildCounter = 1;
        ASSERT_EQ(generator.NumberVersionFile(dir.path().c_str()), 1);
        EXPECT_EQ(dir.Read("VERSION.RC"), c.after);
        EXPECT_EQ(dir.Read("VERSION.BAK"), c.before);
    }
}
