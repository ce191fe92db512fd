// Quick edits of the project tree from the bar: Alt+click on a file item adds a node beside it,
// Ctrl+click removes it; and the bar's commands that open recent projects.
#pragma once

#include "ide/ide_project.h"

#include <string>

namespace qelvo {

// What the "QuickAdd" dialog asks for.
struct QuickAddInput {
    enum Level { kSibling, kParent, kRoot };
    std::string name;          // the node's name (".cpp" is appended when it has no '.')
    bool newContainer = false; // "&new :"
    std::string container;     // the new container's name
    Level level = kParent;
};

// The outcome of "Ok": the new node; or a warning to show with the dialog kept open; or
// neither when the IDE refused the node (the dialog ends with 0).
struct QuickAddOutcome {
    ide::IdeNode node = 0;
    const char* warning = nullptr;
};

// Adds the node as the dialog's "Ok" does, next to the remembered node.
QuickAddOutcome QuickAdd(ide::IdeNode remembered, const QuickAddInput& input);

// Asks "Okay to remove\n<item> ?" (owned by the bar) and, on Yes, removes the node of file
// item index from the project.
void QuickRemoveNode(int index);

// Opens recent project index with the IDE's "Project" tool; a bad index shows
// "Internal error: not enough files".
void OpenRecentProject(int index);

} // namespace qelvo
