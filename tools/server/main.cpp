// wardo-server: the robot's server simulator on a real UDP socket. See usage() below.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cipher/crypt_text.h"
#include "cipher/keys.h"
#include "serverlink/frame/frame.h"
#include "text/text.h"
#include "tools/server/console_text.h"
#include "tools/server/server_model.h"
#include "tools/server/udp_socket.h"

#ifdef _WIN32
#include "platform/win32/win32_digest.h"
using SystemDigest = wardo::platform::win32::Win32Digest;
#else
#include "platform/sim/sim_digest.h"
using SystemDigest = wardo::platform::sim::SimDigest;
#endif

namespace {

using namespace wardo;
using tools::server::UdpSocket;

const char kUsage[] =
    "usage: wardo-server [--address A] [--port P] [--raw]\n"
    "         serves the robot's link at A:P (127.0.0.1:190): prints every datagram received and answers\n"
    "         a valid support message with MSGOK; reads commands from standard input, one a line:\n"
    "           msgini HOST PORT[-LAST] TEXT   sends MSGINI and TEXT ($ for a line break) to each port\n"
    "           quit\n"
    "       wardo-server [--address A] [--port P] --msgini HOST PORT[-LAST] TEXT\n"
    "         sends one information text and exits\n"
    "       wardo-server [--address A] [--port P] --flood HOST PORT SECONDS\n"
    "         sends foreign datagrams of 60,000 bytes from A:P to HOST:PORT, HOST a loopback address\n"
    "         (127.x.x.x), as fast as it can for SECONDS (1 to 60) or 1,000,000 datagrams, then says how "
    "many\n"
    "       wardo-server --print-address ADDRESS[:PORT]\n"
    "         prints it enciphered: the value of the robot's settings key Serveur of [Parametres]\n";

std::mutex outputMutex;

void say(const std::string& line) {
    std::lock_guard lock(outputMutex);
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

bool parsePorts(const std::string& s, int& first, int& last) {
    const std::size_t dash = s.find('-');
    first = std::atoi(s.substr(0, dash).c_str());
    last = dash == std::string::npos ? first : std::atoi(s.substr(dash + 1).c_str());
    return first > 0 && last >= first && last <= 65535;
}

bool sendInformation(UdpSocket& socket, tools::server::ServerModel& model, const std::string& host,
                     const std::string& ports, const std::string& text) {
    int first = 0, last = 0;
    if (!parsePorts(ports, first, last)) return false;
    const std::string datagram = model.information(tools::server::ansiFromUtf8(text));
    for (int port = first; port <= last; ++port) socket.sendTo({host, port}, datagram);
    say("sent MSGINI to " + host + ":" + ports);
    return true;
}

// A flood of datagrams that are no valid datagram of the link, only to this machine's loopback
// addresses, bounded in time and in count.
int flood(UdpSocket& socket, const std::string& host, const std::string& portText,
          const std::string& secondsText) {
    constexpr long kMostDatagrams = 1'000'000;
    const int port = std::atoi(portText.c_str());
    const int seconds = std::atoi(secondsText.c_str());
    if (host.rfind("127.", 0) != 0 || port < 1 || port > 65535 || seconds < 1 || seconds > 60) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string datagram(60000, 'x');
    const auto start = std::chrono::steady_clock::now();
    const auto end = start + std::chrono::seconds(seconds);
    long sent = 0;
    for (long n = 0; n < kMostDatagrams && std::chrono::steady_clock::now() < end; ++n)
        if (socket.sendTo({host, port}, datagram)) ++sent;
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    say("flooded " + host + ":" + std::to_string(port) + " with " + std::to_string(sent) +
        " datagrams of 60000 bytes in " + std::to_string(ms) + " ms");
    return 0;
}

// "msgini HOST PORTS TEXT": false when the line is not one.
bool runCommand(UdpSocket& socket, tools::server::ServerModel& model, const std::string& line) {
    std::istringstream in(line);
    std::string verb, host, ports;
    in >> verb >> host >> ports;
    if (verb != "msgini") return false;
    std::string text;
    std::getline(in >> std::ws, text);
    if (!text.empty() && text.back() == '\r') text.pop_back();
    return sendInformation(socket, model, host, ports, text);
}

void report(const tools::server::Received& r, bool raw) {
    const std::string from = r.from.address + ":" + std::to_string(r.from.port);
    say(r.message ? "received from " + from + ": " + tools::server::utf8FromAnsi(*r.message)
                  : "received from " + from + ": not a valid datagram");
    if (raw) say("raw: " + tools::server::hexOf(r.raw));
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    wardo::platform::Endpoint at{"127.0.0.1", serverlink::frame::kServerPort};
    bool raw = false;
    std::vector<std::string> msgini, floodArgs;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--address" && hasValue) {
            at.address = args[++i];
        } else if (a == "--port" && hasValue) {
            at.port = std::atoi(args[++i].c_str());
        } else if (a == "--raw") {
            raw = true;
        } else if (a == "--msgini" && i + 3 < args.size()) {
            msgini.assign(args.begin() + static_cast<long>(i) + 1, args.begin() + static_cast<long>(i) + 4);
            i += 3;
        } else if (a == "--flood" && i + 3 < args.size()) {
            floodArgs.assign(args.begin() + static_cast<long>(i) + 1,
                             args.begin() + static_cast<long>(i) + 4);
            i += 3;
        } else if (a == "--print-address" && hasValue) {
            const text::Text address = text::fromAnsi(args[++i]);
            const text::Text hex = cipher::ChiffreVersHex(address, cipher::CleTexte(), [] {});
            say(text::toAnsi(hex));
            return 0;
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }

    SystemDigest digest;
    tools::server::ServerModel model(digest, tools::server::robotKey());
    UdpSocket socket;
    if (!socket.bind(at)) {
        std::fprintf(stderr, "wardo-server: cannot bind %s:%d\n", at.address.c_str(), at.port);
        return 1;
    }
    if (!msgini.empty()) return sendInformation(socket, model, msgini[0], msgini[1], msgini[2]) ? 0 : 2;
    if (!floodArgs.empty()) return flood(socket, floodArgs[0], floodArgs[1], floodArgs[2]);

    say("listening on " + at.address + ":" + std::to_string(at.port));
    // Commands come on another thread; both threads may send on the socket.
    std::mutex modelMutex;
    std::thread commands([&] {
        std::string line;
        while (std::getline(std::cin, line)) {
            if (line == "quit" || line == "quit\r") std::_Exit(0);
            std::lock_guard lock(modelMutex);
            if (!runCommand(socket, model, line) && !line.empty()) say("unknown command: " + line);
        }
    });
    commands.detach();  // at the end of input the server goes on serving
    for (;;) {
        const auto datagram = socket.receive(200);
        if (!datagram) continue;
        std::lock_guard lock(modelMutex);
        const auto reply = model.receive(*datagram);
        report(model.received().back(), raw);
        if (reply && socket.sendTo(reply->to, reply->bytes)) say("answered MSGOK");
    }
}
