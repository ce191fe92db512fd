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
#include <string>
#include <vector>

namespace qelvo {
namespace codegen {

class LineReader;

// Most entries a table takes while one script is processed; further entries are left out.
constexpr int kTableEntries = 255;
// Most bytes of a resource-script line read at once; the rest of a longer line is read as the
// next piece, so nothing after the limit is thrown away.
constexpr size_t kRcLineBytes = 1022;

// Told what one Make did, for whoever shows it (the command-line tool prints it).
class CodegenListener {
public:
    // After GenerateDirectory; ok is 0 when a generated file could not be written.
    virtual void DirectoryGenerated(const char* headerPath, const char* sourcePath, int ok) = 0;
    // After NumberVersionFile found a version file; ok is 0 when it kept its old content.
    virtual void VersionNumbered(const char* path, int ok) = 0;

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
    // 1 when rc<name>.h or rc<name>.cpp is missing or a script of the directory is newer than
    // the older of the two; 0 otherwise.
    int NeedsRegeneration(const char* directory, const char* name);
    // Rewrites rc<name>.h and rc<name>.cpp from every *.rc of the directory (hidden names and
    // links left out); 0 when they could not be written.
    int GenerateDirectory(const char* directory, const char* name);
    // Appends the output for one script; 0 (nothing written) when it cannot be opened.
    int GenerateFromRc(FILE* header, FILE* source, const char* rcPath);
    // Hands the script's menu items and dialogs to sink; 0 when it cannot be opened.
    int ScanRc(const char* rcPath, RcRecordSink& sink);
    // Numbers the version files of the whole tree, deepest directories first.
    void NumberVersionTree(const char* directory);
    // Numbers the directory's VERSION.RC: 1 when renumbered, 0 when there is none or it kept
    // its old content.
    int NumberVersionFile(const char* directory);

private:
    class ProjectVisitor;
    class VersionVisitor;

    // The same with the directory's scripts or version files as the walk found them.
    int GenerateDirectory(const char* directory, const char* name,
                          const std::vector<platform::DirEntry>& scripts);
    int NumberVersionFile(const char* directory, const std::vector<platform::DirEntry>& files);
    void ScanDefines(LineReader& reader);
    void ScanMenus(LineReader& reader, RcRecordSink& sink);
    void ScanDialogs(LineReader& reader, RcRecordSink& sink);
    const DefineEntry* FindDefine(const char* name) const;
    void AddDefine(const char* name, const char* value);
    void AddMenuItem(const char* identifier, const char* menu);
    void AddControl(const char* line);
    int RewriteVersionFile(const std::string& original, const std::string& work);
};

// "dir\name", the engine's way of joining paths.
String JoinPath(const char* directory, const char* name);

} // namespace codegen
} // namespace qelvo
