// The project's node tree as the menus see it: what is read of each node through the IDE's
// ProjectService, and how a node's type decides whether it is a file item, a container popup
// or not shown.
#pragma once

#include "ide/ide_project.h"
#include "foundation/qstring.h"

namespace qelvo {

// Longest caption a node item holds (the menus' working buffers kept 79 characters).
constexpr int kCaptionMax = 79;

// Copies the text of a HostString the IDE returned and releases it; empty for null.
void TakeHostText(ide::HostString* text, String& out);

// What the builders read of one node. The information object and every HostString it gave are
// released before ReadNode returns.
struct NodeFacts {
    String caption; // the file-name part of the node's file name, at most kCaptionMax characters
    String type;    // ".cpp", ".exe", "SourcePool"...
    ide::IdeNode firstChild = 0;
    ide::IdeNode nextSibling = 0;

    bool HasChildren() const { return firstChild != 0; }
    // A caption beginning with '#' leaves the node and its following siblings out of the menus.
    bool EndsSiblings() const { return caption.c_str()[0] == '#'; }
};

// False (and nothing read) when the IDE does not know the node.
bool ReadNode(ide::ProjectService* projects, ide::IdeNode node, NodeFacts& out);

enum class NodeKind { Hidden, FileItem, Container };

// The node kinds: by the type text (exact, case-sensitive) and whether something displayable
// lies below the node (only asked of nodes that may be containers).
//   .obj                       never shown
//   .exe, .dll                 container with something displayable below, else a file item
//   .lib                       container with something displayable below, else not shown
//   any other ".xxx"           a file item; its children are not shown
//   no dot (SourcePool, ...)   container with something displayable below, else not shown
NodeKind KindOf(const char* type, bool displayableBelow);
// The types whose nodes may become containers: .exe, .dll, .lib and every type without a dot.
bool MayContain(const char* type);
// Whether a node without children counts as displayable (HasDisplayableLeaf): all but .obj
// and .lib.
bool LeafCounts(const char* type);
bool IsExeType(const char* type);

} // namespace qelvo
