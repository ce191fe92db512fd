// The project session: the IDE's ProjectService and ProjectSaveService, the add-on's two clients
// registered with them, the path of the open project, the listeners that features add to hear
// of it; and the small project functions the features use.
#pragma once

#include "ide/ide_services.h"

namespace qelvo {

// What a feature hears of the project. Node changes come only while a project is open.
class ProjectListener {
public:
    virtual void ProjectOpened() {}
    virtual void ProjectClosed() {}
    virtual void NodesChanged() {}
    virtual void NodeRenamed(ide::IdeNode) {}
    virtual void ProjectSaving() {}

protected:
    ~ProjectListener() = default;
};

// Listeners are told in the order they were added. Adding one twice adds it once; at most
// kMaxProjectListeners are kept (false beyond).
constexpr int kMaxProjectListeners = 16;
bool AddProjectListener(ProjectListener* listener);
void RemoveProjectListener(ProjectListener* listener);

class ProjectTestA;

// Told about projects and nodes; passes each notification to its holder while it has one.
class ProjectClientImpl final : public ide::IUnknownImp<ide::IProjectClient> {
public:
    explicit ProjectClientImpl(ProjectTestA* owner);
    // The holder is going: later notifications do nothing.
    void Forget() { owner_ = nullptr; }
    // Clients alive in the process (to see that none outlives its registration).
    static int Live();

    void QELVO_IDECALL OnProjectOpened(ide::HostString* projectFile) override;
    void QELVO_IDECALL OnProjectClosed() override;
    void QELVO_IDECALL OnNodeAdded(ide::IdeNode node) override;
    void QELVO_IDECALL OnNodeRemoved(ide::IdeNode node) override;
    void QELVO_IDECALL OnNodeMoved(ide::IdeNode node) override;
    void QELVO_IDECALL OnNodeRenamed(ide::IdeNode node) override;
    void QELVO_IDECALL OnNodeChanged(ide::IdeNode node) override;
    int32_t QELVO_IDECALL QueryCloseProject() override { return 0; }
    void QELVO_IDECALL OnNodeOptionsChanged(ide::IdeNode) override {}

protected:
    ~ProjectClientImpl() override;

private:
    ProjectTestA* owner_;
};

// Told when the project is saved.
class ProjectClient2Impl final : public ide::IUnknownImp<ide::IProjectSaveClient> {
public:
    explicit ProjectClient2Impl(ProjectTestA* owner);
    void Forget() { owner_ = nullptr; }
    static int Live();

    void QELVO_IDECALL OnProjectSave() override;
    void QELVO_IDECALL OnProjectSaved() override {}

protected:
    ~ProjectClient2Impl() override;

private:
    ProjectTestA* owner_;
};

class ProjectTestA {
public:
    // Asks for both services, binds the per-project options to the ProjectService and
    // registers a client with each service that exists.
    explicit ProjectTestA(ide::IdeServices* services);
    // Unregisters both clients, unbinds the options and releases both services.
    ~ProjectTestA();
    ProjectTestA(const ProjectTestA&) = delete;
    ProjectTestA& operator=(const ProjectTestA&) = delete;

    ide::ProjectService* Service() const { return projects_; }
    ide::ProjectSaveService* SaveService() const { return saves_; }
    ProjectClientImpl* Client() const { return client_; }
    ProjectClient2Impl* SaveClient() const { return saveClient_; }

    // The project's root node (0 without a project or service).
    ide::IdeNode TopNode() const;
    // The node of a file name, 0 when none.
    ide::IdeNode FindNode(const char* fileName) const;

    // Notifications, from the clients.
    void ProjectOpened(const char* projectFile);
    void ProjectClosed();
    void NodesChanged();
    void NodeRenamed(ide::IdeNode node);
    void ProjectSave();

    char projectPath[256] = ""; // the open project's file name, set when it opens
    bool projectOpen = false;   // a real project was opened and has not closed since

private:
    ide::IdeServices* services_;
    ide::ProjectService* projects_;
    ide::ProjectSaveService* saves_;
    ProjectClientImpl* client_ = nullptr;
    ProjectClient2Impl* saveClient_ = nullptr;
};

// 1 while the IDE has a project loaded (its loaded test answers 0).
int ProjectOpen();
// The open project's directory (its path cut at the last '\' or '/'), or the current directory
// without a project; in a buffer that the next call overwrites.
const char* ProjectDirectory();
// The open project's file name without its directory (APP.IDE), or "Default"; in a buffer
// that the next call overwrites.
const char* ProjectName();
// The project's services while the holder exists, else null.
ide::ProjectService* ProjectServiceOrNull();

} // namespace qelvo
