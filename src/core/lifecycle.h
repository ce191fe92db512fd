// The add-on's start and stop sequences, in their fixed orders. What they need of the windowing
// system (the bar window, OLE, the system's version) comes through AddonShell, which the DLL
// implements with Win32 and tests with a recorder.
#pragma once

#include "core/globals.h"
#include "core/ide/ide_services.h"

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

// BcwAddOnEntry with the services object. False when the add-on did not start (OLE could not
// be initialised).
bool StartAddon(ide::IdeServices* services, AddonShell& shell);
// BcwAddOnEntry with 0; nothing when the add-on did not start.
void StopAddon(AddonShell& shell);

} // namespace qelvo
