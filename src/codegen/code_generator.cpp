#include "codegen/code_generator.h"

#include "core/project_session.h"
#include "core/project_values.h"

namespace qelvo {

DialogCodeGenerator* CodeGenerator = nullptr;

namespace {

// The open project's directory; the current directory without a project.
int ProjectDirectoryOf(String& directory) {
    directory = ProjectDirectory();
    return 1;
}

} // namespace

DialogCodeGenerator::DialogCodeGenerator() {
    generator.projectDirectory = ProjectDirectoryOf;
    ProjectValues.eWindows = &generator.enabled;
    ProjectValues.genRC = &generator.versionEnabled;
}

DialogCodeGenerator::~DialogCodeGenerator() {
    const ProjectValueFields& held = HeldProjectValues();
    ProjectValues.eWindows = held.eWindows;
    ProjectValues.genRC = held.genRC;
}

} // namespace qelvo
