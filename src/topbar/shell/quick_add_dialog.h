// The "QuickAdd" dialog: a node name and, optionally, a new container for it and its level.
#pragma once

#include "ide/ide_project.h"

#include <windows.h>

namespace qelvo {

// Control ids of the dialog.
enum QuickAddControl : int {
    kQuickAddName = 102,
    kQuickAddNewContainer = 107,
    kQuickAddContainer = 110,
    kQuickAddLevelLabel = 111,
    kQuickAddSibling = 112,
    kQuickAddParent = 113,
    kQuickAddRoot = 114,
};

// Shows the dialog over owner for a node beside the remembered one; the new node, or 0 when
// cancelled or refused by the IDE.
ide::IdeNode RunQuickAddDialog(HWND owner, ide::IdeNode remembered);

// Alt+click on a file item: the dialog over the IDE's frame, then the new node opened.
void QuickAddNode(ide::IdeNode node);

} // namespace qelvo
