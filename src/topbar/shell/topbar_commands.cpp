#include "topbar/shell/topbar_commands.h"

#include "core/command_ids.h"
#include "core/shell/find_window.h"
#include "core/shell/hook_state.h"
#include "topbar/node_commands.h"

#include <string>

namespace qelvo {

void OnEditDocumentation(UINT, LPARAM) {
    if (!Hooks || !Hooks->lastEditorTitle[0])
        return;
    std::string path = std::string(Hooks->lastEditorTitle) + ".txt";
    OpenFileByName(path.c_str());
}

void OnRunItem(UINT command, LPARAM) {
    ActivateFrame();
    RunExeNode(static_cast<int>(command - kCmdRunFirst));
}

void OnNodeItem(UINT command, LPARAM) {
    bool alt = GetKeyState(VK_MENU) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    int index = static_cast<int>(command - kCmdNodeFirst);
    if (alt && ctrl)
        OpenNode(index, 0, 1); // the node's documentation text
    else if (!alt && !ctrl)
        OpenNode(index, 0, 0);
    // Alt alone (quick add) and Ctrl alone (quick remove) join with the quick node edits.
}

} // namespace qelvo
