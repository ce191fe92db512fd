#include "core/globals.h"

namespace qelvo {

AddonEnvironment* Environment = nullptr;
void* AddonWindow = nullptr;
ide::IdeServices* Services = nullptr;

QuickFind* QuickFinder = nullptr;
EditorMenu* EditorMenus = nullptr;
TopBar* Bar = nullptr;
KeywordCompletion* Completion = nullptr;
GeneralAutomation* Automation = nullptr;
StatusHolder* Status = nullptr;
ToolTable* Tools = nullptr;
OptionReader* Options = nullptr;
MailService* Mail = nullptr;
ProjectTestA* Projects = nullptr;

} // namespace qelvo
