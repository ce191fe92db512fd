// The add-on's dialog code generator: the generator of dialog classes and version numbers with
// its per-project switches, read when a project opens and written when it is saved; run at the
// start of each Make on the open project's directory.
#pragma once

#include "codegen/dialog_generator.h"
#include "core/project_session.h"

namespace qelvo {

class DialogCodeGenerator final : public ProjectListener {
public:
    // Listens to the project session.
    DialogCodeGenerator();
    ~DialogCodeGenerator();
    DialogCodeGenerator(const DialogCodeGenerator&) = delete;
    DialogCodeGenerator& operator=(const DialogCodeGenerator&) = delete;

    // "Qelvo_EWindows" and "Qelvo_GenRC" of the project (0 when absent).
    void ProjectOpened() override;
    void ProjectSaving() override;

    // What the Make start runs first.
    void MakeStarted() { generator.OnMakeStarted(); }

    codegen::DialogGenerator generator;
};

// The add-on's dialog code generator; null while it does not exist.
extern DialogCodeGenerator* CodeGenerator;

} // namespace qelvo
