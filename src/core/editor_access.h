// The add-on's access to the IDE's editor views, shared by the editor menu (going to a
// symbol's line) and keyword completion; also behind the add-on window's go-to-line message.
#pragma once

#include "ide/ide_services.h"

namespace qelvo {

class EditorAccess {
public:
    // Holds the IDE's EditorService; without it every operation does nothing.
    explicit EditorAccess(ide::IdeServices* services);
    ~EditorAccess();
    EditorAccess(const EditorAccess&) = delete;
    EditorAccess& operator=(const EditorAccess&) = delete;

    // Puts the caret of the file's view at column 1 of line and brings the line into view;
    // nothing when no view shows the file.
    void GotoLine(const char* fileName, int line);

    ide::EditorService* Service() const { return editor_; }
    // For the texts handed to the service (MakeHostString).
    ide::IdeServices* Services() const { return services_; }

private:
    ide::IdeServices* services_;
    ide::EditorService* editor_;
};

// The add-on's editor access; null while it does not exist.
extern EditorAccess* Editors;

} // namespace qelvo
