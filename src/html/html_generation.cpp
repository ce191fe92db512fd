#include "html/html_generation.h"

#include "html/doc_scanner.h"
#include "html/html_writer.h"
#include "platform/platform.h"

#include <atomic>
#include <cstring>
#include <thread>

namespace qelvo {
namespace html {

namespace {

std::atomic<int> busy{0};
std::atomic<GenerationHook> startHook{nullptr};
std::atomic<void*> startHookContext{nullptr};

// The one generation thread. Only the user-interface thread starts and waits for it.
struct GenerationThread {
    std::thread thread;
    ~GenerationThread() {
        if (thread.joinable())
            thread.join();
    }
} generation;

} // namespace

std::string OutputDirectory(const char* projectDirectory) {
    std::string directory = projectDirectory && *projectDirectory ? projectDirectory : ".";
    return directory + "\\qHTML";
}

std::string FramesetPath(const char* projectDirectory, const char* projectName) {
    return OutputDirectory(projectDirectory) + "\\" + FramesetPageName(projectName ? projectName : "");
}

std::string DocumentationName(const char* projectFileName) {
    std::string name = projectFileName ? projectFileName : "";
    return name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
}

int Generate(const char* projectDirectory, const char* projectName, const char* patterns,
             GenerationSummary* summary) {
    std::unique_ptr<htProjet> project = BuildModel(
        projectDirectory && *projectDirectory ? projectDirectory : ".", patterns, projectName);
    GenerationSummary local;
    GenerationSummary& s = summary ? *summary : local;
    int ok = WritePages(*project, OutputDirectory(projectDirectory).c_str(), &s.output);
    s.files = project->files.count;
    s.classes = project->classes.count;
    s.functions = project->functions.count;
    s.macros = project->macros.count;
    return ok;
}

int StartGeneration(const char* projectDirectory, const char* projectName, const char* patterns) {
    if (busy.load() > 0) {
        platform::ShowMessage("HTML generation in progress", "Warning", platform::kMbOk);
        return 0;
    }
    // The previous thread has finished its work; let it end before the next one starts.
    if (generation.thread.joinable())
        generation.thread.join();
    ++busy;
    std::string directory = projectDirectory ? projectDirectory : "";
    std::string name = projectName ? projectName : "";
    std::string filters = patterns ? patterns : "";
    generation.thread = std::thread([directory, name, filters] {
        if (GenerationHook hook = startHook.load())
            hook(startHookContext.load());
        Generate(directory.c_str(), name.c_str(), filters.c_str());
        --busy;
    });
    return 1;
}

int GenerationsRunning() { return busy.load(); }

void WaitForGeneration() {
    if (generation.thread.joinable())
        generation.thread.join();
}

int OpenDocumentation(const char* projectDirectory, const char* projectName) {
    return platform::OpenDocument(FramesetPath(projectDirectory, projectName).c_str(),
                                  OutputDirectory(projectDirectory).c_str(),
                                  platform::ShowState::kMaximized)
               ? 1
               : 0;
}

void SetGenerationStartHook(GenerationHook hook, void* context) {
    startHookContext.store(context);
    startHook.store(hook);
}

} // namespace html
} // namespace qelvo
