// Which directories get their dialog classes regenerated, and the writing of one directory's
// rc<name>.h and rc<name>.cpp.
#include "codegen/dialog_generator.h"

#include "codegen/rc_writer.h"
#include "foundation/tree_walk.h"
#include "platform/platform.h"

#include <climits>

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

// The project directory and its immediate sub-directories, hidden ones (version control and
// the like) left out; the resource scripts of each, hidden names left out.
WalkOptions ScriptWalk() {
    WalkOptions options;
    options.patterns = "*.rc";
    options.maxDepth = 1;
    return options;
}

std::vector<platform::DirEntry> Scripts(const char* directory) {
    std::vector<platform::DirEntry> scripts;
    ListMatchingFiles(directory, ScriptWalk(), scripts);
    return scripts;
}

int Stale(const char* directory, const char* name, const std::vector<platform::DirEntry>& scripts) {
    platform::FileStatus header =
        platform::GetFileStatus(GeneratedPath(directory, name, ".h").c_str());
    platform::FileStatus source =
        platform::GetFileStatus(GeneratedPath(directory, name, ".cpp").c_str());
    if (!header.exists || !source.exists) return 1;
    int64_t older = header.lastWrite < source.lastWrite ? header.lastWrite : source.lastWrite;
    for (const platform::DirEntry& script : scripts)
        if (script.lastWrite > older) return 1;
    return 0;
}

} // namespace

// Sub-directories are left before the directory above them: each gets its pair named after
// it, then the project directory its own.
class DialogGenerator::ProjectVisitor : public TreeVisitor {
public:
    explicit ProjectVisitor(DialogGenerator& generator) : generator_(generator) {}
    void LeaveDirectory(const WalkDirectory& directory) override {
        if (Stale(directory.path.c_str(), directory.name.c_str(), directory.files))
            generator_.GenerateDirectory(directory.path.c_str(), directory.name.c_str(),
                                         directory.files);
    }

private:
    DialogGenerator& generator_;
};

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
        ProjectVisitor visitor(*this);
        WalkTree(directory, ScriptWalk(), visitor);
    }
    if (versionEnabled) {
        // A tree another run is numbering is left alone, the counter included.
        int counter = buildCounter;
        if (buildCounter < INT_MAX) ++buildCounter;
        if (!NumberVersionTree(directory)) buildCounter = counter;
    }
}

void DialogGenerator::Notify(NoticeKind kind, const char* path, int line, const std::string& text,
                             const std::string& why) {
    if (listener) listener->Notice(CodegenNotice{kind, path, line, text.c_str(), why.c_str()});
}

int DialogGenerator::NeedsRegeneration(const char* directory, const char* name) {
    return Stale(directory, name, Scripts(directory));
}

int DialogGenerator::GenerateDirectory(const char* directory, const char* name) {
    return GenerateDirectory(directory, name, Scripts(directory));
}

int DialogGenerator::GenerateDirectory(const char* directory, const char* name,
                                       const std::vector<platform::DirEntry>& scripts) {
    String headerPath = GeneratedPath(directory, name, ".h");
    String sourcePath = GeneratedPath(directory, name, ".cpp");
    if (platform::FileExists(headerPath.c_str())) platform::RemoveFile(headerPath.c_str());
    if (platform::FileExists(sourcePath.c_str())) platform::RemoveFile(sourcePath.c_str());

    // Text mode: each line feed becomes the platform's line end.
    FILE* header = platform::OpenFile(headerPath.c_str(), "w");
    FILE* source = header ? platform::OpenFile(sourcePath.c_str(), "w") : nullptr;
    if (!source) {
        if (header) {
            std::fclose(header);
            platform::RemoveFile(headerPath.c_str());
        }
        Notify(NoticeKind::kFailed, (header ? sourcePath : headerPath).c_str(), 0,
               "cannot be written", platform::LastErrorText());
        return 0;
    }

    RcWriter writer(header, source);
    writer.Begin(name);
    for (const platform::DirEntry& script : scripts)
        ScanRc(JoinPath(directory, script.name.c_str()).c_str(), writer);
    writer.End(name);

    int ok = !std::ferror(header) && !std::ferror(source);
    ok = (std::fclose(header) == 0) && ok;
    ok = (std::fclose(source) == 0) && ok;
    if (!ok) {
        // Cut files would look up to date to the next Make: leave none, so it tries again.
        platform::RemoveFile(headerPath.c_str());
        platform::RemoveFile(sourcePath.c_str());
    }
    if (!ok)
        Notify(NoticeKind::kFailed, headerPath.c_str(), 0, "cannot be written",
               platform::LastErrorText());
    else if (listener)
        listener->DirectoryGenerated(headerPath.c_str(), sourcePath.c_str());
    return ok;
}

int DialogGenerator::GenerateFromRc(FILE* header, FILE* source, const char* rcPath) {
    RcWriter writer(header, source);
    return ScanRc(rcPath, writer);
}

} // namespace codegen
} // namespace qelvo
