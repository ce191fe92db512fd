// The stand-in IDE's project file (.ide): a text file described in
// docs/stand-in-project-format.md. Reading either gives the whole project or an error text
// that names the file and the line; writing gives back what reading takes.
#pragma once

#include "project_model.h"

#include <memory>
#include <string>

namespace qelvo {
namespace host {

// Parses the text of a project file; path names the file (for the project and the errors).
// Null with error set when the text is not a valid project.
std::unique_ptr<Project> ParseProject(const std::string& path, const std::string& text,
                                      std::string& error);
// Reads the file at path (the engine's form); null with error set when it cannot be read or
// is not a valid project.
std::unique_ptr<Project> ReadProjectFile(const std::string& path, std::string& error);

std::string FormatProject(const Project& project);
// Writes the project to its path; false with error set when the file cannot be written.
bool WriteProjectFile(const Project& project, std::string& error);

} // namespace host
} // namespace qelvo
