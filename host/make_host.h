// The stand-in IDE's Make: the clients hear "Make started" and "Make ended" around a build
// that tests supply (the simulated build of the program comes with its windows).
#pragma once

#include "client_list.h"
#include "ide/ide_tools.h"
#include "host_object.h"

#include <functional>

namespace qelvo {
namespace host {

class MakeHost final : public ServiceObject<ide::MakeService> {
public:
    MakeHost() = default;

    // Make started, the build (when given; its result is Make's), Make ended.
    int Run(const std::function<int()>& build = std::function<int()>());
    int Makes() const { return makes_; }
    size_t ClientCount() const { return clients_.Count(); }
    void DropClients() { clients_.Drop(); }

    ide::IdeBool QELVO_IDECALL AddClient(ide::IMakeClient* client) override {
        return clients_.Add(client);
    }
    ide::IdeBool QELVO_IDECALL RemoveClient(ide::IMakeClient* client) override {
        return clients_.Remove(client);
    }

private:
    ClientList<ide::IMakeClient> clients_;
    int makes_ = 0;
};

} // namespace host
} // namespace qelvo
