#include "setup/install_steps.h"

#include "platform/platform.h"
#include "setup/setup_texts.h"
#include "setup/version_text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace qelvo {
namespace setup {

const char kAddonsKey[] = "SOFTWARE\\Borland\\Borland C++\\5.0\\Ide\\AddOns";
const char kAddonName[] = "Qelvoadd";

namespace {

using platform::ShowMessage;

bool Fail(StepPort& port, const std::string& text) {
    ShowMessage(text.c_str(), kTitle, platform::kMbOk | platform::kMbIconStop, port.Owner());
    return false;
}

bool VerifyIdeDirectory(const Directories& dirs, StepPort& port) {
    platform::FileStatus status = platform::GetFileStatus(dirs.ide.c_str());
    if (!status.exists || !status.isDirectory) return Fail(port, "Wrong Borland C++ directory");
    if (!platform::FileExists((dirs.ide + "\\BCW.EXE").c_str()))
        return Fail(port, "Cannot identify Borland C++ directory\n(BCW.EXE file does not exist).");
    return true;
}

bool VerifyOpenedApplications(StepPort& port) {
    if (port.WindowOfClassExists("CPPFRAME"))
        return Fail(port, "You must close Borland C++ before installation");
    if (port.WindowTitledExists("Borland C++ IDE AddOn Registry Editor"))
        return Fail(port, "You must close AddOnReg before installation");
    return true;
}

bool VerifyIdeVersion(const Directories& dirs, StepPort& port) {
    std::string dll = dirs.ide + "\\BCWRES.DLL";
    std::vector<unsigned char> bytes;
    switch (port.ReadDialogResource(dll, kIdeVersionDialog, bytes)) {
    case kVersionReadOk:
        break;
    case kVersionNoLibrary:
        return Fail(port, "This is not BCW.EXE 5.02 directory !\nMaybe an older version 1...\n(" +
                              dll + ")");
    case kVersionNoDialog:
        return Fail(port, "This is not BCW.EXE 5.0 directory !\nMaybe an older version 2...)");
    case kVersionNotLoaded:
        return Fail(port, "This is not BCW.EXE 5.0 directory !\nMaybe an older version 3...)");
    default:
        return Fail(port, "This is not BCW.EXE 5.0 directory !\nMaybe an older version 4...)");
    }
    std::string version;
    if (!FindVersionText(bytes.data(), bytes.size(), version) || version != "5.02")
        return Fail(port, "You must use 5.02 version of Borland C++ !");
    return true;
}

bool CreateAddonDirectory(const Directories& dirs, StepPort& port) {
    const char* dir = dirs.addon.c_str();
    if (!platform::GetFileStatus(dir).exists) {
        std::string question = dirs.addon + " directory does not exist ?\nCreate ?";
        int answer = ShowMessage(question.c_str(), kTitle,
                                 platform::kMbYesNo | platform::kMbIconQuestion, port.Owner());
        if (answer != platform::kIdYes) return false;
        platform::MakeDirectory(dir);
    }
    platform::FileStatus status = platform::GetFileStatus(dir);
    if (!status.exists || !status.isDirectory)
        return Fail(port, "Impossible to access " + dirs.addon + " directory !");
    return true;
}

bool WriteRegistry(const Directories& dirs, StepPort& port) {
    std::string key = std::string(kAddonsKey) + "\\" + kAddonName;
    std::string path = dirs.addon + "\\Qelvoadd.dll";
    if (!port.SetRegistryText(key.c_str(), "Enabled", "Yes") ||
        !port.SetRegistryText(key.c_str(), "Path", path.c_str()))
        return Fail(port, "Cannot write registry database");
    return true;
}

} // namespace

bool WriteInBlocks(BlockWriter& writer, const unsigned char* data, size_t size) {
    size_t done = 0;
    while (size - done > kCopyBlock) {
        if (writer.Write(data + done, kCopyBlock) != kCopyBlock) return false;
        done += kCopyBlock;
    }
    size_t rest = size - done;
    return rest == 0 || writer.Write(data + done, rest) == rest;
}

const char* CopyPayload(StepPort& port, SubActionSink& progress, const char* resource,
                        const std::string& directory, const char* fileName) {
    progress.ShowSubAction("Opening");
    if (!port.FindPayload(resource)) return "Cannot find ressource to copy";
    progress.ShowSubAction("Reading");
    if (!port.LoadPayload()) return "Cannot load file to copy";
    const unsigned char* data = nullptr;
    size_t size = 0;
    if (!port.LockPayload(data, size) || (size != 0 && !data))
        return "Cannot lock data file to copy";
    // The resource is copied out before the target is written, as one buffer of its size.
    unsigned char* buffer = static_cast<unsigned char*>(std::malloc(size ? size : 1));
    if (!buffer) return "Cannot load file to copy";
    if (size) std::memcpy(buffer, data, size);
    progress.ShowSubAction("Open target");
    if (!port.CreateTarget(directory + "\\" + fileName)) {
        std::free(buffer);
        return "Cannot create target file";
    }
    progress.ShowSubAction("Writing");
    bool written = WriteInBlocks(port, buffer, size);
    if (!written) {
        port.CloseTarget();
        std::free(buffer);
        return "Write error";
    }
    progress.ShowSubAction("Closing");
    // Buffered bytes reach the disk only now: a failed close is a failed write.
    bool closed = port.CloseTarget();
    std::free(buffer);
    return closed ? nullptr : "Write error";
}

bool RunStep(int step, const Directories& dirs, StepPort& port, SubActionSink& progress) {
    const char* failure = nullptr;
    switch (step) {
    case 0:
        return VerifyIdeDirectory(dirs, port);
    case 1:
        return VerifyOpenedApplications(port);
    case 2:
        return VerifyIdeVersion(dirs, port);
    case 3:
        return CreateAddonDirectory(dirs, port);
    case 4:
        failure = CopyPayload(port, progress, "FILEDLL", dirs.addon, "Qelvoadd.dll");
        break;
    case 5:
        failure = CopyPayload(port, progress, "FILEHLP", dirs.addon, "QELVOADD.HLP");
        break;
    case 6:
        failure = CopyPayload(port, progress, "FILECNT", dirs.addon, "QELVOADD.CNT");
        break;
    case 7:
        return WriteRegistry(dirs, port);
    default:
        return false;
    }
    return failure ? Fail(port, failure) : true;
}

// ---- Target files through the platform layer ------------------------------------------------

FileTargetPort::~FileTargetPort() {
    if (file_) std::fclose(static_cast<FILE*>(file_));
}

bool FileTargetPort::CreateTarget(const std::string& path) {
    if (file_) std::fclose(static_cast<FILE*>(file_));
    file_ = platform::OpenFile(path.c_str(), "wb");
    return file_ != nullptr;
}

size_t FileTargetPort::Write(const unsigned char* data, size_t size) {
    return file_ ? std::fwrite(data, 1, size, static_cast<FILE*>(file_)) : 0;
}

bool FileTargetPort::CloseTarget() {
    if (!file_) return false;
    bool ok = std::fclose(static_cast<FILE*>(file_)) == 0;
    file_ = nullptr;
    return ok;
}

} // namespace setup
} // namespace qelvo
