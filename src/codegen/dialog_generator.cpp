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

// The work names of the generated files while they are written.
const char kWorkSuffix[] = ".$$$";

// The first thing that went wrong in a directory's generation.
struct GenerationFailure {
    std::string path, text, why;

    void Fail(const std::string& where, const char* what) {
        if (!text.empty()) return;
        why = platform::LastErrorText();
        path = where;
        text = what;
    }
};

// A fresh work file in text mode (each line feed becomes the platform's line end). One left by
// an interrupted Make holds nothing anybody needs; whatever bears the name now is not written
// through.
FILE* CreateWorkFile(const std::string& path, GenerationFailure& failure) {
    platform::RemoveFile(path.c_str());
    FILE* file = platform::OpenNewFile(path.c_str(), true);
    if (!file) failure.Fail(path, "cannot be created");
    return file;
}

int Close(FILE* file) {
    int ok = !std::ferror(file);
    return std::fclose(file) == 0 && ok;
}

} // namespace

// Sub-directories are left before the directory above them: each gets its pair named after
// it, then the project directory its own.
class DialogGenerator::ProjectVisitor : public TreeVisitor {
public:
    explicit ProjectVisitor(DialogGenerator& generator) : generator_(generator) {}
    void LeaveDirectory(const WalkDirectory& directory) override {
        // Its scripts are unknown: classes written now would lack their dialogs.
        if (!directory.error.empty()) {
            generator_.Notify(NoticeKind::kFailed, directory.path.c_str(), 0, "cannot be listed",
                              directory.error);
            return;
        }
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

int DialogGenerator::ScriptCount(const char* directory) {
    struct Counter : TreeVisitor {
        void VisitFile(const WalkDirectory&, const platform::DirEntry&) override { ++count; }
        int count = 0;
    } counter;
    WalkTree(directory, ScriptWalk(), counter);
    return counter.count;
}

int DialogGenerator::NeedsRegeneration(const char* directory, const char* name) {
    return Stale(directory, name, Scripts(directory));
}

int DialogGenerator::GenerateDirectory(const char* directory, const char* name) {
    return GenerateDirectory(directory, name, Scripts(directory));
}

// Both files are written whole under work names and only then renamed over the generated
// ones, each in one step: a generated file is complete or absent, so a Make interrupted while
// writing never leaves a cut file that the next one takes for up to date.
int DialogGenerator::GenerateDirectory(const char* directory, const char* name,
                                       const std::vector<platform::DirEntry>& scripts) {
    String headerPath = GeneratedPath(directory, name, ".h");
    String sourcePath = GeneratedPath(directory, name, ".cpp");
    std::string headerWork = std::string(headerPath.c_str()) + kWorkSuffix;
    std::string sourceWork = std::string(sourcePath.c_str()) + kWorkSuffix;
    GenerationFailure failure;

    FILE* header = CreateWorkFile(headerWork, failure);
    FILE* source = header ? CreateWorkFile(sourceWork, failure) : nullptr;
    if (source) {
        RcWriter writer(header, source);
        writer.Begin(name);
        for (const platform::DirEntry& script : scripts) {
            String path = JoinPath(directory, script.name.c_str());
            if (!ScanRc(path.c_str(), writer)) {
                failure.Fail(path.c_str(), "cannot be read");
                break;
            }
        }
        writer.End(name);
    }
    if (header && !Close(header)) failure.Fail(headerWork, "cannot be written");
    if (source && !Close(source)) failure.Fail(sourceWork, "cannot be written");

    if (failure.text.empty() && !platform::MoveReplacing(headerWork.c_str(), headerPath.c_str()))
        failure.Fail(headerPath.c_str(), "cannot be replaced");
    if (failure.text.empty() && !platform::MoveReplacing(sourceWork.c_str(), sourcePath.c_str())) {
        failure.Fail(sourcePath.c_str(), "cannot be replaced");
        // No half pair: the next Make finds the header missing and writes both again.
        platform::RemoveFile(headerPath.c_str());
    }
    if (!failure.text.empty()) {
        platform::RemoveFile(headerWork.c_str());
        platform::RemoveFile(sourceWork.c_str());
        Notify(NoticeKind::kFailed, failure.path.c_str(), 0, failure.text, failure.why);
        return 0;
    }
    if (listener) listener->DirectoryGenerated(headerPath.c_str(), sourcePath.c_str());
    return 1;
}

int DialogGenerator::GenerateFromRc(FILE* header, FILE* source, const char* rcPath) {
    RcWriter writer(header, source);
    return ScanRc(rcPath, writer);
}

} // namespace codegen
} // namespace qelvo
