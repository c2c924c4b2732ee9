// The server simulator wardo-server.exe as a child process: commands written to its standard input,
// what it prints read back from its standard output.
#pragma once
#include <windows.h>

#include <set>
#include <string>

#include "platform/win32/scoped_win.h"

namespace wardo::e2e {

class ServerProcess {
public:
    ServerProcess(const std::wstring& exePath, const std::wstring& arguments);
    ~ServerProcess();  // asks it to quit, then ends it
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    bool started() const { return static_cast<bool>(process_); }
    bool command(const std::string& line);
    // Polls its output for up to `timeoutMs` until it holds `what`.
    bool waitForOutput(const std::string& what, unsigned timeoutMs);
    const std::string& output();

private:
    platform::win32::ScopedKernelHandle process_;
    platform::win32::ScopedKernelHandle input_;
    platform::win32::ScopedKernelHandle output_;
    std::string read_;
};

// Bytes as the simulator prints a datagram with --raw: two lower-case hexadecimal digits each.
std::string hexOf(const std::string& bytes);

// A port of the loopback for a server of this run's own, so that runs side by side never share one.
int ownServerPort(int salt);

// The datagram ports from `first` to `last` that this machine's programs hold.
std::set<int> heldUdpPorts(int first, int last);
// The port from 1752 to 1800 that the robot `process` has bound, polled for up to `timeoutMs`; 0 when
// none. Under Wine a socket shows the process that holds it only once that process has read from it:
// each port that was not held in `heldBefore` and shows no owner is sent an empty datagram, which the
// robot reads and drops, every 50 ms until one shows the robot as its owner.
int robotPort(DWORD process, const std::set<int>& heldBefore, unsigned timeoutMs);

// The simulator's arguments to listen on 127.0.0.1:`port`.
std::wstring loopbackAt(int port);
// The settings file's line that points the robot at `address`:`port`, enciphered by the simulator
// `exePath`.
std::string serverSetting(const std::wstring& exePath, int port, const std::string& address = "127.0.0.1");

}  // namespace wardo::e2e
