#include "topbar/node_menus.h"

#include "core/command_ids.h"
#include "core/globals.h"
#include "core/project_session.h"
#include "foundation/text_utils.h"
#include "topbar/top_bar.h"
#include "topbar/topbar_shell.h"

#include <cstring>
#include <string>

namespace qelvo {

NodeMenuLists NodeMenus;

namespace {
// The menus' status texts share one buffer: an output path or file name, " : ", a description.
char itemText[600];
} // namespace

int ExeNodeTable::Add(ide::IdeNode node) {
    if (count >= kCapacity)
        return -1;
    nodes[count] = node;
    return count++;
}

void NodeMenuLists::Clear() {
    nodes.RemoveRange(0, 0);
    containers.RemoveRange(0, 0);
    exes.count = 0;
}

NodeMenuBuilder::NodeMenuBuilder(ide::ProjectService* projects, MenuPlan& plan,
                                 NodeMenuLists& lists, int menuSize)
    : projects_(projects), plan_(plan), lists_(lists),
      menuSize_(menuSize < 10 ? 10 : menuSize > 99 ? 99 : menuSize) {}

void NodeMenuBuilder::AddRunItem(ide::IdeNode node, const char* caption) {
    if (plan_.firstPopup < 0)
        return;
    int index = lists_.exes.Add(node);
    if (index < 0)
        return; // a hundred run items at most
    std::string text = std::string("run ") + caption;
    plan_.AppendCommand(plan_.firstPopup, text.c_str(), kCmdRunFirst + index);
}

void NodeMenuBuilder::AddFileItem(int& menu, int& placed, ide::IdeNode node, const char* caption,
                                  int& counter) {
    if (counter >= kMaxFileItems)
        return;
    if (menu < 0)
        menu = plan_.NewPopup();
    plan_.AppendCommand(menu, caption, kCmdNodeFirst + counter,
                        StartsColumn(placed, menuSize_));
    lists_.nodes.Append(new EltNode(node, menu));
    ++placed;
    ++counter;
}

int NodeMenuBuilder::BuildHierarchical(int menu, ide::IdeNode node, int& counter) {
    NodeFacts facts;
    if (!ReadNode(projects_, node, facts))
        return menu;
    return FillHierarchical(menu, facts.firstChild, counter);
}

int NodeMenuBuilder::FillHierarchical(int menu, ide::IdeNode firstChild, int& counter) {
    int placed = 0;
    NodeFacts child;
    for (ide::IdeNode node = firstChild; node; node = child.nextSibling) {
        if (!ReadNode(projects_, node, child) || child.EndsSiblings())
            break;
        const char* type = child.type.c_str();
        int popup = -1;
        if (child.HasChildren() && MayContain(type))
            popup = FillHierarchical(-1, child.firstChild, counter);
        switch (KindOf(type, popup >= 0)) {
        case NodeKind::Container:
            if (menu < 0)
                menu = plan_.NewPopup();
            plan_.AppendPopup(menu, child.caption.c_str(), popup, StartsColumn(placed, menuSize_));
            lists_.containers.Append(new EltCont(node, popup, menu));
            ++placed;
            if (IsExeType(type))
                AddRunItem(node, child.caption.c_str());
            break;
        case NodeKind::FileItem:
            AddFileItem(menu, placed, node, child.caption.c_str(), counter);
            break;
        case NodeKind::Hidden:
            break;
        }
    }
    return menu;
}

void NodeMenuBuilder::BuildLinear(ide::IdeNode container, int& counter) {
    NodeFacts facts;
    if (ReadNode(projects_, container, facts))
        LinearFrom(container, facts, counter);
}

void NodeMenuBuilder::LinearFrom(ide::IdeNode container, const NodeFacts& facts, int& counter) {
    int popup = plan_.NewPopup();
    plan_.AppendPopup(MenuPlan::kBar, facts.caption.c_str(), popup);
    lists_.containers.Append(new EltCont(container, popup, MenuPlan::kBar));
    int placed = 0;
    NodeFacts child;
    for (ide::IdeNode node = facts.firstChild; node; node = child.nextSibling) {
        if (!ReadNode(projects_, node, child) || child.EndsSiblings())
            break;
        const char* type = child.type.c_str();
        bool below = MayContain(type) && DisplayableAmong(child.firstChild);
        switch (KindOf(type, below)) {
        case NodeKind::Container:
            if (IsExeType(type))
                AddRunItem(node, child.caption.c_str());
            LinearFrom(node, child, counter);
            break;
        case NodeKind::FileItem:
            AddFileItem(popup, placed, node, child.caption.c_str(), counter);
            break;
        case NodeKind::Hidden:
            break;
        }
    }
}

bool NodeMenuBuilder::HasDisplayableLeaf(ide::IdeNode container) {
    NodeFacts facts;
    return ReadNode(projects_, container, facts) && DisplayableAmong(facts.firstChild);
}

bool NodeMenuBuilder::DisplayableAmong(ide::IdeNode firstChild) {
    NodeFacts child;
    for (ide::IdeNode node = firstChild; node; node = child.nextSibling) {
        if (!ReadNode(projects_, node, child) || child.EndsSiblings())
            return false;
        if (child.HasChildren() ? DisplayableAmong(child.firstChild)
                                : LeafCounts(child.type.c_str()))
            return true;
    }
    return false;
}

void NodeMenuBuilder::RemoveEmptyBarPopups() {
    PlannedMenu& bar = plan_.Menu(MenuPlan::kBar);
    for (int position = static_cast<int>(bar.items.size()) - 1; position >= 1; --position) {
        const PlannedItem& item = bar.items[static_cast<size_t>(position)];
        if (item.IsPopup() && plan_.Menu(item.popup).items.empty())
            plan_.RemoveItem(MenuPlan::kBar, position);
    }
}

void NodeMenuBuilder::BuildNodeMenus(int layout, int& counter) {
    ide::IdeNode root = projects_ ? projects_->TopNode() : 0;
    if (!root)
        return;
    if (layout == 0) {
        BuildLinear(root, counter);
        RemoveEmptyBarPopups();
    } else if (layout == 1) {
        BuildHierarchical(MenuPlan::kBar, root, counter);
    }
}

int NodeMenuSize() {
    int size = Bar ? Bar->settings.menuSize : 50;
    return size < 10 ? 10 : size > 99 ? 99 : size;
}

void BuildNodeMenus(MenuPlan& plan, int layout, int& counter) {
    NodeMenuBuilder builder(ProjectServiceOrNull(), plan, NodeMenus, NodeMenuSize());
    builder.BuildNodeMenus(layout, counter);
}

// ---- Status texts -------------------------------------------------------------------------

namespace {

// The first text, then " : " and the description when it is not empty.
const char* TextWithDescription(ide::INodeInfo* info, bool outputPath) {
    String first, description;
    TakeHostText(outputPath ? info->GetOutputPath() : info->GetFileName(), first);
    TakeHostText(info->GetDescription(), description);
    info->Release();
    std::string text = first.c_str();
    if (description.Length() > 0)
        text += std::string(" : ") + description.c_str();
    CopyText(itemText, text.c_str(), sizeof itemText);
    return itemText;
}

ide::INodeInfo* InfoOf(ide::IdeNode node) {
    ide::ProjectService* projects = ProjectServiceOrNull();
    return projects && node ? projects->NodeInfo(node) : nullptr;
}

} // namespace

const char* ExeItemText(int index) {
    if (index < 0 || index >= NodeMenus.exes.count)
        return "nothing !";
    ide::INodeInfo* info = InfoOf(NodeMenus.exes.nodes[index]);
    if (!info)
        return "a bad file in the project ...";
    return TextWithDescription(info, true);
}

const char* NodeItemText(int index) {
    if (index < 0 || index >= NodeMenus.nodes.count)
        return "a file in the project ...";
    ide::INodeInfo* info = InfoOf(NodeMenus.nodes.At(index)->node);
    if (!info)
        return "a bad file in the project ...";
    return TextWithDescription(info, false);
}

// ---- Containers by name -------------------------------------------------------------------

ide::IdeNode FindContainer(ide::IdeNode start, const char* nameUpper) {
    ide::INodeInfo* info = nameUpper ? InfoOf(start) : nullptr;
    if (!info)
        return 0;
    ide::IdeNode node = info->GetFirstChild();
    info->Release();
    while (node) {
        ide::INodeInfo* child = InfoOf(node);
        if (!child)
            return 0;
        ide::IdeNode next = child->GetNextSibling();
        if (child->GetFirstChild()) {
            String type, name;
            TakeHostText(child->GetType(), type);
            TakeHostText(child->GetName(), name);
            // Texts beyond the working buffers count as empty.
            if (type.Length() > 69)
                type = "";
            if (name.Length() > 249)
                name = "";
            UpperCase(static_cast<char*>(name));
            if (type.c_str()[0] != '.' && std::strcmp(name.c_str(), nameUpper) == 0) {
                child->Release();
                return node;
            }
            if (ide::IdeNode found = FindContainer(node, nameUpper)) {
                child->Release();
                return found;
            }
        }
        child->Release();
        node = next;
    }
    return 0;
}

// ---- Renames ------------------------------------------------------------------------------

void RenameNodeItem(ide::IdeNode node) {
    TopBarShell* shell = CurrentTopBarShell();
    MenuPlan* plan = shell ? shell->BarPlan() : nullptr;
    NodeFacts facts;
    if (!plan || !ReadNode(ProjectServiceOrNull(), node, facts))
        return;
    const std::string caption = facts.caption.c_str();
    for (int i = 0; i < NodeMenus.containers.count; ++i) {
        const EltCont* cont = NodeMenus.containers.At(i);
        if (cont->node != node)
            continue;
        int position = plan->PositionOfPopup(cont->owner, cont->popup);
        if (position >= 0) {
            PlannedItem& item = plan->Menu(cont->owner).items[static_cast<size_t>(position)];
            if (item.text.substr(0, kCaptionMax) != caption) {
                item.text = caption;
                shell->ReplaceItem(cont->owner, position, item);
                shell->RedrawBar();
            }
        }
        return;
    }
    for (int i = 0; i < NodeMenus.nodes.count; ++i) {
        const EltNode* elt = NodeMenus.nodes.At(i);
        if (elt->node != node)
            continue;
        int position = plan->PositionOfCommand(elt->menu, kCmdNodeFirst + i);
        if (position >= 0) {
            PlannedItem& item = plan->Menu(elt->menu).items[static_cast<size_t>(position)];
            if (item.text.substr(0, kCaptionMax) != caption) {
                item.text = caption;
                shell->ReplaceItem(elt->menu, position, item);
            }
        }
        return;
    }
}

} // namespace qelvo
