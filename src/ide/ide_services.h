// The IDE's services object, handed to BcwAddOnEntry, and every interface reached from it.
#pragma once

#include "ide/ide_base.h"
#include "ide/ide_editor.h"
#include "ide/ide_messages.h"
#include "ide/ide_options_dialog.h"
#include "ide/ide_project.h"
#include "ide/ide_tools.h"

namespace qelvo {
namespace ide {

// Asking for a service is the services object's query (slot 0): given a service ID it answers
// that service with a reference the caller releases, or fails with kIdeNoInterface when the
// IDE does not offer it. QueryService below is only a name for that call.
struct IdeServices : IUnknown {
    static constexpr IdeGuid kId = ChosenGuid(0x01);

    QELVO_IDE_RESERVED(3)
    QELVO_IDE_RESERVED(4)
    QELVO_IDE_RESERVED(5)
    QELVO_IDE_RESERVED(6)
    virtual HostString* QELVO_IDECALL NewHostString() = 0;         // 7; empty, count 1
    virtual HostFileReader* QELVO_IDECALL NewHostFileReader() = 0; // 8; count 1

    IdeResult QueryService(const IdeGuid& id, void** out) { return QueryInterface(id, out); }

protected:
    ~IdeServices() = default;
};

// Asks for a service by its interface: QueryService<ProjectService>(services) or null.
template <class Service> Service* QueryService(IdeServices* services) {
    void* out = nullptr;
    if (!services || services->QueryService(Service::kId, &out) != kIdeOk) return nullptr;
    return static_cast<Service*>(out);
}

// A new HostString holding the text, to be handed to the IDE (which takes it over).
inline HostString* MakeHostString(IdeServices* services, const char* text) {
    HostString* s = services ? services->NewHostString() : nullptr;
    if (s) s->SetText(text);
    return s;
}

// The add-on's only export: the services object to start, null to stop.
typedef void(QELVO_IDECALL* AddOnEntryFunction)(void* services);
constexpr char kAddOnEntryName[] = "BcwAddOnEntry";

} // namespace ide
} // namespace qelvo
