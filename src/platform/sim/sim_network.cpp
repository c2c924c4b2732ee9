#include "platform/sim/sim_network.h"

#include <utility>

namespace wardo::platform::sim {

class SimNetwork::Socket : public DatagramSocket {
public:
    Socket(SimNetwork& network, std::function<void(Datagram)> onReceive)
        : network_(network), onReceive_(std::move(onReceive)) {}
    ~Socket() override { close(); }

    bool bind(const std::string& localAddress, int port) override {
        close();
        if (port <= 0 || port > 65535 || network_.taken_.count(port) || network_.sockets_.count(port))
            return false;
        network_.sockets_[port] = {localAddress, this};
        port_ = port;
        return true;
    }
    void close() override {
        if (port_ != 0) network_.sockets_.erase(port_);
        port_ = 0;
    }
    bool isOpen() const override { return port_ != 0; }

    std::optional<SendError> sendTo(const Endpoint& to, const std::string& bytes) override {
        if (network_.failure_) return network_.failure_;
        const Endpoint from{kLocalAddress, port_};
        network_.sent_.push_back({from, to, bytes, network_.loop_.nowMs()});
        network_.send(from, to, bytes);
        return std::nullopt;
    }

    void deliver(Datagram d) {
        if (onReceive_) onReceive_(std::move(d));
    }

private:
    SimNetwork& network_;
    std::function<void(Datagram)> onReceive_;
    int port_ = 0;
};

std::unique_ptr<DatagramSocket> SimNetwork::openDatagramSocket(std::function<void(Datagram)> onReceive) {
    return std::make_unique<Socket>(*this, std::move(onReceive));
}

bool SimNetwork::local(const std::string& address) const {
    return address.rfind("127.", 0) == 0 || address == "0.0.0.0";
}

void SimNetwork::send(const Endpoint& from, const Endpoint& to, std::string bytes) {
    for (const auto& [at, peer] : peers_) {
        if (at == to) {
            Peer copy = peer;  // the peer may listen elsewhere while it runs
            copy(Datagram{from, std::move(bytes)});
            return;
        }
    }
    if (!local(to.address)) return;
    // Looked up again when the loop runs: the socket may have closed meanwhile.
    loop_.post([this, from, to, bytes = std::move(bytes)]() mutable {
        const auto it = sockets_.find(to.port);
        if (it == sockets_.end()) return;
        if (it->second.address != "0.0.0.0" && it->second.address != to.address) return;
        it->second.socket->deliver(Datagram{from, std::move(bytes)});
    });
}

void SimNetwork::listen(const Endpoint& at, Peer peer) {
    peers_.emplace_back(at, std::move(peer));
}

}  // namespace wardo::platform::sim
