// The IDE's message window (groups of messages, one tab each) and its frame with the status
// line.
#pragma once

#include "ide/ide_base.h"

namespace qelvo {
namespace ide {

// Kinds of sub-messages as the message window shows them.
enum : int32_t {
    kMessageError = 0,
    kMessageWarning = 2,
    kMessageInfo = 5,
};

// One group (tab) of the message window. Texts are taken over.
struct MessageGroup : IUnknown {
    static constexpr IdeGuid kId = ChosenGuid(0x06);

    // 3; a message below the parent (0: top level); answers its handle, 0 when refused.
    virtual IdeMessage QELVO_IDECALL AddMessage(IdeMessage parent, HostString* text) = 0;
    // 4; a message about a place in a file (file may be null, then line and column are
    // ignored) below an existing parent; answers its handle, 0 when refused.
    virtual IdeMessage QELVO_IDECALL AddSubMessage(IdeMessage parent, HostString* text,
                                                   HostString* file, int32_t line, int32_t column,
                                                   int32_t kind) = 0;

protected:
    ~MessageGroup() = default;
};

// The message window (service 707240c0-...).
struct MessageService : IUnknown {
    static constexpr IdeGuid kId = IdeServiceGuid(0xc0);

    // 3; the group with that title (a new tab, or the existing tab of that title); a new
    // object the caller releases. Takes over both texts.
    virtual MessageGroup* QELVO_IDECALL NewGroup(HostString* title, HostString* menuText) = 0;

protected:
    ~MessageService() = default;
};

// The IDE's frame window (service 707240c7-...).
struct FrameService : IUnknown {
    static constexpr IdeGuid kId = IdeServiceGuid(0xc7);

    virtual void* QELVO_IDECALL FrameWindow() = 0;                  // 3; the frame's HWND
    virtual void QELVO_IDECALL SetStatusText(HostString* text) = 0; // 4; takes it over

protected:
    ~FrameService() = default;
};

} // namespace ide
} // namespace qelvo
