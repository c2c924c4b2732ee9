// The simulated network: the program's datagram sockets on this machine, ports that other programs hold,
// peers listening elsewhere (a server), datagrams sent from any address, and a log of what was sent.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "platform/event_loop.h"
#include "platform/network.h"

namespace wardo::platform::sim {

class SimNetwork : public Network {
public:
    // This machine's address, the sender of every datagram its sockets send.
    static constexpr const char* kLocalAddress = "127.0.0.1";

    struct Sent {
        Endpoint from;
        Endpoint to;
        std::string bytes;
        std::int64_t timeMs;
    };
    using Peer = std::function<void(const Datagram&)>;

    explicit SimNetwork(EventLoop& loop) : loop_(loop) {}
    SimNetwork(const SimNetwork&) = delete;
    SimNetwork& operator=(const SimNetwork&) = delete;

    std::unique_ptr<DatagramSocket> openDatagramSocket(std::function<void(Datagram)> onReceive) override;

    // Another program holds `port` on every address of this machine.
    void takePort(int port) { taken_.insert(port); }
    // True when one of the program's sockets is bound to `port`.
    bool bound(int port) const { return sockets_.count(port) != 0; }

    // A datagram from anywhere. To a listening peer it is handed at once; to a port of this machine it
    // is read at once by the socket bound there, if any, and queued on the event loop when the socket
    // accepts it; otherwise it is lost.
    void send(const Endpoint& from, const Endpoint& to, std::string bytes);
    // The datagrams queued on the event loop for the socket bound to `port`.
    std::size_t waiting(int port) const;
    // A program elsewhere (a server) that receives every datagram sent to `at`.
    void listen(const Endpoint& at, Peer peer);

    // Every datagram the program's sockets sent, in order, with its virtual time.
    const std::vector<Sent>& sent() const { return sent_; }
    // Every later send fails with this error, until it is cleared.
    void failSends(std::optional<SendError> error) { failure_ = std::move(error); }

private:
    class Socket;
    friend class Socket;
    struct Binding {
        std::string address;
        Socket* socket;
        std::uint64_t serial;  // tells this binding from a later one of the same port
        std::size_t waiting = 0;
    };

    bool local(const std::string& address) const;

    EventLoop& loop_;
    std::set<int> taken_;
    std::map<int, Binding> sockets_;
    std::uint64_t bindings_ = 0;
    std::vector<std::pair<Endpoint, Peer>> peers_;
    std::vector<Sent> sent_;
    std::optional<SendError> failure_;
};

}  // namespace wardo::platform::sim
