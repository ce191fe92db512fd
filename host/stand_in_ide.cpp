#include "stand_in_ide.h"

namespace qelvo {
namespace host {

class StandInIde::ServicesObject final : public ServiceObject<ide::IdeServices> {
public:
    explicit ServicesObject(StandInIde& ide) : ide_(ide) {}

    // The services object's query is how add-ons ask for a service by its ID.
    ide::IdeResult QELVO_IDECALL QueryInterface(const ide::IdeGuid& id, void** out) override {
        if (!out) return ide::kIdeNoInterface;
        ide::IUnknown* service = Find(id);
        if (!service) return ServiceObject<ide::IdeServices>::QueryInterface(id, out);
        service->AddRef();
        *out = service;
        return ide::kIdeOk;
    }
    ide::HostString* QELVO_IDECALL NewHostString() override { return host::NewHostString(""); }
    ide::HostFileReader* QELVO_IDECALL NewHostFileReader() override {
        return NewFileReader(ide_.editors_);
    }

private:
    ide::IUnknown* Find(const ide::IdeGuid& id) {
        using ide::IdeGuidEqual;
        if (IdeGuidEqual(id, ide::ProjectService::kId)) return ide_.projects_.Service();
        if (IdeGuidEqual(id, ide::ProjectSaveService::kId)) return ide_.projects_.SaveService();
        if (IdeGuidEqual(id, ide::OptionService::kId)) return ide_.projects_.OptionService();
        if (IdeGuidEqual(id, ide::ToolService::kId)) return ide_.tools_.get();
        if (IdeGuidEqual(id, ide::MakeService::kId)) return &ide_.make_;
        if (IdeGuidEqual(id, ide::MessageService::kId)) return &ide_.messages_;
        if (IdeGuidEqual(id, ide::FrameService::kId)) return &ide_.frame_;
        if (IdeGuidEqual(id, ide::OptionsDialogService::kId)) return &ide_.optionsDialog_;
        if (IdeGuidEqual(id, ide::EditorService::kId)) return ide_.editor_;
        return nullptr;
    }

    StandInIde& ide_;
};

StandInIde::StandInIde() : tools_(new ToolHost(projects_)), services_(new ServicesObject(*this)) {}

StandInIde::~StandInIde() {
    DropAddOnObjects();
}

ide::IdeServices* StandInIde::Services() {
    return services_.get();
}

void StandInIde::DropAddOnObjects() {
    projects_.DropClients();
    make_.DropClients();
    tools_->DropAddOnTools();
    optionsDialog_.DropChapters();
}

uint32_t StandInIde::ServiceReferences() const {
    return services_->RefCount() - 1 + projects_.ServiceReferences() + tools_->RefCount() - 1 +
           make_.RefCount() - 1 + messages_.RefCount() - 1 + frame_.RefCount() - 1 +
           optionsDialog_.RefCount() - 1;
}

uint32_t StandInIde::OverReleases() const {
    return services_->OverReleases() + projects_.OverReleases() + tools_->OverReleases() +
           make_.OverReleases() + messages_.OverReleases() + frame_.OverReleases() +
           optionsDialog_.OverReleases();
}

} // namespace host
} // namespace qelvo
