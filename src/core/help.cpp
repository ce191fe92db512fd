#include "core/help.h"

#include "platform/platform.h"

#include <cstring>

namespace qelvo {

HelpService* Help = nullptr;

HelpCalls HelpSystem = {platform::ModuleFileName, platform::ShowWinHelp, platform::EndProcess};

bool HelpFileFor(const char* moduleFileName, char* out, size_t size) {
    size_t length = moduleFileName ? std::strlen(moduleFileName) : 0;
    if (length < 4 || moduleFileName[length - 4] != '.' || length + 1 > size) return false;
    std::memcpy(out, moduleFileName, length - 3);
    std::memcpy(out + length - 3, "hlp", 4);
    return true;
}

HelpService::HelpService(void* instance, void* owner) : instance(instance), owner(owner) {
    // The module name is read into a buffer of the help file's size, so a longer one is cut
    // there as the system cuts it.
    std::string module = HelpSystem.moduleFileName(instance);
    if (module.size() > sizeof helpFile - 1) module.resize(sizeof helpFile - 1);
    if (!HelpFileFor(module.c_str(), helpFile, sizeof helpFile)) {
        platform::ShowMessage(
            "You can't use Qelvo AddOn for Borland C++ 5.0\nwithout its helpfile !", "Fatal",
            platform::kMbOk | platform::kMbIconStop);
        HelpSystem.endProcess(0);
        helpFile[0] = '\0'; // only when the end was held back (tests)
    }
}

HelpService::~HelpService() {
    if (opened) HelpSystem.winHelp(owner, helpFile, platform::kHelpQuit, 0);
}

void HelpService::ShowHelp(unsigned long context) {
    opened = 1;
    HelpSystem.winHelp(owner, helpFile, platform::kHelpContext, context);
}

} // namespace qelvo
