// A plain blocking UDP socket for the console tool, on Winsock or on POSIX sockets.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/network.h"

namespace wardo::tools::server {

class UdpSocket {
public:
    UdpSocket();
    ~UdpSocket();
    UdpSocket(const UdpSocket&) = delete;
    UdpSocket& operator=(const UdpSocket&) = delete;

    bool bind(const platform::Endpoint& at);
    bool sendTo(const platform::Endpoint& to, const std::string& bytes);  // safe from another thread
    // The next datagram; nothing when none came within `timeoutMs`.
    std::optional<platform::Datagram> receive(int timeoutMs);

private:
    std::intptr_t socket_;
};

}  // namespace wardo::tools::server
