#include "core/globals.h"

namespace qelvo {

AddonEnvironment* Environment = nullptr;
void* AddonWindow = nullptr;
ide::IdeServices* Services = nullptr;

StatusHolder* Status = nullptr;
ToolTable* Tools = nullptr;
OptionReader* Options = nullptr;
MailService* Mail = nullptr;
ProjectTestA* Projects = nullptr;

} // namespace qelvo
