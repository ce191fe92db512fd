// What the stand-in IDE's tests share: the sample project's place and a copy of it to work on,
// clients that record every notification, and reading a node's texts through the interfaces.
#pragma once

#include "ide/ide_services.h"
#include "platform/platform.h"

#include <string>
#include <vector>

namespace qelvo {
namespace testing_support {

// The sample project's folder in the engine's form (set by the build).
inline std::string SampleDirectory() {
    return QELVO_SAMPLES_DIR "\\app";
}

// Copies a folder and everything below it.
inline bool CopyTree(const std::string& from, const std::string& to) {
    if (!platform::MakeDirectory(to.c_str()) && !platform::GetFileStatus(to.c_str()).isDirectory)
        return false;
    std::vector<platform::DirEntry> entries;
    if (!platform::ListDirectory((from + "\\*").c_str(), true, entries)) return false;
    for (const platform::DirEntry& entry : entries) {
        if (entry.name == "." || entry.name == "..") continue;
        std::string source = from + "\\" + entry.name, target = to + "\\" + entry.name;
        if (entry.isDirectory ? !CopyTree(source, target)
                              : !platform::CopyWholeFile(source.c_str(), target.c_str()))
            return false;
    }
    return true;
}

// The text of a string the IDE handed out, which is then released.
inline std::string Text(ide::HostString* s) {
    if (!s) return "(null)";
    std::string text = s->GetText();
    s->Release();
    return text;
}

// A project and save client that writes every notification into a shared log.
class RecordingProjectClient : public ide::IUnknownImp<ide::IProjectClient> {
public:
    explicit RecordingProjectClient(std::vector<std::string>& log, const char* name = "client")
        : log_(log), name_(name) {}

    void QELVO_IDECALL OnProjectOpened(ide::HostString* file) override {
        Note("opened " + std::string(file ? file->GetText() : "(null)"));
    }
    void QELVO_IDECALL OnProjectClosed() override { Note("closed"); }
    void QELVO_IDECALL OnNodeAdded(ide::IdeNode) override { Note("added"); }
    void QELVO_IDECALL OnNodeRemoved(ide::IdeNode) override { Note("removed"); }
    void QELVO_IDECALL OnNodeMoved(ide::IdeNode) override { Note("moved"); }
    void QELVO_IDECALL OnNodeRenamed(ide::IdeNode) override { Note("renamed"); }
    void QELVO_IDECALL OnNodeChanged(ide::IdeNode) override { Note("changed"); }
    int32_t QELVO_IDECALL QueryCloseProject() override {
        Note("may close");
        return keepOpen;
    }
    void QELVO_IDECALL OnNodeOptionsChanged(ide::IdeNode) override { Note("options"); }

    int32_t keepOpen = 0;

private:
    void Note(const std::string& what) { log_.push_back(name_ + ": " + what); }

    std::vector<std::string>& log_;
    std::string name_;
};

class RecordingSaveClient : public ide::IUnknownImp<ide::IProjectSaveClient> {
public:
    explicit RecordingSaveClient(std::vector<std::string>& log) : log_(log) {}
    void QELVO_IDECALL OnProjectSave() override { log_.push_back("save: saving"); }
    void QELVO_IDECALL OnProjectSaved() override { log_.push_back("save: saved"); }

private:
    std::vector<std::string>& log_;
};

class RecordingMakeClient : public ide::IUnknownImp<ide::IMakeClient> {
public:
    explicit RecordingMakeClient(std::vector<std::string>& log) : log_(log) {}
    void QELVO_IDECALL OnMakeStarted() override { log_.push_back("make: started"); }
    void QELVO_IDECALL OnMakeEnded() override { log_.push_back("make: ended"); }

private:
    std::vector<std::string>& log_;
};

} // namespace testing_support
} // namespace qelvo
