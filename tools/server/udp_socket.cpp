#include "tools/server/udp_socket.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using socklen_t = int;
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <cstdint>

namespace wardo::tools::server {
namespace {

#ifdef _WIN32
constexpr std::intptr_t kNone = static_cast<std::intptr_t>(INVALID_SOCKET);
struct Winsock {
    Winsock() {
        WSADATA data{};
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~Winsock() { WSACleanup(); }
};
void closeSocket(std::intptr_t s) {
    closesocket(static_cast<SOCKET>(s));
}
bool readable(std::intptr_t s, int timeoutMs) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(static_cast<SOCKET>(s), &set);
    timeval t{timeoutMs / 1000, timeoutMs % 1000 * 1000};
    return select(0, &set, nullptr, nullptr, &t) > 0;
}
#else
constexpr std::intptr_t kNone = -1;
struct Winsock {};
void closeSocket(std::intptr_t s) {
    ::close(static_cast<int>(s));
}
bool readable(std::intptr_t s, int timeoutMs) {
    pollfd p{static_cast<int>(s), POLLIN, 0};
    return poll(&p, 1, timeoutMs) > 0;
}
#endif

auto native(std::intptr_t s) {
#ifdef _WIN32
    return static_cast<SOCKET>(s);
#else
    return static_cast<int>(s);
#endif
}

bool toAddress(const platform::Endpoint& e, sockaddr_in& out) {
    out = {};
    out.sin_family = AF_INET;
    out.sin_port = htons(static_cast<std::uint16_t>(e.port));
    return e.port > 0 && e.port <= 65535 && inet_pton(AF_INET, e.address.c_str(), &out.sin_addr) == 1;
}

}  // namespace

UdpSocket::UdpSocket() {
    [[maybe_unused]] static Winsock winsock;  // started once, before the first socket
    socket_ = static_cast<std::intptr_t>(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
}

UdpSocket::~UdpSocket() {
    if (socket_ != kNone) closeSocket(socket_);
}

bool UdpSocket::bind(const platform::Endpoint& at) {
    sockaddr_in a{};
    return socket_ != kNone && toAddress(at, a) &&
           ::bind(native(socket_), reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
}

bool UdpSocket::sendTo(const platform::Endpoint& to, const std::string& bytes) {
    sockaddr_in a{};
    return socket_ != kNone && toAddress(to, a) &&
           sendto(native(socket_), bytes.data(), static_cast<int>(bytes.size()), 0,
                  reinterpret_cast<const sockaddr*>(&a), sizeof a) == static_cast<int>(bytes.size());
}

std::optional<platform::Datagram> UdpSocket::receive(int timeoutMs) {
    if (socket_ == kNone || !readable(socket_, timeoutMs)) return std::nullopt;
    std::string buffer(65536, '\0');
    sockaddr_in from{};
    socklen_t length = sizeof from;
    const auto n = recvfrom(native(socket_), buffer.data(), static_cast<int>(buffer.size()), 0,
                            reinterpret_cast<sockaddr*>(&from), &length);
    if (n < 0) return std::nullopt;
    char address[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &from.sin_addr, address, sizeof address);
    buffer.resize(static_cast<std::size_t>(n));
    return platform::Datagram{{address, ntohs(from.sin_port)}, std::move(buffer)};
}

}  // namespace wardo::tools::server
