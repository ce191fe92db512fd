#include "host_string.h"

#include "host_object.h"

namespace qelvo {
namespace host {

namespace {
int liveObjects[static_cast<int>(ObjectKind::Count)];

class HostStringImpl : public CountedObject<ide::HostString, ObjectKind::String> {
public:
    void QELVO_IDECALL SetText(const char* text) override { text_ = text ? text : ""; }
    const char* QELVO_IDECALL GetText() override { return text_.c_str(); }

private:
    std::string text_;
};
} // namespace

int LiveObjects(ObjectKind kind) {
    return liveObjects[static_cast<int>(kind)];
}
void NoteObjectMade(ObjectKind kind) {
    ++liveObjects[static_cast<int>(kind)];
}
void NoteObjectGone(ObjectKind kind) {
    --liveObjects[static_cast<int>(kind)];
}

ide::HostString* NewHostString(const char* text) {
    HostStringImpl* s = new HostStringImpl;
    s->SetText(text);
    return s;
}

std::string TakeText(ide::HostString* text) {
    std::string result;
    TakeText(text, result);
    return result;
}

bool TakeText(ide::HostString* text, std::string& out) {
    out.clear();
    if (!text) return false;
    const char* chars = text->GetText();
    out = chars ? chars : "";
    text->Release();
    return true;
}

} // namespace host
} // namespace qelvo
