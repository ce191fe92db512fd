#include "codegen_test_support.h"

#include "platform/platform.h"
#include "temp_dir.h"

#include <vector>

namespace qelvo {
namespace testing_support {

std::string SourcePath(const std::string& relative) {
    std::string path = QELVO_SOURCE_DIR;
    path += "/" + relative;
    for (char& c : path)
        if (c == '/') c = '\\';
#ifdef _WIN32
    path = "Z:" + path;
#endif
    return path;
}

std::string GoldenCase(const std::string& name) {
    return SourcePath("tests/golden/codegen/" + name);
}

std::string PlatformLines(const std::string& lines) {
#ifdef _WIN32
    std::string text;
    for (char c : lines) {
        if (c == '\n') text += '\r';
        text += c;
    }
    return text;
#else
    return lines;
#endif
}

std::string UnixLines(const std::string& text) {
    std::string lines;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lines += text[i];
    return lines;
}

namespace {
void ReadInto(const std::string& root, const std::string& prefix,
              std::map<std::string, std::string>& files) {
    std::vector<platform::DirEntry> entries;
    platform::ListDirectory((root + "\\*").c_str(), true, entries);
    for (const platform::DirEntry& entry : entries) {
        if (entry.name == "." || entry.name == "..") continue;
        std::string relative = prefix.empty() ? entry.name : prefix + "\\" + entry.name;
        if (entry.isDirectory)
            ReadInto(root + "\\" + entry.name, relative, files);
        else
            files[relative] = ReadWholeFile(root + "\\" + entry.name);
    }
}
} // namespace

std::map<std::string, std::string> ReadTree(const std::string& root) {
    std::map<std::string, std::string> files;
    ReadInto(root, "", files);
    return files;
}

bool CopyTree(const std::string& from, const std::string& to) {
    std::vector<platform::DirEntry> entries;
    if (!platform::ListDirectory((from + "\\*").c_str(), true, entries)) return false;
    platform::MakeDirectory(to.c_str());
    bool ok = true;
    for (const platform::DirEntry& entry : entries) {
        if (entry.name == "." || entry.name == "..") continue;
        std::string source = from + "\\" + entry.name;
        std::string target = to + "\\" + entry.name;
        ok = (entry.isDirectory ? CopyTree(source, target)
                                : platform::CopyWholeFile(source.c_str(), target.c_str())) &&
             ok;
    }
    return ok;
}

bool SetTestTime(const std::string& path, int offset) {
    int total = 12 * 3600 + offset;
    return platform::SetFileDosTime(
        path.c_str(), platform::PackDosDate(2020, 6, 15),
        platform::PackDosTime(total / 3600, total / 60 % 60, total % 60));
}

long long LastWrite(const std::string& path) {
    return static_cast<long long>(platform::GetFileStatus(path.c_str()).lastWrite);
}

void NoticeLog::DirectoryGenerated(const char* headerPath, const char* sourcePath) {
    generated += std::string(headerPath) + " " + sourcePath + "\n";
}

void NoticeLog::VersionNumbered(const char* path, int build) {
    numbered += std::string(path) + " " + std::to_string(build) + "\n";
}

namespace {
const char* KindName(codegen::NoticeKind kind) {
    switch (kind) {
    case codegen::NoticeKind::kScript:
        return "script";
    case codegen::NoticeKind::kNothingToNumber:
        return "nothing to number";
    case codegen::NoticeKind::kRefused:
        return "refused";
    case codegen::NoticeKind::kBusy:
        return "busy";
    case codegen::NoticeKind::kFailed:
        return "failed";
    }
    return "?";
}
} // namespace

void NoticeLog::Notice(const codegen::CodegenNotice& notice) {
    kinds.push_back(notice.kind);
    text += std::string(KindName(notice.kind)) + " " + notice.path;
    if (notice.line) text += ":" + std::to_string(notice.line);
    text += std::string(" ") + notice.text;
    if (*notice.why) text += std::string(": ") + notice.why;
    text += "\n";
}

std::string NoticeLog::Kinds() const {
    std::string list;
    for (codegen::NoticeKind kind : kinds)
        list += (list.empty() ? "" : ", ") + std::string(KindName(kind));
    return list;
}

RcOutput RunScript(codegen::DialogGenerator& generator, const std::string& script) {
    TempDir dir;
    std::string path = dir.Write("script.rc", script);
    RcOutput output;
    FILE* header = platform::OpenFile(dir.File("out.h").c_str(), "wb");
    FILE* source = platform::OpenFile(dir.File("out.cpp").c_str(), "wb");
    if (header && source) output.result = generator.GenerateFromRc(header, source, path.c_str());
    if (header) std::fclose(header);
    if (source) std::fclose(source);
    output.header = dir.Read("out.h");
    output.source = dir.Read("out.cpp");
    return output;
}

} // namespace testing_support
} // namespace qelvo
