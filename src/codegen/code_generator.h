// The add-on's dialog code generator: the generator of dialog classes and version numbers with
// its per-project switches ("Qelvo_EWindows" and "Qelvo_GenRC", read and written with the
// project's other options while it exists); run at the start of each Make on the open project's
// directory.
#pragma once

#include "codegen/dialog_generator.h"

namespace qelvo {

class DialogCodeGenerator final {
public:
    // Holds the project's two switches.
    DialogCodeGenerator();
    ~DialogCodeGenerator();
    DialogCodeGenerator(const DialogCodeGenerator&) = delete;
    DialogCodeGenerator& operator=(const DialogCodeGenerator&) = delete;

    // What the Make start runs first.
    void MakeStarted() { generator.OnMakeStarted(); }

    codegen::DialogGenerator generator;
};

// The add-on's dialog code generator; null while it does not exist.
extern DialogCodeGenerator* CodeGenerator;

} // namespace qelvo
