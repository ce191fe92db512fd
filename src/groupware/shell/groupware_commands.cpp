#include "groupware/shell/groupware_commands.h"

#include "core/globals.h"
#include "core/project_session.h"
#include "groupware/groupware_settings.h"
#include "groupware/shell/groupware_dialog.h"
#include "platform/platform.h"

namespace qelvo {

namespace {

// The user's name as the lock files hold it: empty when it does not fit the 99 characters
// the name is read into.
std::string LockName() {
    std::string name = platform::UserName();
    return name.size() < 99 ? name : std::string();
}

class SendModel final : public GwModel {
public:
    explicit SendModel(const GwPlace& place) : place_(place), user_(LockName()) {}
    void Scan() override { ScanSend(rows_, place_, Groupware->filters.c_str()); }
    int Count() const override { return rows_.count; }
    std::string Line(int row) const override { return SendLine(*rows_.At(row), place_); }
    std::vector<int> Apply(const std::vector<int>& selected, int command) override {
        return command == kGwAdvisedCommand ? std::vector<int>()
                                            : ApplySendButton(rows_, selected, command);
    }
    std::vector<int> RunRows(uint64_t& total) const override { return SendRunRows(rows_, total); }
    GwRunCount Run(CopyObserver& observer, String& report) override {
        return RunSend(rows_, place_, user_.c_str(), observer, report);
    }

private:
    GwPlace place_;
    std::string user_;
    Tableau<EltGWsend> rows_;
};

class GetModel final : public GwModel {
public:
    explicit GetModel(const GwPlace& place) : place_(place), user_(LockName()) {}
    void Scan() override { ScanGet(rows_, place_, Groupware->filters.c_str()); }
    int Count() const override { return rows_.count; }
    std::string Line(int row) const override { return GetLine(*rows_.At(row), place_); }
    std::vector<int> Apply(const std::vector<int>& selected, int command) override {
        return ApplyGetButton(rows_, selected, command);
    }
    std::vector<int> RunRows(uint64_t& total) const override { return GetRunRows(rows_, total); }
    GwRunCount Run(CopyObserver& observer, String& report) override {
        return RunGet(rows_, place_, user_.c_str(), observer, report);
    }

private:
    GwPlace place_;
    std::string user_;
    Tableau<EltGWget> rows_;
};

// The two directories, or false (with the message) when there is no server directory.
bool Directories(GwPlace& place) {
    if (!Groupware) return false;
    if (Groupware->server.Length() == 0) {
        platform::ShowMessage(
            "You must specify a server directory (options dialog)\nbefore calling this function !",
            "Qelvo AddOn error", platform::kMbIconExclamation, nullptr);
        return false;
    }
    place.base = ProjectDirectory();
    place.server = Groupware->server.c_str();
    return true;
}

} // namespace

void OnGroupwareSend(UINT, LPARAM) {
    GwPlace place;
    if (!Directories(place)) return;
    const GwLayout layout = {"Groupware send",
                             {292, 332, 380, 500, 600},
                             {{"Clear", kGwClearCommand},
                              {"Update", kGwUpdateCommand},
                              {"Send && unlock", kGwUnlockCommand},
                              {"SEND !", kGwRunCommand}},
                             Groupware->mailOnSend,
                             "Groupware SEND : project "};
    SendModel model(place);
    GroupwareDialog dialog(model, layout);
    dialog.Run(static_cast<HWND>(AddonWindow));
}

void OnGroupwareGet(UINT, LPARAM) {
    GwPlace place;
    if (!Directories(place)) return;
    const GwLayout layout = {"Groupware get",
                             {219, 251, 291, 332, 380},
                             {{"As advised", kGwAdvisedCommand},
                              {"Clear", kGwClearCommand},
                              {"Refresh", kGwUpdateCommand},
                              {"Get && lock", kGwUnlockCommand},
                              {"GET !", kGwRunCommand}},
                             Groupware->mailOnGet,
                             "Groupware GET : project "};
    GetModel model(place);
    GroupwareDialog dialog(model, layout);
    dialog.Run(static_cast<HWND>(AddonWindow));
}

} // namespace qelvo
