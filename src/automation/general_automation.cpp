#include "automation/general_automation.h"

#include "core/editor_access.h"
#include "core/globals.h"
#include "foundation/settings_fields.h"
#include "foundation/text_utils.h"
#include "ide/ide_commands.h"
#include "platform/platform.h"

#include <string>

namespace qelvo {

GeneralAutomation* Automation = nullptr;

namespace {

const IntField<GeneralSettings> kGeneral[] = {
    {"ClearOnMake", &GeneralSettings::clearOnMake},
    {"CloseOnMake", &GeneralSettings::closeOnMake},
    {"CloseProjectOnMake", &GeneralSettings::closeProjectOnMake},
    {"IconizeStatusOnMake", &GeneralSettings::iconizeStatusOnMake},
    {"ViewOnOpen", &GeneralSettings::viewOnOpen},
    {"TimerSave", &GeneralSettings::timerSave},
    {"TimerCount", &GeneralSettings::timerCount},
    {"Unic", &GeneralSettings::unic},
};

IdeWindowsPort* port = nullptr;
int liveClients = 0;

constexpr char kMessageClass[] = "BCW5Message";
constexpr char kProjectClass[] = "BCW5Project";
// Views followed at most in one auto-save, should the IDE's view ring never come back round.
constexpr int kMostViews = 10000;

void Error(const char* text) {
    platform::ShowMessage(text, "Erreur", platform::kMbOk);
}

} // namespace

void GeneralSettings::Load() {
    LoadInts(*this, "General", kGeneral);
}
void GeneralSettings::Save() const {
    SaveInts(*this, "General", kGeneral);
}

IdeWindowsPort* SetIdeWindowsPort(IdeWindowsPort* newPort) {
    IdeWindowsPort* previous = port;
    port = newPort;
    return previous;
}

// ---- MakeClient ---------------------------------------------------------------------------

int MakeClient::Live() {
    return liveClients;
}

ide::IdeResult QELVO_IDECALL MakeClient::QueryInterface(const ide::IdeGuid&, void** out) {
    if (out) *out = nullptr;
    return ide::kIdeNoInterface;
}

uint32_t QELVO_IDECALL MakeClient::Release() {
    uint32_t left = --count_;
    if (left == 0) delete this;
    return left;
}

MakeClient::~MakeClient() {
    --liveClients;
}

void QELVO_IDECALL MakeClient::OnMakeStarted() {
    if (Automation) Automation->MakeStarted();
}

void QELVO_IDECALL MakeClient::OnMakeEnded() {
    if (Automation) Automation->MakeEnded();
}

// ---- GeneralAutomation --------------------------------------------------------------------

GeneralAutomation::GeneralAutomation(ide::IdeServices* services) : services_(services) {
    settings.Load();
    // Only one IDE: the add-on starts before its IDE makes its frame, so a frame found now is
    // another IDE's.
    if (settings.unic == 1 && port && port->ActivateOtherFrame()) port->EndProcess();
    AddProjectListener(this);
}

GeneralAutomation::~GeneralAutomation() {
    RemoveProjectListener(this);
    // A client still registered would call into an add-on that is gone.
    UnregisterMakeClient();
    settings.Save();
}

void GeneralAutomation::RegisterMakeClient() {
    if (makes_) return; // one registration per project
    makes_ = ide::QueryService<ide::MakeService>(services_ ? services_ : Services);
    if (!makes_) {
        Error("Creation SMK impossible");
        return;
    }
    try {
        client_ = new MakeClient;
        ++liveClients;
    } catch (...) {
        client_ = nullptr;
    }
    if (!client_) {
        Error("Creation CMK impossible");
        return;
    }
    client_->AddRef();
    makes_->AddClient(client_);
}

void GeneralAutomation::UnregisterMakeClient() {
    if (!makes_) return;
    if (client_) {
        client_->AddRef();
        makes_->RemoveClient(client_);
        client_->Release(); // the reference just added
        client_->Release(); // the hold since its registration
        client_->Release(); // its creation
        client_ = nullptr;
    }
    makes_->Release();
    makes_ = nullptr;
}

void GeneralAutomation::Tick() {
    if (settings.timerSave != 1) return;
    ++tickCount;
    if (tickCount < settings.timerCount * 60) return;
    tickCount = 0;
    if (!ProjectOpen()) return;
    // While a modal dialog is open the IDE's frame is disabled: the count starts again.
    if (!port || !port->FrameEnabled()) return;
    SaveEditors();
}

void GeneralAutomation::SaveEditors() {
    ide::EditorService* editor = Editors ? Editors->Service() : nullptr;
    if (!editor) return;
    ide::IdeView first = editor->FindView(nullptr);
    std::string saved;
    ide::IdeView view = first;
    for (int n = 0; view && n < kMostViews; ++n) {
        if (editor->ViewKind(view) == ide::kViewIsEditor) {
            editor->SaveView(view);
            if (ide::HostString* name = editor->ViewFileName(view)) {
                if (!saved.empty()) saved += ", ";
                saved += FileNamePart(name->GetText());
                name->Release();
            }
        }
        view = editor->NextView(view);
        if (view == first) break;
    }
    if (saved.empty()) return;
    ShowStatusText(
        ("Auto-save (" + std::to_string(settings.timerCount) + " min) : " + saved + ".").c_str());
}

void GeneralAutomation::ShowProjectOnOpen() {
    if (settings.viewOnOpen == 1 && port && port->FrameEnabled())
        port->PostFrameCommand(ide::kCmdShowProject);
}

void GeneralAutomation::MakeStarted() {
    if (beforeMake) beforeMake();
    if (!port) return;
    if (settings.clearOnMake) {
        port->SendFrameCommand(ide::kCmdShowMessages);
        port->ClearMessages();
    }
    if (settings.closeOnMake) {
        closedMessage = port->FindMdiChild(kMessageClass);
        if (closedMessage) {
            messageRect = port->WindowRect(closedMessage);
            port->CloseWindow(closedMessage);
        }
    }
    if (settings.closeProjectOnMake) {
        closedProject = port->FindMdiChild(kProjectClass);
        if (closedProject) {
            projectRect = port->WindowRect(closedProject);
            port->CloseWindow(closedProject);
        }
    }
    if (settings.iconizeStatusOnMake) {
        minimisedStatus = port->FindStatusWindow();
        if (minimisedStatus) port->Minimise(minimisedStatus);
    }
}

void GeneralAutomation::MakeEnded() {
    if (port) {
        if (settings.closeProjectOnMake && closedProject) {
            port->SendFrameCommand(ide::kCmdShowProject);
            port->PlaceMdiChild(kProjectClass, projectRect);
        }
        if (settings.closeOnMake && closedMessage) {
            port->SendFrameCommand(ide::kCmdShowMessages);
            port->PlaceMdiChild(kMessageClass, messageRect);
        }
        if (settings.iconizeStatusOnMake && minimisedStatus) port->Restore(minimisedStatus);
    }
    minimisedStatus = nullptr;
}

void GeneralAutomation::ProjectOpened() {
    RegisterMakeClient();
    RestartAutoSaveCount();
    ShowProjectOnOpen();
}

void GeneralAutomation::ProjectClosed() {
    UnregisterMakeClient();
    RestartAutoSaveCount();
}

} // namespace qelvo
