#include "project_host.h"

#include "host_string.h"
#include "platform/platform.h"
#include "project_file.h"

#include <algorithm>

namespace qelvo {
namespace host {

namespace {
// A zero-size option still answers a pointer, so "present and empty" differs from "absent".
const unsigned char kNoBytes[1] = {0};
} // namespace

class ProjectHost::NodeInfoImpl final : public CountedObject<ide::INodeInfo, ObjectKind::NodeInfo> {
public:
    NodeInfoImpl(ProjectHost& host, ide::IdeNode node) : host_(host), node_(node) {}

    ide::HostString* QELVO_IDECALL GetName() override {
        const ProjectNode* node = Node();
        return NewHostString(node ? node->name : std::string());
    }
    ide::HostString* QELVO_IDECALL GetType() override {
        const ProjectNode* node = Node();
        return NewHostString(node ? node->type : std::string());
    }
    ide::HostString* QELVO_IDECALL GetDescription() override {
        const ProjectNode* node = Node();
        return NewHostString(node ? node->description : std::string());
    }
    ide::HostString* QELVO_IDECALL GetFileName() override {
        return NewHostString(Node() ? host_.project_->FileName(node_) : std::string());
    }
    ide::HostString* QELVO_IDECALL GetOutputPath() override {
        return NewHostString(Node() ? host_.project_->OutputPath(node_) : std::string());
    }
    ide::IdeNode QELVO_IDECALL GetParent() override {
        const ProjectNode* node = Node();
        return node ? node->parent : 0;
    }
    ide::IdeNode QELVO_IDECALL GetFirstChild() override {
        const ProjectNode* node = Node();
        return node && !node->children.empty() ? node->children.front() : 0;
    }
    ide::IdeNode QELVO_IDECALL GetNextSibling() override {
        const ProjectNode* node = Node();
        if (!node || node->parent == 0) return 0;
        const std::vector<ide::IdeNode>& siblings = host_.project_->Node(node->parent)->children;
        auto self = std::find(siblings.begin(), siblings.end(), node_);
        return self != siblings.end() && self + 1 != siblings.end() ? *(self + 1) : 0;
    }

private:
    // The node as it is now: nothing once it was removed or its project closed.
    const ProjectNode* Node() const {
        return host_.project_ ? host_.project_->Node(node_) : nullptr;
    }

    ProjectHost& host_;
    ide::IdeNode node_;
};

class ProjectHost::ProjectServiceImpl final : public ServiceObject<ide::ProjectService> {
public:
    explicit ProjectServiceImpl(ProjectHost& host) : host_(host) {}

    ide::IdeBool QELVO_IDECALL AddClient(ide::IProjectClient* client) override {
        return host_.clients_.Add(client);
    }
    ide::IdeBool QELVO_IDECALL RemoveClient(ide::IProjectClient* client) override {
        return host_.clients_.Remove(client);
    }
    ide::IdeResult QELVO_IDECALL QueryProjectLoaded() override {
        return host_.project_ ? ide::kIdeOk : ide::kIdeFalse;
    }
    ide::IdeNode QELVO_IDECALL AddNode(ide::IdeNode parent, ide::HostString* name,
                                       ide::HostString* type, uint32_t flags) override {
        std::string nameText = TakeText(name), typeText;
        if (!TakeText(type, typeText)) typeText = TypeFromName(nameText);
        if (!host_.project_ || nameText.empty()) return 0;
        ide::IdeNode node = host_.project_->Add(parent, nameText, typeText);
        if (node == 0) return 0;
        if (!typeText.empty() && typeText[0] == '.') host_.project_->Node(node)->file = nameText;
        host_.Changed();
        host_.clients_.Notify([node](ide::IProjectClient* c) { c->OnNodeAdded(node); });
        return node;
    }
    ide::IdeNode QELVO_IDECALL FindNode(ide::HostString* fileName) override {
        std::string text = TakeText(fileName);
        return host_.project_ ? host_.project_->FindByFileName(text) : 0;
    }
    ide::IdeBool QELVO_IDECALL RemoveNode(ide::IdeNode node) override {
        if (!host_.project_ || !host_.project_->Remove(node)) return 0;
        host_.Changed();
        host_.clients_.Notify([node](ide::IProjectClient* c) { c->OnNodeRemoved(node); });
        return 1;
    }
    ide::IdeNode QELVO_IDECALL TopNode() override {
        return host_.project_ ? host_.project_->Top() : 0;
    }
    ide::INodeInfo* QELVO_IDECALL NodeInfo(ide::IdeNode node) override {
        if (!host_.project_ || !host_.project_->Node(node)) return nullptr;
        return new NodeInfoImpl(host_, node);
    }
    ide::IdeBool QELVO_IDECALL SetNodeOption(ide::IdeNode node, ide::HostString* name,
                                             const void* data, uint32_t size) override {
        std::string nameText = TakeText(name);
        if (!host_.project_ || !host_.project_->SetOption(node, nameText, data, size)) return 0;
        host_.clients_.Notify([node](ide::IProjectClient* c) { c->OnNodeOptionsChanged(node); });
        return 1;
    }
    const void* QELVO_IDECALL GetNodeOption(ide::IdeNode node, ide::HostString* name,
                                            uint32_t* size) override {
        std::string nameText = TakeText(name);
        const NodeOption* option =
            host_.project_ ? host_.project_->Option(node, nameText) : nullptr;
        if (size) *size = option ? static_cast<uint32_t>(option->bytes.size()) : 0;
        if (!option) return nullptr;
        return option->bytes.empty() ? kNoBytes : option->bytes.data();
    }

private:
    ProjectHost& host_;
};

class ProjectHost::SaveServiceImpl final : public ServiceObject<ide::ProjectSaveService> {
public:
    explicit SaveServiceImpl(ProjectHost& host) : host_(host) {}

