// The add-on core's global objects. The start sequence creates them in a fixed order and the
// stop sequence deletes them in another; every feature reaches them here (each feature's own
// object is declared in the feature's header). A pointer stays null while its object does not
// exist, which includes an object whose creation failed: every user checks.
#pragma once

#include "ide/ide_services.h"

namespace qelvo {

class StatusHolder;
class OptionReader;
class ToolTable;
class MailService;
class ProjectTestA;

struct AddonEnvironment {
    void* instance = nullptr; // the DLL's module
    char osText[40] = "";     // "Windows NT 6.1" and the like
    int newShell = 1;         // 1 on the Windows 95 family and NT 4 or later
};

extern AddonEnvironment* Environment;
extern void* AddonWindow; // the bar, of class QADO
extern ide::IdeServices* Services;

extern StatusHolder* Status;
extern ToolTable* Tools;
extern OptionReader* Options;
extern MailService* Mail;
extern ProjectTestA* Projects; // the project client holder

// One line on the IDE's status bar; nothing without the IDE's FrameService.
void ShowStatusText(const char* text);

} // namespace qelvo
