#include "core/services.h"

#include "core/globals.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace qelvo {

void FatalAssertion(const char* expression) {
    char text[160];
    std::snprintf(text, sizeof text, "Assertion failed: %s", expression);
    platform::ShowMessage(text, "Erreur", platform::kMbOk | platform::kMbIconStop);
    std::fflush(nullptr);
    std::_Exit(3);
}

StatusHolder::StatusHolder(ide::IdeServices* services)
    : services_(services), frame_(ide::QueryService<ide::FrameService>(services)) {}

StatusHolder::~StatusHolder() {
    if (frame_)
        frame_->Release();
}

void StatusHolder::Show(const char* text) {
    if (!frame_)
        return;
    if (ide::HostString* s = ide::MakeHostString(services_, text ? text : ""))
        frame_->SetStatusText(s);
}

OptionReader::OptionReader(ide::IdeServices* services)
    : options_(ide::QueryService<ide::OptionService>(services)) {
    if (!options_)
        FatalAssertion("svr!=NULL");
}

OptionReader::~OptionReader() {
    if (options_)
        options_->Release();
}

void ShowStatusText(const char* text) {
    if (Status)
        Status->Show(text);
}

} // namespace qelvo
