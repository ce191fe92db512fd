#include "topbar/quick_edits.h"

#include "core/globals.h"
#include "core/project_session.h"
#include "core/recent_lists.h"
#include "platform/platform.h"
#include "topbar/node_commands.h"
#include "topbar/node_menus.h"

#include <string>

namespace qelvo {

namespace {

ide::IdeNode ParentOf(ide::ProjectService* projects, ide::IdeNode node) {
    ide::INodeInfo* info = projects && node ? projects->NodeInfo(node) : nullptr;
    if (!info)
        return 0;
    ide::IdeNode parent = info->GetParent();
    info->Release();
    return parent;
}

ide::IdeNode AddNode(ide::ProjectService* projects, ide::IdeNode parent, const std::string& name,
                     const char* type) {
    ide::HostString* nameText = ide::MakeHostString(Services, name.c_str());
    if (!nameText)
        return 0;
    ide::HostString* typeText = type ? ide::MakeHostString(Services, type) : nullptr;
    return projects->AddNode(parent, nameText, typeText, 0);
}

} // namespace

QuickAddOutcome QuickAdd(ide::IdeNode remembered, const QuickAddInput& input) {
    QuickAddOutcome outcome;
    ide::ProjectService* projects = ProjectServiceOrNull();
    std::string name = input.name.substr(0, 179);
    if (name.empty()) {
        outcome.warning = "You should specify a node name !";
        return outcome;
    }
    if (name.find('.') == std::string::npos)
        name += ".cpp";
    if (!projects)
        return outcome;
    ide::IdeNode parent = ParentOf(projects, remembered);
    if (!input.newContainer) {
        outcome.node = parent ? AddNode(projects, parent, name, nullptr) : 0;
        return outcome;
    }
    ide::IdeNode root = projects->TopNode();
    ide::IdeNode under = 0;
    switch (input.level) {
    case QuickAddInput::kSibling:
        under = parent;
        break;
    case QuickAddInput::kParent:
        under = parent == root ? root : ParentOf(projects, parent);
        break;
    case QuickAddInput::kRoot:
        under = root;
        break;
    }
    if (!under) {
        outcome.warning = "No way to get parent node";
        return outcome;
    }
    std::string container = input.container.substr(0, 254);
    if (container.empty()) {
        outcome.warning = "You should specify a container name !";
        return outcome;
    }
    ide::IdeNode pool = AddNode(projects, under, container, "SourcePool");
    if (!pool) {
        outcome.warning = "No way to create container";
        return outcome;
    }
    outcome.node = AddNode(projects, pool, name, nullptr);
    return outcome;
}

void QuickRemoveNode(int index) {
    if (index < 0 || index >= NodeMenus.nodes.count)
        return;
    ide::IdeNode node = NodeMenus.nodes.At(index)->node;
    std::string text = std::string("Okay to remove\n") + NodeItemText(index) + " ?";
    int answer = platform::ShowMessage(text.c_str(), "Confirmation",
                                       platform::kMbYesNo | platform::kMbIconQuestion,
                                       AddonWindow);
    ide::ProjectService* projects = ProjectServiceOrNull();
    if (answer == platform::kIdYes && projects)
        projects->RemoveNode(node);
}

void OpenRecentProject(int index) {
    if (index < 0 || index >= Recent.projects.count) {
        ShowStatusText("Internal error: not enough files");
        return;
    }
    std::string path = Recent.projects.At(index);
    ReportToolResult(RunIdeTool("Project", 0, path.c_str()));
}

} // namespace qelvo
