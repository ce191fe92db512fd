// The add-on's start and stop sequences, in their fixed orders. What they need of the windowing
// system (the bar window, OLE, the system's version) comes through AddonShell, which the DLL
// implements with Win32 and tests with a recorder.
#pragma once

#include "core/globals.h"
#include "ide/ide_services.h"

namespace qelvo {

class AddonShell {
public:
    // The OS text and the new-shell flag, from the system's version.
    virtual void DescribeSystem(AddonEnvironment& environment) = 0;
    virtual bool InitializeOle() = 0;
    virtual void UninitializeOle() = 0;
    // Registers the window class QADO and creates the bar, hidden, with its start-up menu and
    // its one-second clock. Null when that failed.
    virtual void* CreateBar(bool newShell) = 0;
    virtual void ShowBar(void* window) = 0;
    // Stops the clock, destroys the bar and unregisters its class.
    virtual void DestroyBar(void* window) = 0;
    // The hook object: installs the four window hooks on the calling thread; deleting it
    // removes them.
    virtual void CreateHooks(void* window) = 0;
    virtual void DeleteHooks() = 0;

protected:
    ~AddonShell() = default;
};

// The add-on's parts: the service objects of the core and of each feature.
enum AddonPart : unsigned {
    kPartQuickFind = 1u << 0,
    kPartEditorMenu = 1u << 1,
    kPartTopBar = 1u << 2,
    kPartCompletion = 1u << 3,
    kPartAutomation = 1u << 4,
    kPartStatus = 1u << 5,
    kPartTools = 1u << 6,
    kPartProjects = 1u << 7, // the project session
    kPartOptions = 1u << 8,  // the option reader
    kPartMail = 1u << 9,
    kPartEditorAccess = 1u << 10, // the editor views, for the editor menu and completion
    kPartHelp = 1u << 11,
    kPartCodeGenerator = 1u << 12, // the dialog code generator
    kPartHtml = 1u << 13,          // the documentation's settings
    kPartDelivery = 1u << 14,      // the delivery settings and its tool
    kPartTasks = 1u << 15,         // the task list
    kPartGroupware = 1u << 16,     // the groupware settings
    kPartOptionsChapter = 1u << 17, // the options chapter, registered with the IDE
    kAllParts = (1u << 18) - 1,
};

// Creates the chosen parts that do not exist yet, in the start order (without the shell's
// steps that the start sequence puts between them). A part whose creation fails stays null.
void CreateParts(unsigned parts, ide::IdeServices* services, void* window, bool newShell);
// Deletes the chosen parts, in the stop order; each writes its settings back.
void DeleteParts(unsigned parts);

// For tests: when set, a part for which it answers true fails to be created as it would on an
// exhausted heap.
extern bool (*FailPartCreation)(AddonPart part);

// BcwAddOnEntry with the services object. False when the add-on did not start (OLE could not
// be initialised).
bool StartAddon(ide::IdeServices* services, AddonShell& shell);
// BcwAddOnEntry with 0; nothing when the add-on did not start.
void StopAddon(AddonShell& shell);

} // namespace qelvo
