#include "platform/win32/win32_network.h"

#include <winsock2.h>
#include <ws2tcpip.h>
// after winsock2.h, which must come before windows.h
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/win32/message_window.h"

namespace wardo::platform::win32 {
namespace {

constexpr wchar_t kClassName[] = L"WardoDatagramSocket";
constexpr UINT kSocketEvent = WM_APP + 2;
constexpr int kLargestDatagram = 65536;
// Datagrams read at one time; the next ones are read once the messages queued meanwhile have run.
constexpr int kDatagramsPerRead = 16;
constexpr UINT_PTR kReadAgainTimer = 1;

std::wstring describe(int code) {
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = n != 0 && buffer != nullptr ? std::wstring(buffer, n) : L"";
    if (buffer != nullptr) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    if (text.empty()) text = L"Erreur de socket " + std::to_wstring(code);
    return text;
}

bool toAddress(const Endpoint& e, sockaddr_in& out) {
    out = {};
    out.sin_family = AF_INET;
    out.sin_port = htons(static_cast<u_short>(e.port));
    return e.port > 0 && e.port <= 65535 && inet_pton(AF_INET, e.address.c_str(), &out.sin_addr) == 1;
}

struct SocketRelease {
    void operator()(SOCKET s) const { closesocket(s); }
};
using ScopedSocket = Scoped<SOCKET, SocketRelease, INVALID_SOCKET>;

// What a posted arrival reaches: it outlives the socket only as long as arrivals are queued.
struct Receiver {
    std::function<void(Datagram)> onReceive;
    std::size_t waiting = 0;  // posted, not yet handed over
};

class Win32DatagramSocket final : public DatagramSocket {
public:
    Win32DatagramSocket(EventLoop& loop, std::function<void(Datagram)> onReceive)
        : loop_(loop), receiver_(std::make_shared<Receiver>(Receiver{std::move(onReceive)})) {}
    ~Win32DatagramSocket() override { close(); }

    void acceptOnlyFrom(const std::string& address) override {
        in_addr a{};
        // An address that is none accepts nothing: no datagram comes from 0.0.0.0.
        accepted_ = inet_pton(AF_INET, address.c_str(), &a) == 1 ? a : in_addr{};
    }

    bool bind(const std::string& localAddress, int port) override {
        close();
        sockaddr_in local{};
        if (!toAddress({localAddress, port}, local)) return false;
        ScopedSocket s(socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
        if (!s || ::bind(s.get(), reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) return false;
        // Windows reports an earlier send to a closed port as a failed receive; that is no datagram.
        BOOL reportReset = FALSE;
        DWORD unused = 0;
        WSAIoctl(s.get(), _WSAIOW(IOC_VENDOR, 12), &reportReset, sizeof reportReset, nullptr, 0, &unused,
                 nullptr, nullptr);

        ScopedWindow window = createMessageWindow(kClassName, &windowProc, this);
        if (!window) return false;
        if (WSAAsyncSelect(s.get(), window.get(), kSocketEvent, FD_READ) != 0) return false;
        socket_ = std::move(s);
        window_ = std::move(window);
        return true;
    }

    void close() override {
        socket_.reset();  // closing also cancels the asynchronous selection
        window_.reset();  // and its timer
        pausedReading_ = false;
    }

    bool isOpen() const override { return static_cast<bool>(socket_); }

    std::optional<SendError> sendTo(const Endpoint& to, const std::string& bytes) override {
        sockaddr_in remote{};
        if (!toAddress(to, remote)) return SendError{WSAEADDRNOTAVAIL, describe(WSAEADDRNOTAVAIL)};
        if (!socket_) return SendError{WSAENOTSOCK, describe(WSAENOTSOCK)};
        const int sent = sendto(socket_.get(), bytes.data(), static_cast<int>(bytes.size()), 0,
                                reinterpret_cast<const sockaddr*>(&remote), sizeof remote);
        if (sent == SOCKET_ERROR) {
            const int code = WSAGetLastError();
            return SendError{code, describe(code)};
        }
        return std::nullopt;
    }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<Win32DatagramSocket*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self != nullptr && msg == kSocketEvent && WSAGETSELECTEVENT(lp) == FD_READ) {
            // While reading pauses, the system posts no further notice until the socket is read again.
            if (!self->pausedReading_) self->readSome();
            return 0;
        }
        if (self != nullptr && msg == WM_TIMER && wp == kReadAgainTimer) {
            KillTimer(hwnd, kReadAgainTimer);
            self->pausedReading_ = false;
            self->readSome();
            return 0;
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

    // Reads the datagrams waiting, a few at a time: a datagram from another address than the accepted
    // one, or one more than may wait to be handled, is dropped at once; each other one is handed over
    // at the loop's next pass of events. When more may be waiting, reading resumes on a timer: the
    // system sends WM_TIMER only once no other message is queued, so the windows' messages and the
    // program's timers run between two reads even under a flood.
    void readSome() {
        if (buffer_.empty()) buffer_.resize(kLargestDatagram);
        for (int n = 0; n < kDatagramsPerRead; ++n) {
            if (!socket_) return;
            sockaddr_in from{};
            int fromLength = sizeof from;
            const int got = recvfrom(socket_.get(), buffer_.data(), static_cast<int>(buffer_.size()), 0,
                                     reinterpret_cast<sockaddr*>(&from), &fromLength);
            if (got == SOCKET_ERROR) {
                const int code = WSAGetLastError();
                if (code == WSAECONNRESET || code == WSAEMSGSIZE) continue;  // no datagram, or too long
                return;                                                      // WSAEWOULDBLOCK: all read
            }
            if (accepted_ && from.sin_addr.s_addr != accepted_->s_addr) continue;
            if (receiver_->waiting >= kMostDatagramsWaiting) continue;
            char address[INET_ADDRSTRLEN] = {};
            inet_ntop(AF_INET, &from.sin_addr, address, sizeof address);
            Datagram d{{address, ntohs(from.sin_port)},
                       std::string(buffer_.data(), static_cast<size_t>(got))};
            ++receiver_->waiting;
            loop_.post([receiver = std::weak_ptr<Receiver>(receiver_), d = std::move(d)]() mutable {
                const auto r = receiver.lock();
                if (!r) return;
                --r->waiting;
                if (r->onReceive) r->onReceive(std::move(d));
            });
        }
        if (window_ && SetTimer(window_.get(), kReadAgainTimer, USER_TIMER_MINIMUM, nullptr) != 0)
            pausedReading_ = true;
    }

    EventLoop& loop_;
    std::shared_ptr<Receiver> receiver_;
    std::optional<in_addr> accepted_;
    std::vector<char> buffer_;
    bool pausedReading_ = false;
    ScopedSocket socket_;
    ScopedWindow window_;
};

}  // namespace

Win32Network::Win32Network(EventLoop& loop) : loop_(loop) {
    WSADATA data{};
    started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

Win32Network::~Win32Network() {
    if (started_) WSACleanup();
}

std::unique_ptr<DatagramSocket> Win32Network::openDatagramSocket(std::function<void(Datagram)> onReceive) {
    return std::make_unique<Win32DatagramSocket>(loop_, std::move(onReceive));
}

}  // namespace wardo::platform::win32
