#include "platform/sim/sim_network.h"

#include <utility>

namespace wardo::platform::sim {

class SimNetwork::Socket : public DatagramSocket {
public:
    Socket(SimNetwork& network, std::function<void(Datagram)> onReceive)
        : network_(network), onReceive_(std::move(onReceive)) {}
    ~Socket() override { close(); }

    void acceptOnlyFrom(const std::string& address) override { accepted_ = address; }
    bool accepts(const std::string& from) const { return !accepted_ || *accepted_ == from; }

    bool bind(const std::string& localAddress, int port) override {
        close();
        if (port <= 0 || port > 65535 || network_.taken_.count(port) || network_.sockets_.count(port))
            return false;
        network_.sockets_[port] = {localAddress, this, ++network_.bindings_};
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
    std::optional<std::string> accepted_;
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
    const auto it = sockets_.find(to.port);
    if (it == sockets_.end()) return;
    Binding& binding = it->second;
    if (binding.address != "0.0.0.0" && binding.address != to.address) return;
    // Read here: a foreign datagram, or one more than may wait, is dropped without being kept.
    if (!binding.socket->accepts(from.address) || binding.waiting >= kMostDatagramsWaiting) return;
    ++binding.waiting;
    // Looked up again when the loop runs: the socket may have closed meanwhile.
    loop_.post([this, port = to.port, serial = binding.serial, from, bytes = std::move(bytes)]() mutable {
        const auto at = sockets_.find(port);
        if (at == sockets_.end() || at->second.serial != serial) return;
        --at->second.waiting;
        at->second.socket->deliver(Datagram{from, std::move(bytes)});
    });
}

std::size_t SimNetwork::waiting(int port) const {
    const auto it = sockets_.find(port);
    return it == sockets_.end() ? 0 : it->second.waiting;
}

void SimNetwork::listen(const Endpoint& at, Peer peer) {
    peers_.emplace_back(at, std::move(peer));
}

}  // namespace wardo::platform::sim
