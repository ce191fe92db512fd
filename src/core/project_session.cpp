#include "core/project_session.h"

#include "core/globals.h"
#include "foundation/project_options.h"
#include "foundation/text_utils.h"
#include "platform/platform.h"

#include <cstring>

namespace qelvo {

namespace {
int liveClients = 0;
int liveSaveClients = 0;
char directoryBuffer[256];
char nameBuffer[256];

ProjectListener* listeners[kMaxProjectListeners];
int listenerCount = 0;

// Each listener in turn; one removed meanwhile is not told.
template <class Call> void Tell(Call call) {
    ProjectListener* told[kMaxProjectListeners];
    int count = listenerCount;
    for (int i = 0; i < count; ++i)
        told[i] = listeners[i];
    for (int i = 0; i < count; ++i) {
        bool present = false;
        for (int j = 0; j < listenerCount; ++j)
            present = present || listeners[j] == told[i];
        if (present)
            call(told[i]);
    }
}
} // namespace

// ---- The listeners ------------------------------------------------------------------------

bool AddProjectListener(ProjectListener* listener) {
    for (int i = 0; i < listenerCount; ++i)
        if (listeners[i] == listener)
            return true;
    if (!listener || listenerCount == kMaxProjectListeners)
        return false;
    listeners[listenerCount++] = listener;
    return true;
}

void RemoveProjectListener(ProjectListener* listener) {
    for (int i = 0; i < listenerCount; ++i) {
        if (listeners[i] != listener)
            continue;
        for (int j = i + 1; j < listenerCount; ++j)
            listeners[j - 1] = listeners[j];
        --listenerCount;
        return;
    }
}

// ---- The clients --------------------------------------------------------------------------

ProjectClientImpl::ProjectClientImpl(ProjectTestA* owner) : owner_(owner) { ++liveClients; }
ProjectClientImpl::~ProjectClientImpl() { --liveClients; }
int ProjectClientImpl::Live() { return liveClients; }

void QELVO_IDECALL ProjectClientImpl::OnProjectOpened(ide::HostString* projectFile) {
    if (owner_)
        owner_->ProjectOpened(projectFile ? projectFile->GetText() : "");
}
void QELVO_IDECALL ProjectClientImpl::OnProjectClosed() {
    if (owner_)
        owner_->ProjectClosed();
}
// Any change of the tree rebuilds the bar; what each of these means beyond that is the IDE's.
void QELVO_IDECALL ProjectClientImpl::OnNodeAdded(ide::IdeNode) {
    if (owner_)
        owner_->NodesChanged();
}
void QELVO_IDECALL ProjectClientImpl::OnNodeRemoved(ide::IdeNode) {
    if (owner_)
        owner_->NodesChanged();
}
void QELVO_IDECALL ProjectClientImpl::OnNodeMoved(ide::IdeNode) {
    if (owner_)
        owner_->NodesChanged();
}
void QELVO_IDECALL ProjectClientImpl::OnNodeRenamed(ide::IdeNode node) {
    if (owner_)
        owner_->NodeRenamed(node);
}
void QELVO_IDECALL ProjectClientImpl::OnNodeChanged(ide::IdeNode) {
    if (owner_)
        owner_->NodesChanged();
}

ProjectClient2Impl::ProjectClient2Impl(ProjectTestA* owner) : owner_(owner) {
    ++liveSaveClients;
}
ProjectClient2Impl::~ProjectClient2Impl() { --liveSaveClients; }
int ProjectClient2Impl::Live() { return liveSaveClients; }

void QELVO_IDECALL ProjectClient2Impl::OnProjectSave() {
    if (owner_)
        owner_->ProjectSave();
}

// ---- The holder ---------------------------------------------------------------------------

ProjectTestA::ProjectTestA(ide::IdeServices* services)
    : services_(services), projects_(ide::QueryService<ide::ProjectService>(services)),
      saves_(ide::QueryService<ide::ProjectSaveService>(services)) {
    BindProjectOptions(services_, projects_);
    // The IDE keeps its own reference to a client it accepts; ours is the creation reference,
    // given back when the client is unregistered.
    if (projects_) {
        client_ = new ProjectClientImpl(this);
        projects_->AddClient(client_);
    }
    if (saves_) {
        saveClient_ = new ProjectClient2Impl(this);
        saves_->AddClient(saveClient_);
    }
}

ProjectTestA::~ProjectTestA() {
    // Each client is held while it is removed, then let go of twice: the hold and the creation
    // reference. A client the IDE would not give back no longer reaches this holder.
    if (client_) {
        client_->Forget();
        client_->AddRef();
        projects_->RemoveClient(client_);
        client_->Release();
        client_->Release();
        client_ = nullptr;
    }
    if (saveClient_) {
        saveClient_->Forget();
        saveClient_->AddRef();
        saves_->RemoveClient(saveClient_);
        saveClient_->Release();
        saveClient_->Release();
        saveClient_ = nullptr;
    }
    BindProjectOptions(nullptr, nullptr);
    if (saves_)
        saves_->Release();
    if (projects_)
        projects_->Release();
}

ide::IdeNode ProjectTestA::TopNode() const { return projects_ ? projects_->TopNode() : 0; }

ide::IdeNode ProjectTestA::FindNode(const char* fileName) const {
    if (!projects_ || !fileName)
        return 0;
    ide::HostString* name = ide::MakeHostString(services_, fileName);
    return name ? projects_->FindNode(name) : 0;
}

void ProjectTestA::ProjectOpened(const char* projectFile) {
    CopyText(projectPath, projectFile, sizeof projectPath);
    // The task list, the recent projects, the general automation, the per-project options and
    // the top bar listen.
    if (ProjectOpen())
        projectOpen = true;
    Tell([](ProjectListener* l) { l->ProjectOpened(); });
}

void ProjectTestA::ProjectClosed() {
    // The bar's collapse, the task windows and the recent projects listen; they still see
    // whether a project was loaded.
    Tell([](ProjectListener* l) { l->ProjectClosed(); });
    projectOpen = false;
}

void ProjectTestA::NodesChanged() {
    if (projectOpen)
        Tell([](ProjectListener* l) { l->NodesChanged(); });
}

void ProjectTestA::NodeRenamed(ide::IdeNode node) {
    if (projectOpen)
        Tell([node](ProjectListener* l) { l->NodeRenamed(node); });
}

void ProjectTestA::ProjectSave() {
    // The per-project options are written by whoever holds them.
    Tell([](ProjectListener* l) { l->ProjectSaving(); });
}

// ---- The project functions ----------------------------------------------------------------

ide::ProjectService* ProjectServiceOrNull() { return Projects ? Projects->Service() : nullptr; }

int ProjectOpen() {
    ide::ProjectService* projects = ProjectServiceOrNull();
    return projects && projects->QueryProjectLoaded() == ide::kIdeOk ? 1 : 0;
}

const char* ProjectDirectory() {
    if (ProjectOpen()) {
        CopyText(directoryBuffer, Projects->projectPath, sizeof directoryBuffer);
        char* last = nullptr;
        for (char* p = directoryBuffer; *p; ++p)
            if (*p == '\\' || *p == '/')
                last = p;
        if (last)
            *last = 0;
        else
            directoryBuffer[0] = 0;
    } else {
        CopyText(directoryBuffer, platform::CurrentDirectory().c_str(), sizeof directoryBuffer);
    }
    return directoryBuffer;
}

const char* ProjectName() {
    if (ProjectOpen())
        CopyText(nameBuffer, FileNamePart(Projects->projectPath), sizeof nameBuffer);
    else
        CopyText(nameBuffer, "Default", sizeof nameBuffer);
    return nameBuffer;
}

} // namespace qelvo
