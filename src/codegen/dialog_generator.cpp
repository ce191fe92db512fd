// Which directories get their dialog classes regenerated, and the writing of one directory's
// rc<name>.h and rc<name>.cpp.
#include "codegen/dialog_generator.h"

#include "platform/platform.h"

#include <climits>
#include <cstring>
#include <vector>

namespace qelvo {
namespace codegen {

namespace {

// "dir\rc<name><extension>"
String GeneratedPath(const char* directory, const char* name, const char* extension) {
    String file = "rc";
    file += name;
    file += extension;
    return JoinPath(directory, file.c_str());
}

// The directory's resource scripts in listing order, hidden names left out.
std::vector<platform::DirEntry> Scripts(const char* directory) {
    std::vector<platform::DirEntry> entries;
    std::vector<platform::DirEntry> scripts;
    platform::ListDirectory(JoinPath(directory, "*.rc").c_str(), false, entries);
    for (platform::DirEntry& entry : entries)
        if (!IsHidden(entry))
            scripts.push_back(entry);
    return scripts;
}

} // namespace

bool IsHidden(const platform::DirEntry& entry) {
    return entry.name.empty() || entry.name[0] == '.';
}

String JoinPath(const char* directory, const char* name) {
    String path = directory;
    path += "\\";
    path += name;
    return path;
}

void DialogGenerator::OnMakeStarted() {
    String directory;
    if (!projectDirectory || !projectDirectory(directory))
        directory = platform::CurrentDirectory().c_str();
    GenerateForProject(directory.c_str());
}

void DialogGenerator::GenerateForProject(const char* directory) {
    if (enabled) {
        std::vector<platform::DirEntry> entries;
        platform::ListDirectory(JoinPath(directory, "*").c_str(), true, entries);
        for (const platform::DirEntry& entry : entries) {
            if (!entry.isDirectory || IsHidden(entry))
                continue;
            String path = JoinPath(directory, entry.name.c_str());
            if (NeedsRegeneration(path.c_str(), entry.name.c_str()))
                GenerateDirectory(path.c_str(), entry.name.c_str());
        }
        if (NeedsRegeneration(directory, ""))
            GenerateDirectory(directory, "");
    }
    if (versionEnabled) {
        if (buildCounter < INT_MAX)
            ++buildCounter;
        NumberVersionTree(directory);
    }
}

int DialogGenerator::NeedsRegeneration(const char* directory, const char* name) {
    String headerPath = GeneratedPath(directory, name, ".h");
    String sourcePath = GeneratedPath(directory, name, ".cpp");
    platform::FileStatus header = platform::GetFileStatus(headerPath.c_str());
    platform::FileStatus source = platform::GetFileStatus(sourcePath.c_str());
    if (!header.exists || !source.exists)
        return 1;
    int64_t older = header.lastWrite < source.lastWrite ? header.lastWrite : source.lastWrite;
    for (const platform::DirEntry& script : Scripts(directory))
        if (script.lastWrite > older)
            return 1;
    return 0;
}

int DialogGenerator::GenerateDirectory(const char* directory, const char* name) {
    String headerPath = GeneratedPath(directory, name, ".h");
    String sourcePath = GeneratedPath(directory, name, ".cpp");
    if (platform::FileExists(headerPath.c_str()))
        platform::RemoveFile(headerPath.c_str());
    if (platform::FileExists(sourcePath.c_str()))
        platform::RemoveFile(sourcePath.c_str());

    // Text mode: each line feed becomes the platform's line end.
    FILE* header = platform::OpenFile(headerPath.c_str(), "w");
    FILE* source = header ? platform::OpenFile(sourcePath.c_str(), "w") : nullptr;
    if (!source) {
        if (header) {
            std::fclose(header);
            platform::RemoveFile(headerPath.c_str());
        }
        if (listener)
            listener->DirectoryGenerated(headerPath.c_str(), sourcePath.c_str(), 0);
        return 0;
    }

    std::fprintf(header,
                 "// Generated file : do not edit by hand\n"
                 "#ifndef _rc%s_h_\n#define _rc%s_h_\n",
                 name, name);
    std::fprintf(source,
                 "// Generated file : do not edit by hand\n"
                 "#include \"qelvo.h\"\n#include \"rc%s.h\"\n",
                 name);
    for (const platform::DirEntry& script : Scripts(directory))
        GenerateFromRc(header, source, JoinPath(directory, script.name.c_str()).c_str());
    if (!*name)
        std::fputs("\nRCRCMAIN\n\n", source);
    std::fputs("\n#endif\n", header);

    int ok = !std::ferror(header) && !std::ferror(source);
    ok = (std::fclose(header) == 0) && ok;
    ok = (std::fclose(source) == 0) && ok;
    if (!ok) {
        // Cut files would look up to date to the next Make: leave none, so it tries again.
        platform::RemoveFile(headerPath.c_str());
        platform::RemoveFile(sourcePath.c_str());
    }
    if (listener)
        listener->DirectoryGenerated(headerPath.c_str(), sourcePath.c_str(), ok);
    return ok;
}

} // namespace codegen
} // namespace qelvo
