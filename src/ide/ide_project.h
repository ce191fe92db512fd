// The IDE's project: its service, the node information object, the per-node directory options,
// and the two client interfaces through which the IDE tells an add-on what happens to projects.
#pragma once

#include "ide/ide_base.h"

namespace qelvo {
namespace ide {

// Everything the IDE knows of one node. Each Get... text is a new HostString the caller
// releases; the object itself is released after use.
struct INodeInfo : IUnknown {
    static constexpr IdeGuid kId = ChosenGuid(0x04);

    virtual HostString* QELVO_IDECALL GetName() = 0;        // 3; a source pool's own name
    virtual HostString* QELVO_IDECALL GetType() = 0;        // 4; ".cpp", ".exe", "SourcePool"...
    virtual HostString* QELVO_IDECALL GetDescription() = 0; // 5; often empty
    virtual HostString* QELVO_IDECALL GetFileName() = 0;    // 6; with its path
    virtual HostString* QELVO_IDECALL GetOutputPath() = 0;  // 7; what the node builds
    virtual IdeNode QELVO_IDECALL GetParent() = 0;          // 8; 0 for the top node
    virtual IdeNode QELVO_IDECALL GetFirstChild() = 0;      // 9; 0 when none
    virtual IdeNode QELVO_IDECALL GetNextSibling() = 0;     // 10; 0 when none

protected:
    ~INodeInfo() = default;
};

// Told about projects and their nodes (ID 707240d6-...). The IDE calls its registered clients
// in the order they were added.
struct IProjectClient : IUnknown {
    static constexpr IdeGuid kId = IdeServiceGuid(0xd6);

    // 3; a project was opened; the file name is borrowed (add a reference to keep it).
    virtual void QELVO_IDECALL OnProjectOpened(HostString* projectFile) = 0;
    virtual void QELVO_IDECALL OnProjectClosed() = 0;           // 4; after the project closed
    virtual void QELVO_IDECALL OnNodeAdded(IdeNode node) = 0;   // 5; the new node
    virtual void QELVO_IDECALL OnNodeRemoved(IdeNode node) = 0; // 6; after removal: a dead handle
    virtual void QELVO_IDECALL OnNodeMoved(IdeNode node) = 0;   // 7; (the stand-in moves none)
    virtual void QELVO_IDECALL OnNodeRenamed(IdeNode node) = 0; // 8; the node's name changed
    virtual void QELVO_IDECALL OnNodeChanged(IdeNode node) = 0; // 9; another attribute changed
    // 10; asked before the project closes: 0 lets it close, anything else keeps it open.
    virtual int32_t QELVO_IDECALL QueryCloseProject() = 0;
    virtual void QELVO_IDECALL OnNodeOptionsChanged(IdeNode node) = 0; // 11; a node option was set

protected:
    ~IProjectClient() = default;
};

// Told when the project is saved (ID 707240ee-...).
struct IProjectSaveClient : IUnknown {
    static constexpr IdeGuid kId = IdeServiceGuid(0xee);

    // 3; the project is being saved: options set now are written with it.
    virtual void QELVO_IDECALL OnProjectSave() = 0;
    // 4; the project file has been written.
    virtual void QELVO_IDECALL OnProjectSaved() = 0;

protected:
    ~IProjectSaveClient() = default;
};

// The open project (service 707240d4-...).
struct ProjectService : IUnknown {
    static constexpr IdeGuid kId = IdeServiceGuid(0xd4);

    virtual IdeBool QELVO_IDECALL AddClient(IProjectClient* client) = 0;    // 3; adds a reference
    virtual IdeBool QELVO_IDECALL RemoveClient(IProjectClient* client) = 0; // 4; drops it
    // 5; kIdeOk (0) while a project is loaded, kIdeFalse otherwise.
    virtual IdeResult QELVO_IDECALL QueryProjectLoaded() = 0;
    // 6; a new node below the parent; no type (null) lets the IDE derive it from the name's
    // extension; flags 0. Answers the new node, or 0 when refused. Takes over both strings.
    virtual IdeNode QELVO_IDECALL AddNode(IdeNode parent, HostString* name, HostString* type,
                                          uint32_t flags) = 0;
    // 7; the first node (depth first) whose file name is this one, letter case ignored; 0 none.
    virtual IdeNode QELVO_IDECALL FindNode(HostString* fileName) = 0;
    virtual IdeBool QELVO_IDECALL RemoveNode(IdeNode node) = 0;  // 8; with everything below it
    virtual IdeNode QELVO_IDECALL TopNode() = 0;                 // 9; 0 without a project
    virtual INodeInfo* QELVO_IDECALL NodeInfo(IdeNode node) = 0; // 10; null for an unknown node
    QELVO_IDE_RESERVED(11)
    // 12; stores size bytes under the name (case as given); takes over the name.
    virtual IdeBool QELVO_IDECALL SetNodeOption(IdeNode node, HostString* name, const void* data,
                                                uint32_t size) = 0;
    // 13; the stored bytes, or null when the option is absent. *size comes in as the size the
    // caller expects (a hint; 0 for any) and goes out as the stored size (0 when absent). The
    // bytes stay the IDE's: valid until the option is set again or the project closes. Takes
    // over the name.
    virtual const void* QELVO_IDECALL GetNodeOption(IdeNode node, HostString* name,
                                                    uint32_t* size) = 0;

protected:
    ~ProjectService() = default;
};

// Project saving (service 707240ed-...).
struct ProjectSaveService : IUnknown {
    static constexpr IdeGuid kId = IdeServiceGuid(0xed);

    QELVO_IDE_RESERVED(3)
    QELVO_IDE_RESERVED(4)
    QELVO_IDE_RESERVED(5)
    QELVO_IDE_RESERVED(6)
    QELVO_IDE_RESERVED(7)
    QELVO_IDE_RESERVED(8)
    QELVO_IDE_RESERVED(9)
    QELVO_IDE_RESERVED(10)
    QELVO_IDE_RESERVED(11)
    QELVO_IDE_RESERVED(12)
    QELVO_IDE_RESERVED(13)
    QELVO_IDE_RESERVED(14)
    QELVO_IDE_RESERVED(15)
    QELVO_IDE_RESERVED(16)
    QELVO_IDE_RESERVED(17)
    QELVO_IDE_RESERVED(18)
    virtual IdeBool QELVO_IDECALL AddClient(IProjectSaveClient* client) = 0;    // 19
    virtual IdeBool QELVO_IDECALL RemoveClient(IProjectSaveClient* client) = 0; // 20

protected:
    ~ProjectSaveService() = default;
};

// Directory options 1 and 3 of a node.
enum : int32_t {
    kIncludeDirectories = 1, // where include files are searched
    kSourceDirectories = 3,  // where sources are searched
};

// The IDE's options (service 707240cc-...). The IDE's operation takes an option's name and a
// scope; the add-on only ever reads the directory options of a node, so the node is designated
// by its handle and the option by its number. A node without its own value inherits its
// parent's, as in the IDE's local options.
struct OptionService : IUnknown {
    static constexpr IdeGuid kId = IdeServiceGuid(0xcc);

    QELVO_IDE_RESERVED(3)
    // 4; a new HostString (empty when not set), or null without a project or for an unknown
    // node or option number.
    virtual HostString* QELVO_IDECALL DirectoryOption(IdeNode node, int32_t which) = 0;

protected:
    ~OptionService() = default;
};

} // namespace ide
} // namespace qelvo
