// The stand-in IDE without its windows: the services object handed to add-ons and the parts
// behind it (projects, tools, Make, message window, frame and status line, options dialog).
// BCW.EXE and the in-process tests build on one StandInIde.
#pragma once

#include "ide/ide_services.h"
#include "file_reader.h"
#include "frame_host.h"
#include "make_host.h"
#include "message_host.h"
#include "options_dialog_host.h"
#include "project_host.h"
#include "tool_host.h"

#include <memory>

namespace qelvo {
namespace host {

class StandInIde {
public:
    StandInIde();
    ~StandInIde();
    StandInIde(const StandInIde&) = delete;
    StandInIde& operator=(const StandInIde&) = delete;

    // The object handed to BcwAddOnEntry; borrowed (the IDE holds its own reference).
    ide::IdeServices* Services();

    ProjectHost& Projects() { return projects_; }
    ToolHost& Tools() { return *tools_; }
    MakeHost& Make() { return make_; }
    MessageHost& Messages() { return messages_; }
    FrameHost& Frame() { return frame_; }
    OptionsDialogHost& OptionsDialog() { return optionsDialog_; }

    // Where the editors plug in (they come with the windows): the unsaved text of open files,
    // and the EditorService, which the services object offers once it is set.
    void SetEditorTextSource(EditorTextSource* editors) { editors_ = editors; }
    void SetEditorService(ide::EditorService* editor) { editor_ = editor; }

    // Lets go of everything add-ons left with the IDE: project, save and Make clients, the
    // tools they added, their options chapters. Called once the add-ons have stopped and
    // before their DLLs are unloaded.
    void DropAddOnObjects();

    // References held on the services object and every service beyond the IDE's own (0 when
    // every add-on released what it asked for), and releases made below the IDE's own.
    uint32_t ServiceReferences() const;
    uint32_t OverReleases() const;

private:
    class ServicesObject;

    ProjectHost projects_;
    std::unique_ptr<ToolHost> tools_;
    MakeHost make_;
    MessageHost messages_;
    FrameHost frame_;
    OptionsDialogHost optionsDialog_;
    EditorTextSource* editors_ = nullptr;
    ide::EditorService* editor_ = nullptr;
    std::unique_ptr<ServicesObject> services_;
};

} // namespace host
} // namespace qelvo
