#include "topbar/node_tree.h"

#include "foundation/text_utils.h"
#include "core/menu_plan.h"

#include <cstring>

namespace qelvo {

namespace {
bool Is(const char* type, const char* what) { return std::strcmp(type, what) == 0; }
bool HasDot(const char* type) { return type[0] == '.'; }
} // namespace

void TakeHostText(ide::HostString* text, String& out) {
    if (!text) {
        out = "";
        return;
    }
    out = text->GetText();
    text->Release();
}

bool ReadNode(ide::ProjectService* projects, ide::IdeNode node, NodeFacts& out) {
    ide::INodeInfo* info = projects && node ? projects->NodeInfo(node) : nullptr;
    if (!info)
        return false;
    String fileName;
    TakeHostText(info->GetFileName(), fileName);
    char caption[kCaptionMax + 1];
    CopyText(caption, FileNamePart(fileName.c_str()), sizeof caption);
    out.caption = caption;
    TakeHostText(info->GetType(), out.type);
    out.firstChild = info->GetFirstChild();
    out.nextSibling = info->GetNextSibling();
    info->Release();
    return true;
}

bool IsExeType(const char* type) { return Is(type, ".exe"); }

bool MayContain(const char* type) {
    return Is(type, ".exe") || Is(type, ".dll") || Is(type, ".lib") || !HasDot(type);
}

bool LeafCounts(const char* type) { return !Is(type, ".obj") && !Is(type, ".lib"); }

NodeKind KindOf(const char* type, bool displayableBelow) {
    if (Is(type, ".obj"))
        return NodeKind::Hidden;
    if (MayContain(type) && displayableBelow)
        return NodeKind::Container;
    if (Is(type, ".lib") || !HasDot(type))
        return NodeKind::Hidden;
    return NodeKind::FileItem;
}

} // namespace qelvo
