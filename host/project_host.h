// The stand-in IDE's projects: the open project, its services (ProjectService,
// ProjectSaveService, OptionService) and the notifications to the registered clients.
#pragma once

#include "client_list.h"
#include "ide/ide_project.h"
#include "host_object.h"
#include "project_model.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qelvo {
namespace host {

// Title of the stand-in IDE's own message boxes.
constexpr char kHostTitle[] = "Borland C++";

class ProjectHost {
public:
    ProjectHost();
    ~ProjectHost();
    ProjectHost(const ProjectHost&) = delete;
    ProjectHost& operator=(const ProjectHost&) = delete;

    ide::ProjectService* Service();
    ide::ProjectSaveService* SaveService();
    ide::OptionService* OptionService();

    // What the IDE's user does. Open closes the open project first (saving it); a project file
    // that cannot be read is reported through the platform's message sink, naming the file and
    // the line, and leaves no project open.
    bool Open(const std::string& path);
    // Tells the save clients (OnProjectSave), writes the file, tells them again
    // (OnProjectSaved). A file that cannot be written is reported.
    bool Save();
    // Asks the clients (QueryCloseProject; any non-zero answer keeps the project open), saves
    // when asked to, forgets the project and tells the clients (OnProjectClosed).
    bool Close(bool save = true);
    // Changes that the IDE's project window makes, with their notifications.
    bool Rename(ide::IdeNode node, const std::string& name);                        // OnNodeRenamed
    bool SetDescription(ide::IdeNode node, const std::string& text);                // OnNodeChanged
    bool SetDirectoryOption(ide::IdeNode node, int which, const std::string& text); // options

    Project* Current() { return project_.get(); }
    const Project* Current() const { return project_.get(); }

    size_t ClientCount() const { return clients_.Count(); }
    size_t SaveClientCount() const { return saveClients_.Count(); }
    // References held on the three services beyond the IDE's own, and releases below it.
    uint32_t ServiceReferences() const;
    uint32_t OverReleases() const;
    // Releases every client still registered (add-ons stopped, their DLLs about to go).
    void DropClients();
    // Called when a project opened or closed and when its tree changed, before the clients
    // hear of it: the IDE's own windows follow the project through it. Empty: nobody is told.
    void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

private:
    class ProjectServiceImpl;
    class SaveServiceImpl;
    class OptionServiceImpl;
    class NodeInfoImpl;

    void Changed() {
        if (listener_) listener_();
    }

    std::unique_ptr<Project> project_;
    ClientList<ide::IProjectClient> clients_;
    ClientList<ide::IProjectSaveClient> saveClients_;
    std::unique_ptr<ProjectServiceImpl> service_;
    std::unique_ptr<SaveServiceImpl> saveService_;
    std::unique_ptr<OptionServiceImpl> optionService_;
    std::function<void()> listener_;
};

} // namespace host
} // namespace qelvo
