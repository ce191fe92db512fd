#include "topbar/shell/topbar_commands.h"

#include "core/command_ids.h"
#include "core/globals.h"
#include "core/recent_lists.h"
#include "core/shell/find_window.h"
#include "core/shell/hook_state.h"
#include "core/shell/open_file_check.h"
#include "topbar/node_commands.h"
#include "topbar/node_menus.h"
#include "topbar/quick_edits.h"
#include "topbar/shell/quick_add_dialog.h"
#include "topbar/top_bar.h"

#include <string>

namespace qelvo {

void OnProjectWindow(UINT, LPARAM) { RebuildBar(); }

void OnEditDocumentation(UINT, LPARAM) {
    if (!Hooks || !Hooks->lastEditorTitle[0])
        return;
    std::string path = std::string(Hooks->lastEditorTitle) + ".txt";
    OpenFileByName(path.c_str());
}

void OnRecentProject(UINT command, LPARAM) {
    ActivateFrame();
    OpenRecentProject(static_cast<int>(command - kCmdRecentProjectFirst));
}

void OnRunItem(UINT command, LPARAM) {
    ActivateFrame();
    RunExeNode(static_cast<int>(command - kCmdRunFirst));
}

void OnRecentInclude(UINT command, LPARAM) {
    ActivateFrame();
    int index = static_cast<int>(command - kCmdRecentIncludeFirst);
    if (index < 0 || index >= Recent.includes.count)
        return;
    std::string path = Recent.includes.At(index);
    OpenEditorFile(path.c_str());
    NoteEditorOpened(static_cast<HWND>(AddonWindow), path.c_str(), nullptr);
}

void OnNodeItem(UINT command, LPARAM) {
    bool alt = GetKeyState(VK_MENU) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    int index = static_cast<int>(command - kCmdNodeFirst);
    if (alt && !ctrl) {
        if (index >= 0 && index < NodeMenus.nodes.count)
            QuickAddNode(NodeMenus.nodes.At(index)->node);
    } else if (ctrl && !alt) {
        QuickRemoveNode(index);
    } else {
        OpenNode(index, 0, alt && ctrl ? 1 : 0); // both: the node's documentation text
    }
    ActivateFrame();
}

} // namespace qelvo
