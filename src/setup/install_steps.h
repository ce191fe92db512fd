// The eight installation steps. What needs Windows itself (windows of other programs, the
// IDE's resource DLL, the installer's own resources, the registry) is asked of a StepPort; the
// checks, the texts and the copy loop are here. Messages go through the platform's sink, owned
// by the installation dialog.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qelvo {
namespace setup {

struct Directories {
    std::string ide;   // holds BCW.EXE
    std::string addon; // receives the DLL and its help files
};

// Receives the bytes of a copy in the blocks they are written in.
class BlockWriter {
public:
    virtual size_t Write(const unsigned char* data, size_t size) = 0;

protected:
    ~BlockWriter() = default;
};

enum : size_t { kCopyBlock = 16384 };

// Writes blocks of 16384 bytes while more than 16384 remain, then the rest (nothing when no
// byte remains). False at the first short write.
bool WriteInBlocks(BlockWriter& writer, const unsigned char* data, size_t size);

// Shows the sub-action of a copy ("Opening", "Reading", ...) in the step's line.
class SubActionSink {
public:
    virtual void ShowSubAction(const char* label) = 0;

protected:
    ~SubActionSink() = default;
};

// Stages of reading the IDE's version dialog that can fail.
enum VersionRead : int {
    kVersionReadOk = 0,
    kVersionNoLibrary = 1,
    kVersionNoDialog = 2,
    kVersionNotLoaded = 3,
    kVersionNotLocked = 4,
};

class StepPort : public BlockWriter {
public:
    // Owner of the steps' message boxes.
    virtual void* Owner() = 0;
    // A top-level window of this class exists.
    virtual bool WindowOfClassExists(const char* className) = 0;
    // A window with exactly this title exists.
    virtual bool WindowTitledExists(const char* title) = 0;
    // Loads `dll` as a data file, copies the bytes of its dialog resource `id` and releases
    // both; returns the stage that failed or kVersionReadOk.
    virtual int ReadDialogResource(const std::string& dll, int id,
                                   std::vector<unsigned char>& bytes) = 0;
    // The installer's raw-data resource `name`: find, then load, then lock.
    virtual bool FindPayload(const char* name) = 0;
    virtual bool LoadPayload() = 0;
    virtual bool LockPayload(const unsigned char*& data, size_t& size) = 0;
    // The target file of a copy: created in binary mode, written (BlockWriter), closed.
    virtual bool CreateTarget(const std::string& path) = 0;
    virtual bool CloseTarget() = 0;
    // Opens or creates the key below HKEY_LOCAL_MACHINE and sets a string value.
    virtual bool SetRegistryText(const char* key, const char* name, const char* text) = 0;

protected:
    ~StepPort() = default;
};

// A StepPort whose target files are real files, reached through the platform layer.
class FileTargetPort : public StepPort {
public:
    bool CreateTarget(const std::string& path) override;
    size_t Write(const unsigned char* data, size_t size) override;
    bool CloseTarget() override;

protected:
    ~FileTargetPort();

private:
    void* file_ = nullptr; // FILE*
};

extern const char kAddonsKey[]; // "SOFTWARE\Borland\Borland C++\5.0\Ide\AddOns"
extern const char kAddonName[]; // "Qelvoadd"
enum : int { kIdeVersionDialog = 12432 };

// Runs step 0..7; true when it succeeded. A failing step has shown its message.
bool RunStep(int step, const Directories& dirs, StepPort& port, SubActionSink& progress);

// Steps 4 to 6: copies a raw-data resource to `directory\fileName`. Null on success, else the
// message to show.
const char* CopyPayload(StepPort& port, SubActionSink& progress, const char* resource,
                        const std::string& directory, const char* fileName);

} // namespace setup
} // namespace qelvo
