// HTML generation: builds the documentation model of a project and writes its pages into the
// project's qHTML directory, either on the caller's thread or on a thread of its own (one at a
// time, refused with a warning while one runs), and opens the result.
#pragma once

#include "html/html_writer.h"

#include <string>

namespace qelvo {
namespace html {

struct GenerationSummary {
    int files = 0;
    int classes = 0;
    int functions = 0;
    int macros = 0;
    WriteSummary output; // the pages: in place, written, unchanged, removed, refused
};

// The output directory: the project directory followed by "\qHTML".
std::string OutputDirectory(const char* projectDirectory);
// The frameset page: "<directory>\qHTML\Documentation <name>.html".
std::string FramesetPath(const char* projectDirectory, const char* projectName);
// The name the pages carry: the project file's name without its ".ide" (its last four
// characters).
std::string DocumentationName(const char* projectFileName);

// Builds the model and writes every page, on the calling thread. 1 when every page is in place.
int Generate(const char* projectDirectory, const char* projectName, const char* patterns,
             GenerationSummary* summary = nullptr);

// Starts a generation on a thread of its own. The inputs are copied and the busy counter is
// raised before the thread starts, so a second request right after the first is refused too:
// it shows "HTML generation in progress" and gives 0.
int StartGeneration(const char* projectDirectory, const char* projectName, const char* patterns);
// The busy counter: generations started and not yet finished.
int GenerationsRunning();
// Waits until a running generation has finished (the add-on's stop calls it before the code the
// thread runs is unloaded). Returns at once when none runs.
void WaitForGeneration();

// Opens the frameset page in the user's browser; does not wait for a running generation.
int OpenDocumentation(const char* projectDirectory, const char* projectName);

// Tests: called on the generation thread before it does anything (null: nothing).
using GenerationHook = void (*)(void* context);
void SetGenerationStartHook(GenerationHook hook, void* context);

} // namespace html
} // namespace qelvo
