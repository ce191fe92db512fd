// The dialog class generator and the build numbering of version files, both run at the start of
// each Make in the open project's directory tree.
//
// Generation turns the dialogs and menus of each directory's resource scripts into rc<Name>.h
// and rc<Name>.cpp: per dialog a class rc<Dialog> derived from the window library's Dialog, one
// member per control, rcInit, empty handlers per control and per menu item; per menu two
// macros. Numbering raises the build number of every VERSION.RC of the tree, keeping the old
// content as VERSION.BAK.
#pragma once

#include "codegen/rc_records.h"
#include "foundation/qstring.h"
#include "foundation/tableau.h"
#include "platform/platform.h"

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace qelvo {
namespace codegen {

class LineReader;
struct VersionTarget;

// Most entries a table takes while one script is processed; further entries are left out.
constexpr int kTableEntries = 255;
// Most bytes of a resource-script line read at once; the rest of a longer line is read as the
// next piece, so nothing after the limit is thrown away.
constexpr size_t kRcLineBytes = 1022;

// What a notice is about.
enum class NoticeKind {
    kScript,          // a script the generated code mends or leaves partly out (a warning)
    kNothingToNumber, // a version file without a FILEVERSION statement, left as it was
    kRefused,         // a version number out of range: the file left as it was
    kBusy,            // another run is numbering the tree: nothing was changed
    kFailed,          // a file or directory could not be read or written
};

struct CodegenNotice {
    NoticeKind kind;
    const char* path; // the file or directory it is about
    int line;         // its line (from 1) when it is about one, else 0
    const char* text; // what happened, for the user
    const char* why;  // the system's words for a failure, else empty
};

// Told what one Make did, for whoever shows it (the command-line tool prints it).
class CodegenListener {
public:
    // Both generated files of a directory were written.
    virtual void DirectoryGenerated(const char* headerPath, const char* sourcePath) = 0;
    // A version file was given the build number.
    virtual void VersionNumbered(const char* path, int build) = 0;
    // Anything else worth telling: warnings about scripts and every file left as it was.
    virtual void Notice(const CodegenNotice& notice) = 0;

protected:
    ~CodegenListener() = default;
};

class DialogGenerator {
public:
    // Per-project switches (0 without a project option) and the counter that lives from load
    // to unload of the add-on.
    int enabled = 0;
    int versionEnabled = 0;
    int buildCounter = 0;

    // Gives the open project's directory and 1, or 0 without a project; the add-on plugs in
    // the IDE's project functions. Without it, or without a project, Make start works in the
    // current directory.
    int (*projectDirectory)(String& directory) = nullptr;
    CodegenListener* listener = nullptr;

    // The tables of the script being processed, each emptied at the start of its pass.
    Tableau<DefineEntry> defines;
    Tableau<MenuItemEntry> menuItems;
    Tableau<ControlEntry> controls;

    // What the Make-started handling calls: GenerateForProject on the project's directory.
    void OnMakeStarted();
    // Dialog classes in the directory and each immediate sub-directory (when enabled), then
    // the numbering of the whole tree (when versionEnabled).
    void GenerateForProject(const char* directory);
    // How many resource scripts the generation would read in the directory and its immediate
    // sub-directories.
    int ScriptCount(const char* directory);
    // 1 when rc<name>.h or rc<name>.cpp is missing or a script of the directory is newer than
    // the older of the two; 0 otherwise.
    int NeedsRegeneration(const char* directory, const char* name);
    // Rewrites rc<name>.h and rc<name>.cpp from every *.rc of the directory (hidden names and
    // links left out), each written whole under a work name and then renamed into place; 0 when
    // a script could not be read or a file written, and then both are left as they were.
    int GenerateDirectory(const char* directory, const char* name);
    // Appends the output for one script; 0 (nothing written) when it cannot be opened.
    int GenerateFromRc(FILE* header, FILE* source, const char* rcPath);
    // Hands the script's menu items and dialogs to sink; 0 when it cannot be opened or read.
    int ScanRc(const char* rcPath, RcRecordSink& sink);
    // Numbers the version files of the whole tree, deepest directories first. 0 when another
    // run was found numbering it: then nothing was changed.
    int NumberVersionTree(const char* directory);
    // Numbers the directory's VERSION.RC: 1 when renumbered, 0 when there is none, another run
    // is numbering it, or it kept its old content.
    int NumberVersionFile(const char* directory);

private:
    class ProjectVisitor;
    class VersionVisitor;

    void Notify(NoticeKind kind, const char* path, int line, const std::string& text,
                const std::string& why = std::string());

    // The same with the directory's scripts or version files as the walk found them.
    int GenerateDirectory(const char* directory, const char* name,
                          const std::vector<platform::DirEntry>& scripts);
    int ClaimWorkFile(const VersionTarget& target);
    int NumberClaimed(const VersionTarget& target);
    void ScanDefines(LineReader& reader);
    void ScanMenus(LineReader& reader, RcRecordSink& sink);
    void ScanDialogs(LineReader& reader, RcRecordSink& sink);
    void EndDialog(const char* dialog, const char* menu, int line, RcRecordSink& sink);
    const DefineEntry* FindDefine(const char* name) const;
    const DefineEntry* FindUsable(const char* identifier, int line, const char* user);
    void AddDefine(const char* name, const char* value);
    void AddMenuItem(const char* identifier, const char* menu, int line);
    void AddControl(const char* line, int lineNumber);
    // A warning about the script being scanned (line 0: about the whole script).
    void Warn(int line, const std::string& text);

    // The script being scanned, the entries its pass left out for want of room, and the
    // names whose definitions were too long to keep.
    const char* scriptPath_ = "";
    int leftOut_ = 0;
    std::set<std::string> longDefines_;
};

// "dir\name", the engine's way of joining paths.
String JoinPath(const char* directory, const char* name);

} // namespace codegen
} // namespace qelvo
