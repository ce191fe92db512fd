// The IDE's tools (what opens, edits or runs a node or a file; add-ons add their own) and its
// Make notifications.
#pragma once

#include "ide/ide_base.h"

namespace qelvo {
namespace ide {

struct ITool;

// Results of running a tool.
enum : int32_t {
    kToolNotHandled = -1,
    kToolDone = 0,
    kToolWarnings = 1,
    kToolErrors = 2,
    kToolFatal = 3,
};

// The add-on's side of a tool it added (ID 94d38b60-e488-11ce-ba8f-0000c0f4a355).
struct IToolImplementor : IUnknown {
    static constexpr IdeGuid kId = {
        0x94d38b60, 0xe488, 0x11ce, {0xba, 0x8f, 0x00, 0x00, 0xc0, 0xf4, 0xa3, 0x55}};

    // 3; the tool runs: on a node (fileName null), on a file (node 0), or from the Tool menu
    // (both 0). The file name is borrowed. Answers a tool result.
    virtual int32_t QELVO_IDECALL Run(IdeNode node, HostString* fileName) = 0;

protected:
    ~IToolImplementor() = default;
};

// One tool. A new one is filled through its Set... operations and then added; the texts are
// taken over; each Get... text is a new HostString.
struct ITool : IUnknown {
    static constexpr IdeGuid kId = ChosenGuid(0x05);

    virtual void QELVO_IDECALL SetKind(int32_t kind) = 0;            // 3
    virtual int32_t QELVO_IDECALL GetKind() = 0;                     // 4
    virtual void QELVO_IDECALL SetName(HostString* name) = 0;        // 5
    virtual HostString* QELVO_IDECALL GetName() = 0;                 // 6
    virtual void QELVO_IDECALL SetFlags(uint32_t flags) = 0;         // 7
    virtual uint32_t QELVO_IDECALL GetFlags() = 0;                   // 8
    virtual void QELVO_IDECALL SetDescription(HostString* text) = 0; // 9
    virtual HostString* QELVO_IDECALL GetDescription() = 0;          // 10
    virtual void QELVO_IDECALL SetMenuText(HostString* text) = 0;    // 11; the Tool menu item
    virtual HostString* QELVO_IDECALL GetMenuText() = 0;             // 12
    virtual void QELVO_IDECALL SetNote(HostString* text) = 0;        // 13; the third text
    virtual HostString* QELVO_IDECALL GetNote() = 0;                 // 14
    // 15; the tool keeps a reference; null removes it.
    virtual void QELVO_IDECALL SetImplementor(IToolImplementor* implementor) = 0;
    virtual IToolImplementor* QELVO_IDECALL GetImplementor() = 0; // 16; with a reference

protected:
    ~ITool() = default;
};

// The IDE's tools (service 707240d9-...).
struct ToolService : IUnknown {
    static constexpr IdeGuid kId = IdeServiceGuid(0xd9);

    virtual ITool* QELVO_IDECALL NewTool() = 0; // 3; an empty tool, not yet added
    // 4; the IDE keeps a reference; refused (0) without a name or when the name is taken.
    virtual IdeBool QELVO_IDECALL AddTool(ITool* tool) = 0;
    // 5; by name, letter case ignored; with a reference, or null. Takes over the name.
    virtual ITool* QELVO_IDECALL FindTool(HostString* name) = 0;
    virtual IdeBool QELVO_IDECALL RemoveTool(ITool* tool) = 0; // 6
    QELVO_IDE_RESERVED(7)
    // 8; runs an added tool on a node; flags 0. Answers a tool result.
    virtual int32_t QELVO_IDECALL RunTool(ITool* tool, IdeNode node, uint32_t flags) = 0;
    // 9; runs an added tool on a file; takes over the file name; flags 0.
    virtual int32_t QELVO_IDECALL RunToolOnFile(ITool* tool, HostString* fileName,
                                                uint32_t flags) = 0;

protected:
    ~ToolService() = default;
};

// Told when a Make starts and ends. Its query always fails in the add-on, so its ID is not
// asked for; this one is the project's choice.
struct IMakeClient : IUnknown {
    static constexpr IdeGuid kId = ChosenGuid(0x07);

    virtual void QELVO_IDECALL OnMakeStarted() = 0; // 3
    virtual void QELVO_IDECALL OnMakeEnded() = 0;   // 4

protected:
    ~IMakeClient() = default;
};

// Make notifications (service 707240cd-...).
struct MakeService : IUnknown {
    static constexpr IdeGuid kId = IdeServiceGuid(0xcd);

    virtual IdeBool QELVO_IDECALL AddClient(IMakeClient* client) = 0;    // 3; adds a reference
    virtual IdeBool QELVO_IDECALL RemoveClient(IMakeClient* client) = 0; // 4

protected:
    ~MakeService() = default;
};

} // namespace ide
} // namespace qelvo
