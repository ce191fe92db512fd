#include "topbar/node_commands.h"

#include "core/globals.h"
#include "core/tool_table.h"
#include "foundation/text_utils.h"
#include "platform/platform.h"
#include "topbar/node_menus.h"
#include "core/project_session.h"
#include "topbar/top_bar.h"
#include "topbar/topbar_shell.h"

#include <cstring>

namespace qelvo {

namespace {

const char* ToolFor(const char* type, String& viewer) {
    if (Tools)
        return Tools->FindTool(type, viewer);
    viewer = "BCW5Editor";
    return "EditText";
}

// Another view of a file that is already shown: the bar's setting, or Shift held.
bool OtherViewWanted() {
    if (Bar && Bar->settings.editOtherView)
        return true;
    TopBarShell* shell = CurrentTopBarShell();
    return shell && shell->ShiftDown();
}

// Brings forward the viewer of the class that shows the title part; false when there is none.
// An empty class never matches: executables, projects and class experts go to their tool.
bool BroughtForward(const char* viewerClass, const char* titlePart) {
    TopBarShell* shell = CurrentTopBarShell();
    if (!shell || !viewerClass || !viewerClass[0])
        return false;
    void* window = shell->FindViewer(viewerClass, titlePart);
    if (!window)
        return false;
    shell->BringForward(window);
    return true;
}

ide::INodeInfo* InfoOf(ide::IdeNode node) {
    ide::ProjectService* projects = ProjectServiceOrNull();
    return projects && node ? projects->NodeInfo(node) : nullptr;
}

} // namespace

// Runs the IDE's tool on the node, or (node 0) on the file; gives the tool's result.
int RunIdeTool(const char* toolName, ide::IdeNode node, const char* fileName) {
    ide::ToolService* tools = ide::QueryService<ide::ToolService>(Services);
    if (!tools)
        return kNoToolRun;
    int result = kNoToolRun;
    ide::HostString* name = ide::MakeHostString(Services, toolName);
    ide::ITool* tool = name ? tools->FindTool(name) : nullptr;
    if (tool) {
        if (node) {
            result = tools->RunTool(tool, node, 0);
        } else if (ide::HostString* file = ide::MakeHostString(Services, fileName)) {
            result = tools->RunToolOnFile(tool, file, 0);
        }
        tool->Release();
    }
    tools->Release();
    return result;
}

void ReportToolResult(int result) {
    if (const char* text = ToolResultText(result))
        ShowStatusText(text);
}

const char* ToolResultText(int result) {
    switch (result) {
    case ide::kToolNotHandled:
        return "Tool non handled";
    case ide::kToolWarnings:
        return "Tool: Warnings";
    case ide::kToolErrors:
        return "Tool: Errors";
    case ide::kToolFatal:
        return "Tool: Fatal error";
    default:
        return nullptr;
    }
}

int OpenNode(int index, ide::IdeNode node, int textFile) {
    if (!node) {
        if (index < 0 || index >= NodeMenus.nodes.count) {
            ShowStatusText("Internal error: not enough files");
            return 0;
        }
        node = NodeMenus.nodes.At(index)->node;
    }
    ide::INodeInfo* info = InfoOf(node);
    if (!info) {
        ShowStatusText("Internal error: bad file");
        return 0;
    }
    String fileName, type;
    TakeHostText(info->GetFileName(), fileName);
    TakeHostText(info->GetType(), type);
    info->Release();
    UpperCase(static_cast<char*>(fileName));
    if (textFile) {
        fileName += ".txt";
        return OpenFileByName(fileName.c_str());
    }
    String viewer;
    const char* tool = ToolFor(type.c_str(), viewer);
    if (!OtherViewWanted() && BroughtForward(viewer.c_str(), FileNamePart(fileName.c_str())))
        return 1;
    ReportToolResult(RunIdeTool(tool, node, nullptr));
    return 1;
}

int OpenFileByName(const char* path) {
    if (!path)
        return 1;
    String viewer;
    const char* tool = ToolFor(".txt", viewer);
    String upper = path;
    UpperCase(static_cast<char*>(upper));
    if (BroughtForward(viewer.c_str(), FileNamePart(upper.c_str())))
        return 1;
    ReportToolResult(RunIdeTool(tool, 0, path));
    return 1;
}

int OpenEditorFile(const char* path) {
    if (!path || !path[0])
        return 0;
    // The text editor without the tool table, so the current directory stays as it is; the
    // whole path names the editor, as quick find and the include lists give it.
    String upper = path;
    UpperCase(static_cast<char*>(upper));
    if (!OtherViewWanted() && BroughtForward("BCW5Editor", upper.c_str()))
        return 1;
    int result = RunIdeTool("EditText", 0, path);
    if (result == kNoToolRun)
        return 0;
    if (const char* text = ToolResultText(result)) {
        ShowStatusText(text);
        return 0;
    }
    return 1;
}

void RunExeNode(int index) {
    if (index < 0 || index >= NodeMenus.exes.count) {
        ShowStatusText("Internal error: not enough files");
        return;
    }
    ide::INodeInfo* info = InfoOf(NodeMenus.exes.nodes[index]);
    if (!info) {
        ShowStatusText("Internal error: bad file");
        return;
    }
    String output, type;
    TakeHostText(info->GetOutputPath(), output);
    TakeHostText(info->GetType(), type);
    info->Release();
    if (std::strcmp(type.c_str(), ".exe") != 0)
        return;
    String status = "Running ";
    status += output;
    ShowStatusText(status.c_str());
    platform::StartProgram(output.c_str());
}

} // namespace qelvo
