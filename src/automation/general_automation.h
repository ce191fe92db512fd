// General IDE automation: only one IDE at a time, the auto-save of the open editors every few
// minutes, the IDE's message, project and status windows cleared, closed or minimised around
// each Make and put back after it, and the project window shown when a project opens.
#pragma once

#include "core/project_session.h"
#include "ide/ide_services.h"

namespace qelvo {

struct GeneralSettings {
    int clearOnMake, closeOnMake, closeProjectOnMake, iconizeStatusOnMake, viewOnOpen;
    int timerSave, timerCount, unic;
    void Load();
    void Save() const;
};

struct WindowPlace {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// What the automation does to the IDE's windows; the Win32 side (automation/shell) installs
// it with the add-on window, tests install a recorder. Windows are opaque handles.
class IdeWindowsPort {
public:
    virtual bool FrameEnabled() = 0;
    virtual void SendFrameCommand(int command) = 0;
    virtual void PostFrameCommand(int command) = 0;
    // The message window's shown group emptied: its note tab clicked at (20, 11), then the
    // IDE's command 1722 to its viewer.
    virtual void ClearMessages() = 0;
    // The frame's MDI child of that class; null when there is none.
    virtual void* FindMdiChild(const char* windowClass) = 0;
    virtual WindowPlace WindowRect(void* window) = 0;
    virtual void CloseWindow(void* window) = 0; // the system close command
    // The MDI child of that class placed at the screen rectangle (no z-order change, no
    // activation).
    virtual void PlaceMdiChild(const char* windowClass, const WindowPlace& rect) = 0;
    // The compile status window ("#32770"), or null.
    virtual void* FindStatusWindow() = 0;
    virtual void Minimise(void* window) = 0;
    virtual void Restore(void* window) = 0;
    // An IDE frame that already exists restored if minimised and made the active window;
    // false when there is none.
    virtual bool ActivateOtherFrame() = 0;
    virtual void EndProcess() = 0;

protected:
    ~IdeWindowsPort() = default;
};

// Installs the port and returns the previous one; null: none (window steps are skipped).
IdeWindowsPort* SetIdeWindowsPort(IdeWindowsPort* port);

class GeneralAutomation;

// The add-on's IMakeClient: its query always fails; Make started and ended go to the general
// automation while it exists.
class MakeClient final : public ide::IMakeClient {
public:
    MakeClient() = default;
    MakeClient(const MakeClient&) = delete;
    MakeClient& operator=(const MakeClient&) = delete;
    // Clients alive in the process (to see that none outlives its registration).
    static int Live();

    ide::IdeResult QELVO_IDECALL QueryInterface(const ide::IdeGuid&, void** out) override;
    uint32_t QELVO_IDECALL AddRef() override { return ++count_; }
    uint32_t QELVO_IDECALL Release() override;
    void QELVO_IDECALL OnMakeStarted() override;
    void QELVO_IDECALL OnMakeEnded() override;

private:
    ~MakeClient();
    uint32_t count_ = 1;
};

class GeneralAutomation final : public ProjectListener {
public:
    // Reads the "General" settings; with "Unic" on and another IDE running, brings that IDE
    // forward and ends this process. Listens to the project session.
    explicit GeneralAutomation(ide::IdeServices* services = nullptr);
    // Unregisters the Make client when one is held and writes the settings back.
    ~GeneralAutomation();
    GeneralAutomation(const GeneralAutomation&) = delete;
    GeneralAutomation& operator=(const GeneralAutomation&) = delete;

    // Asks for the MakeService and registers the Make client ("Erreur" boxes when either
    // cannot be had).
    void RegisterMakeClient();
    void UnregisterMakeClient();
    void RestartAutoSaveCount() { tickCount = 0; }
    // One second of the auto-save clock.
    void Tick();
    void ShowProjectOnOpen();
    void MakeStarted();
    void MakeEnded();

    // The project session's events.
    void ProjectOpened() override;
    void ProjectClosed() override;

    GeneralSettings settings;
    int tickCount = 0;
    WindowPlace messageRect, projectRect;
    void* closedMessage = nullptr;
    void* closedProject = nullptr;
    void* minimisedStatus = nullptr;
    // Runs first at each Make start: the dialog code generator (the composition root plugs it).
    void (*beforeMake)() = nullptr;

private:
    void SaveEditors();

    ide::IdeServices* services_;
    ide::MakeService* makes_ = nullptr;
    MakeClient* client_ = nullptr;
};

// The add-on's general automation; null while it does not exist.
extern GeneralAutomation* Automation;

} // namespace qelvo
