// The open project's node tree as menus, in the linear layout (one bar popup per container) or
// the hierarchical one (the root's children on the bar, containers as nested popups), and the
// lists that map the menus' commands back to nodes.
#pragma once

#include "foundation/tableau.h"
#include "ide/ide_project.h"
#include "core/menu_plan.h"
#include "topbar/node_tree.h"

namespace qelvo {

// File items beyond this many would leave the commands of the node range; they are not shown.
constexpr int kMaxFileItems = 10000;

// One file item: its node and the menu that holds it.
class EltNode : public Basic {
public:
    EltNode() = default;
    EltNode(ide::IdeNode itemNode, int itemMenu) : node(itemNode), menu(itemMenu) {}
    ide::IdeNode node = 0;
    int menu = -1; // planned menu id
};

// One container popup: its node, its own popup and the menu that holds the popup's item.
class EltCont : public Basic {
public:
    EltCont() = default;
    EltCont(ide::IdeNode contNode, int contPopup, int contOwner)
        : node(contNode), popup(contPopup), owner(contOwner) {}
    ide::IdeNode node = 0;
    int popup = -1; // planned menu ids
    int owner = -1;
};

// The executable nodes that got a run item; entry i has command 300 + i.
struct ExeNodeTable {
    static constexpr int kCapacity = 100;
    ide::IdeNode nodes[kCapacity] = {};
    int count = 0;
    // The index given, or -1 when the table is full.
    int Add(ide::IdeNode node);
};

// The lists describing the node menus of the last build. The bar empties them before each
// build; the builders fill them.
struct NodeMenuLists {
    Tableau<EltNode> nodes;
    Tableau<EltCont> containers;
    ExeNodeTable exes;
    void Clear();
};

// The lists of the bar's menus, alive as long as the add-on is loaded.
extern NodeMenuLists NodeMenus;

class NodeMenuBuilder {
public:
    // menuSize: items per column (10 to 99; anything else is taken as the nearest limit).
    NodeMenuBuilder(ide::ProjectService* projects, MenuPlan& plan, NodeMenuLists& lists,
                    int menuSize);

    // Fills the menu with the node's children; menu -1 makes a new popup on first need. Gives
    // the menu, or -1 when there was nothing to put in a new one.
    int BuildHierarchical(int menu, ide::IdeNode node, int& counter);
    // A popup of the container's own on the bar, then its child containers' popups after it.
    void BuildLinear(ide::IdeNode container, int& counter);
    // Whether something below the container would be shown.
    bool HasDisplayableLeaf(ide::IdeNode container);
    // Layout 0: linear, then the empty popups are taken off the bar (never position 0);
    // layout 1: hierarchical on the bar. Other layouts build nothing.
    void BuildNodeMenus(int layout, int& counter);

private:
    int FillHierarchical(int menu, ide::IdeNode firstChild, int& counter);
    void LinearFrom(ide::IdeNode container, const NodeFacts& facts, int& counter);
    bool DisplayableAmong(ide::IdeNode firstChild);
    void AddFileItem(int& menu, int& placed, ide::IdeNode node, const char* caption,
                     int& counter);
    void AddRunItem(ide::IdeNode node, const char* caption);
    void RemoveEmptyBarPopups();

    ide::ProjectService* projects_;
    MenuPlan& plan_;
    NodeMenuLists& lists_;
    int menuSize_;
};

// The menu size the bar is set to, kept within 10 to 99 (50 without the bar).
int NodeMenuSize();
// The bar's node menus: the project client holder's service, the bar's menu size, the global
// lists. The plan's first popup (position 0 of the bar) receives the run items.
void BuildNodeMenus(MenuPlan& plan, int layout, int& counter);

// Status texts of the items, in a buffer shared by both and overwritten by the next call.
const char* ExeItemText(int index);
const char* NodeItemText(int index);

// The first container (a node with children whose type has no dot) below start, depth first,
// whose upper-cased name equals nameUpper; 0 when none.
ide::IdeNode FindContainer(ide::IdeNode start, const char* nameUpper);

// A node's name changed: its caption is replaced in place in the bar's menus.
void RenameNodeItem(ide::IdeNode node);

} // namespace qelvo
