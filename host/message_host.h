// The stand-in IDE's message window as a model: groups (tabs) of messages and sub-messages,
// which the message window shows later and tests read now.
#pragma once

#include "core/ide/ide_messages.h"
#include "host_object.h"

#include <string>
#include <vector>

namespace qelvo {
namespace host {

struct HostMessage {
    ide::IdeMessage handle;
    ide::IdeMessage parent; // 0 at the top level
    std::string text;
    bool sub; // added as a sub-message (with a place in a file and a kind)
    std::string file;
    int32_t line, column, kind;
};

struct HostMessageGroup {
    std::string title;
    std::string menuText;
    std::vector<HostMessage> messages; // in the order they were added
};

class MessageHost final : public ServiceObject<ide::MessageService> {
public:
    MessageHost() = default;

    const std::vector<HostMessageGroup>& Groups() const { return groups_; }
    // The group of that title, or null.
    const HostMessageGroup* Group(const std::string& title) const;
    // Empties every group (the message window's "clear"); the tabs stay.
    void ClearMessages();

    ide::MessageGroup* QELVO_IDECALL NewGroup(ide::HostString* title,
                                              ide::HostString* menuText) override;

private:
    class GroupObject;

    bool Known(size_t group, ide::IdeMessage handle) const;

    std::vector<HostMessageGroup> groups_;
    ide::IdeMessage nextHandle_ = 1;
};

} // namespace host
} // namespace qelvo
