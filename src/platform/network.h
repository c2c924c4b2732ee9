// Datagram sockets: UDP over IPv4 between dotted addresses ("127.0.0.1"), each datagram one message.
#pragma once
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace wardo::platform {

struct Endpoint {
    std::string address;  // dotted IPv4
    int port = 0;
    bool operator==(const Endpoint&) const = default;
};

struct Datagram {
    Endpoint from;
    std::string bytes;
};

// A send the system refused: its socket error number and its own description.
struct SendError {
    int code = 0;
    std::wstring description;
};

// The most datagrams that a socket keeps read but not yet handled; more are dropped as they are read,
// as a full receive buffer drops them, so that a flood cannot fill the memory.
inline constexpr std::size_t kMostDatagramsWaiting = 16;

class DatagramSocket {
public:
    virtual ~DatagramSocket() = default;
    // From now on only datagrams from `address` (whatever their port) are handed over; the others are
    // dropped as they are read, never kept. Until then every datagram is handed over.
    virtual void acceptOnlyFrom(const std::string& address) = 0;
    // False when the port cannot be bound here (taken, refused); the socket then stays closed.
    virtual bool bind(const std::string& localAddress, int port) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual std::optional<SendError> sendTo(const Endpoint& to, const std::string& bytes) = 0;
};

class Network {
public:
    virtual ~Network() = default;
    // A closed socket; every datagram it receives once bound and accepts reaches `onReceive` on the
    // user-interface thread, through the event loop, never while the thread is blocked. A few datagrams
    // are read at a time, so that the window messages run between them even under a flood.
    virtual std::unique_ptr<DatagramSocket> openDatagramSocket(std::function<void(Datagram)> onReceive) = 0;
};

}  // namespace wardo::platform
