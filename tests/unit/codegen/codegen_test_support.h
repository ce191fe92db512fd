// Helpers shared by the generator's tests: paths into the source tree, line ends, trees of
// files, and one script run through GenerateFromRc.
#pragma once

#include "codegen/dialog_generator.h"

#include <map>
#include <string>
#include <vector>

namespace qelvo {
namespace testing_support {

// A path below the source tree in the engine's form. Under Wine the Unix root is drive Z:, so
// the build's Unix path becomes "Z:" followed by that path with '\' separators.
std::string SourcePath(const std::string& relative);
// The path of a golden case folder of the generator.
std::string GoldenCase(const std::string& name);

// What text mode writes for these LF lines: CR LF on Windows, LF elsewhere.
std::string PlatformLines(const std::string& lines);
// CR LF back to LF.
std::string UnixLines(const std::string& text);

// Every file below root, by path relative to root ('\' separators), with its bytes.
std::map<std::string, std::string> ReadTree(const std::string& root);
// Copies a tree, keeping the files' times.
bool CopyTree(const std::string& from, const std::string& to);
// Gives a file a fixed time: 2020-06-15 12:00:00 local time plus offset seconds (even).
bool SetTestTime(const std::string& path, int offset);
// Last-write time in seconds.
long long LastWrite(const std::string& path);

// Records what a generator tells: each notice as "<kind> <path>[:<line>] <text>[: <why>]" on a
// line of text, the numbered files as "<path> <build>" on lines of numbered, the generated
// pairs as "<header> <source>" on lines of generated.
struct NoticeLog : codegen::CodegenListener {
    void DirectoryGenerated(const char* headerPath, const char* sourcePath) override;
    void VersionNumbered(const char* path, int build) override;
    void Notice(const codegen::CodegenNotice& notice) override;
    // The kinds of the notices in order, separated by ", ".
    std::string Kinds() const;

    std::string text;
    std::string numbered;
    std::string generated;
    std::vector<codegen::NoticeKind> kinds;
};

struct RcOutput {
    int result = 0;
    std::string header;
    std::string source;
};
// Writes the script's bytes to a file and runs GenerateFromRc on it, the output files opened in
// binary mode so the text comes back exactly as it was written.
RcOutput RunScript(codegen::DialogGenerator& generator, const std::string& script);

} // namespace testing_support
} // namespace qelvo
