// The stand-in IDE's message window as a model: groups (tabs) of messages and sub-messages,
// which the message window shows later and tests read now.
#pragma once

#include "ide/ide_messages.h"
#include "host_object.h"

#include <functional>
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
    // Empties every group; the tabs stay.
    void ClearMessages();
    // Empties group n (from 0), the message window's "clear" of its shown tab.
    void ClearGroup(size_t n);
    // Called after every change (a group or a message added, messages cleared): the message
    // window shows the model through it. Empty: nobody is told.
    void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    ide::MessageGroup* QELVO_IDECALL NewGroup(ide::HostString* title,
                                              ide::HostString* menuText) override;

private:
    class GroupObject;

    bool Known(size_t group, ide::IdeMessage handle) const;
    void Changed() {
        if (listener_) listener_();
    }

    std::vector<HostMessageGroup> groups_;
    ide::IdeMessage nextHandle_ = 1;
    std::function<void()> listener_;
};

} // namespace host
} // namespace qelvo
