// Datagram sockets on Winsock. A bound socket reports arrivals to a hidden message-only window
// (WSAAsyncSelect), so datagrams are read on the user-interface thread while it pumps messages, a few
// at a time, and each one it accepts is handed to the program through the event loop.
#pragma once
#include "platform/event_loop.h"
#include "platform/network.h"

namespace wardo::platform::win32 {

class Win32Network final : public Network {
public:
    explicit Win32Network(EventLoop& loop);
    ~Win32Network() override;
    Win32Network(const Win32Network&) = delete;
    Win32Network& operator=(const Win32Network&) = delete;

    std::unique_ptr<DatagramSocket> openDatagramSocket(std::function<void(Datagram)> onReceive) override;

private:
    EventLoop& loop_;
    bool started_ = false;
};

}  // namespace wardo::platform::win32
