#include "codegen/code_generator.h"

#include "foundation/project_options.h"

namespace qelvo {

DialogCodeGenerator* CodeGenerator = nullptr;

namespace {

constexpr char kWindowsOption[] = "Qelvo_EWindows";
constexpr char kVersionOption[] = "Qelvo_GenRC";

// The open project's directory; the current directory without a project.
int ProjectDirectoryOf(String& directory) {
    directory = ProjectDirectory();
    return 1;
}

} // namespace

DialogCodeGenerator::DialogCodeGenerator() {
    generator.projectDirectory = ProjectDirectoryOf;
    AddProjectListener(this);
}

DialogCodeGenerator::~DialogCodeGenerator() {
    RemoveProjectListener(this);
}

void DialogCodeGenerator::ProjectOpened() {
    generator.enabled = GetProjectInt(kWindowsOption, 0);
    generator.versionEnabled = GetProjectInt(kVersionOption, 0);
}

void DialogCodeGenerator::ProjectSaving() {
    SetProjectInt(kWindowsOption, generator.enabled);
    SetProjectInt(kVersionOption, generator.versionEnabled);
}

} // namespace qelvo
