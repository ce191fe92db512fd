#include "message_host.h"

#include "host_string.h"

namespace qelvo {
namespace host {

class MessageHost::GroupObject final
    : public CountedObject<ide::MessageGroup, ObjectKind::MessageGroup> {
public:
    GroupObject(MessageHost& host, size_t group) : host_(host), group_(group) {}

    ide::IdeMessage QELVO_IDECALL AddMessage(ide::IdeMessage parent,
                                             ide::HostString* text) override {
        std::string body = TakeText(text);
        if (parent != 0 && !host_.Known(group_, parent)) return 0;
        return Append(HostMessage{0, parent, body, false, std::string(), 0, 0, 0});
    }
    ide::IdeMessage QELVO_IDECALL AddSubMessage(ide::IdeMessage parent, ide::HostString* text,
                                                ide::HostString* file, int32_t line, int32_t column,
                                                int32_t kind) override {
        std::string body = TakeText(text);
        std::string place;
        bool withFile = TakeText(file, place);
        if (!host_.Known(group_, parent)) return 0;
        return Append(HostMessage{0, parent, body, true, place, withFile ? line : 0,
                                  withFile ? column : 0, kind});
    }

private:
    ide::IdeMessage Append(HostMessage message) {
        message.handle = host_.nextHandle_++;
        host_.groups_[group_].messages.push_back(message);
        host_.Changed();
        return message.handle;
    }

    MessageHost& host_;
    size_t group_;
};

const HostMessageGroup* MessageHost::Group(const std::string& title) const {
    for (const HostMessageGroup& group : groups_)
        if (group.title == title) return &group;
    return nullptr;
}

void MessageHost::ClearMessages() {
    for (HostMessageGroup& group : groups_)
        group.messages.clear();
    Changed();
}

void MessageHost::ClearGroup(size_t n) {
    if (n >= groups_.size()) return;
    groups_[n].messages.clear();
    Changed();
}

bool MessageHost::Known(size_t group, ide::IdeMessage handle) const {
    for (const HostMessage& message : groups_[group].messages)
        if (message.handle == handle) return true;
    return false;
}

ide::MessageGroup* QELVO_IDECALL MessageHost::NewGroup(ide::HostString* title,
                                                       ide::HostString* menuText) {
    std::string titleText = TakeText(title), menu = TakeText(menuText);
    if (titleText.empty()) return nullptr;
    size_t index = 0;
    while (index < groups_.size() && groups_[index].title != titleText)
        ++index;
    if (index == groups_.size()) {
        groups_.push_back(HostMessageGroup{titleText, menu, {}});
        Changed();
    }
    return new GroupObject(*this, index);
}

} // namespace host
} // namespace qelvo
