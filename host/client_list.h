// The clients registered with one of the stand-in IDE's services: each held by a reference,
// told of events in the order they were added.
#pragma once

#include <algorithm>
#include <vector>

namespace qelvo {
namespace host {

template <class Client> class ClientList {
public:
    ClientList() = default;
    ClientList(const ClientList&) = delete;
    ClientList& operator=(const ClientList&) = delete;
    ~ClientList() { Drop(); }

    // Refuses null and a client that is already there.
    bool Add(Client* client) {
        if (!client || Has(client)) return false;
        client->AddRef();
        clients_.push_back(client);
        return true;
    }
    bool Remove(Client* client) {
        auto found = std::find(clients_.begin(), clients_.end(), client);
        if (found == clients_.end()) return false;
        clients_.erase(found);
        client->Release();
        return true;
    }
    bool Has(Client* client) const {
        return std::find(clients_.begin(), clients_.end(), client) != clients_.end();
    }
    size_t Count() const { return clients_.size(); }
    // Client n (from 0) in the order added, borrowed; null beyond the count.
    Client* At(size_t n) const { return n < clients_.size() ? clients_[n] : nullptr; }

    // Calls each client; one that leaves during the round is not called after it left, and
    // each is held while it is called.
    template <class Call> void Notify(Call call) {
        std::vector<Client*> round = clients_;
        for (Client* client : round) {
            if (!Has(client)) continue;
            client->AddRef();
            call(client);
            client->Release();
        }
    }

    // Lets go of every client.
    void Drop() {
        std::vector<Client*> gone;
        gone.swap(clients_);
        for (Client* client : gone)
            client->Release();
    }

private:
    std::vector<Client*> clients_;
};

} // namespace host
} // namespace qelvo