    ide::IdeBool QELVO_IDECALL AddClient(ide::IProjectSaveClient* client) override {
        return host_.saveClients_.Add(client);
    }
    ide::IdeBool QELVO_IDECALL RemoveClient(ide::IProjectSaveClient* client) override {
        return host_.saveClients_.Remove(client);
    }

private:
    ProjectHost& host_;
};

class ProjectHost::OptionServiceImpl final : public ServiceObject<ide::OptionService> {
public:
    explicit OptionServiceImpl(ProjectHost& host) : host_(host) {}

    ide::HostString* QELVO_IDECALL DirectoryOption(ide::IdeNode node, int32_t which) override {
        std::string text;
        if (!host_.project_ || !host_.project_->DirectoryOption(node, which, text)) return nullptr;
        return NewHostString(text);
    }

private:
    ProjectHost& host_;
};

ProjectHost::ProjectHost()
    : service_(new ProjectServiceImpl(*this)), saveService_(new SaveServiceImpl(*this)),
      optionService_(new OptionServiceImpl(*this)) {}

ProjectHost::~ProjectHost() {
    DropClients();
}

ide::ProjectService* ProjectHost::Service() {
    return service_.get();
}
ide::ProjectSaveService* ProjectHost::SaveService() {
    return saveService_.get();
}
ide::OptionService* ProjectHost::OptionService() {
    return optionService_.get();
}

bool ProjectHost::Open(const std::string& path) {
    if (project_ && !Close(true)) return false;
    std::string error;
    std::unique_ptr<Project> loaded = ReadProjectFile(path, error);
    if (!loaded) {
        platform::ShowMessage(error.c_str(), kHostTitle, platform::kMbOk | platform::kMbIconStop);
        return false;
    }
    project_ = std::move(loaded);
    Changed();
    clients_.Notify([&path](ide::IProjectClient* c) {
        ide::HostString* name = NewHostString(path);
        c->OnProjectOpened(name);
        name->Release();
    });
    return true;
}

bool ProjectHost::Save() {
    if (!project_) return false;
    saveClients_.Notify([](ide::IProjectSaveClient* c) { c->OnProjectSave(); });
    std::string error;
    if (!project_ || !WriteProjectFile(*project_, error)) {
        if (!error.empty())
            platform::ShowMessage(error.c_str(), kHostTitle,
                                  platform::kMbOk | platform::kMbIconStop);
        return false;
    }
    saveClients_.Notify([](ide::IProjectSaveClient* c) { c->OnProjectSaved(); });
    return true;
}

bool ProjectHost::Close(bool save) {
    if (!project_) return false;
    bool keep = false;
    clients_.Notify(
        [&keep](ide::IProjectClient* c) { keep = keep || c->QueryCloseProject() != 0; });
    if (keep) return false;
    if (save) Save();
    project_.reset();
    Changed();
    clients_.Notify([](ide::IProjectClient* c) { c->OnProjectClosed(); });
    return true;
}

bool ProjectHost::Rename(ide::IdeNode node, const std::string& name) {
    ProjectNode* target = project_ ? project_->Node(node) : nullptr;
    if (!target || name.empty()) return false;
    target->name = name;
    Changed();
    clients_.Notify([node](ide::IProjectClient* c) { c->OnNodeRenamed(node); });
    return true;
}

bool ProjectHost::SetDescription(ide::IdeNode node, const std::string& text) {
    ProjectNode* target = project_ ? project_->Node(node) : nullptr;
    if (!target) return false;
    target->description = text;
    Changed();
    clients_.Notify([node](ide::IProjectClient* c) { c->OnNodeChanged(node); });
    return true;
}

bool ProjectHost::SetDirectoryOption(ide::IdeNode node, int which, const std::string& text) {
    if (!project_ || !project_->SetDirectoryOption(node, which, text)) return false;
    clients_.Notify([node](ide::IProjectClient* c) { c->OnNodeOptionsChanged(node); });
    return true;
}

uint32_t ProjectHost::ServiceReferences() const {
    return service_->RefCount() - 1 + saveService_->RefCount() - 1 + optionService_->RefCount() - 1;
}

uint32_t ProjectHost::OverReleases() const {
    return service_->OverReleases() + saveService_->OverReleases() + optionService_->OverReleases();
}

void ProjectHost::DropClients() {
    clients_.Drop();
    saveClients_.Drop();
}

} // namespace host
} // namespace qelvo
