// The stand-in IDE's tools: the IDE's own (by the names the add-on asks for) and the tools that
// add-ons add, which run through their implementor. Every run is recorded for tests.
#pragma once

#include "ide/ide_tools.h"
#include "host_object.h"

#include <string>
#include <vector>

namespace qelvo {
namespace host {

class ProjectHost;

// Where the IDE's own tools open their windows: the program's windows plug in here.
class ToolWindows {
public:
    // "EditText" opens an editor view of the file; "EditResource", "EditBitmapFile",
    // "EditCursorFile" and "EditIconFile" open a viewer window. False when it could not.
    virtual bool OpenToolWindow(const std::string& tool, const std::string& fileName) = 0;

protected:
    ~ToolWindows() = default;
};

struct ToolRun {
    std::string tool;
    ide::IdeNode node;    // 0 when run on a file name or from the Tool menu
    std::string fileName; // the file the tool worked on (a node's file name)
    int32_t result;
};

class ToolHost final : public ServiceObject<ide::ToolService> {
public:
    explicit ToolHost(ProjectHost& projects);
    ~ToolHost();
    ToolHost(const ToolHost&) = delete;
    ToolHost& operator=(const ToolHost&) = delete;

    // The IDE's own tools. "Project" opens the project file it is given; "RunExecutable"
    // starts the program (a node's output path) through the platform's launcher; the others
    // open windows through the ToolWindows when there are windows ("ClassExpert" has none),
    // and are only recorded otherwise.
    static const char* const kBuiltInTools[8];

    // Null: no windows (runs are only recorded).
    void SetWindows(ToolWindows* windows) { windows_ = windows; }

    const std::vector<ToolRun>& Runs() const { return runs_; }
    void ClearRuns() { runs_.clear(); }
    // Names of the tools in the order they were added (the IDE's own first).
    std::vector<std::string> ToolNames() const;
    // The Tool menu: tools added by add-ons, by their menu texts, in the order added.
    std::vector<std::string> ToolMenu() const;
    // Runs a tool by name as the Tool menu does (no node, no file); kToolNotHandled when none.
    int32_t RunFromMenu(const std::string& name);
    // Runs item n (from 0) of the Tool menu; kToolNotHandled beyond the menu.
    int32_t RunMenuItem(size_t n);
    // Removes the tools that add-ons added and lets go of their implementors.
    void DropAddOnTools();

    ide::ITool* QELVO_IDECALL NewTool() override;
    ide::IdeBool QELVO_IDECALL AddTool(ide::ITool* tool) override;
    ide::ITool* QELVO_IDECALL FindTool(ide::HostString* name) override;
    ide::IdeBool QELVO_IDECALL RemoveTool(ide::ITool* tool) override;
    int32_t QELVO_IDECALL RunTool(ide::ITool* tool, ide::IdeNode node, uint32_t flags) override;
    int32_t QELVO_IDECALL RunToolOnFile(ide::ITool* tool, ide::HostString* fileName,
                                        uint32_t flags) override;

private:
    class ToolObject;

    ToolObject* Added(ide::ITool* tool) const;
    ToolObject* ByName(const std::string& name) const;
    int32_t Run(ToolObject* tool, ide::IdeNode node, const std::string& fileName);
    int32_t RunBuiltIn(const std::string& name, ide::IdeNode node, const std::string& fileName);

    ProjectHost& projects_;
    std::vector<ToolObject*> tools_; // each holds a reference
    std::vector<ToolRun> runs_;
    ToolWindows* windows_ = nullptr;
};

} // namespace host
} // namespace qelvo
