// winsock2.h must come before windows.h, which server_process.h includes.
#include <winsock2.h>
// after winsock2.h
#include <iphlpapi.h>
#include <ws2tcpip.h>

#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "e2e_support.h"
#include "server_process.h"
#include "tools/room/win32/room_client.h"

namespace wardo::e2e {

ServerProcess::ServerProcess(const std::wstring& exePath, const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE childIn = nullptr, ourIn = nullptr, ourOut = nullptr, childOut = nullptr;
    if (!CreatePipe(&childIn, &ourIn, &inherit, 0)) return;
    platform::win32::ScopedKernelHandle childInput(childIn);
    input_.reset(ourIn);
    if (!CreatePipe(&ourOut, &childOut, &inherit, 0)) return;
    platform::win32::ScopedKernelHandle childOutput(childOut);
    output_.reset(ourOut);
    SetHandleInformation(ourIn, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(ourOut, HANDLE_FLAG_INHERIT, 0);

    std::wstring commandLine = L"\"" + room::windowsPathOf(exePath) + L"\" " + arguments;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = childIn;
    si.hStdOutput = childOut;
    si.hStdError = childOut;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &si, &pi))
        return;
    process_.reset(pi.hProcess);
    platform::win32::ScopedKernelHandle thread(pi.hThread);
}

ServerProcess::~ServerProcess() {
    if (!process_) return;
    command("quit");
    if (WaitForSingleObject(process_.get(), 3000) != WAIT_OBJECT_0) {
        TerminateProcess(process_.get(), 9);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool ServerProcess::command(const std::string& line) {
    const std::string text = line + "\n";
    DWORD written = 0;
    return input_ &&
           WriteFile(input_.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

const std::string& ServerProcess::output() {
    DWORD available = 0;
    while (output_ && PeekNamedPipe(output_.get(), nullptr, 0, nullptr, &available, nullptr) &&
           available > 0) {
        std::string chunk(available, '\0');
        DWORD got = 0;
        if (!ReadFile(output_.get(), chunk.data(), available, &got, nullptr) || got == 0) break;
        read_.append(chunk, 0, got);
    }
    return read_;
}

bool ServerProcess::waitForOutput(const std::string& what, unsigned timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (output().find(what) == std::string::npos) {
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

std::string hexOf(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(c));
        out += pair;
    }
    return out;
}

int ownServerPort(int salt) {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    const auto mix =
        static_cast<unsigned long long>(now.QuadPart) * 2654435761ull + GetCurrentProcessId() * 40503ull;
    return 20000 + static_cast<int>((mix >> 4) % 20000) * 2 + salt;
}

namespace {

// Each datagram port of this machine from `first` to `last` with the process that holds it, 0 when the
// system does not know it; nothing when the list cannot be read.
std::optional<std::vector<std::pair<int, DWORD>>> udpPorts(int first, int last) {
    std::vector<char> table(64 * 1024);
    ULONG size = static_cast<ULONG>(table.size());
    DWORD status = GetExtendedUdpTable(table.data(), &size, FALSE, AF_INET, UDP_TABLE_OWNER_PID, 0);
    if (status == ERROR_INSUFFICIENT_BUFFER) {
        table.resize(size);
        status = GetExtendedUdpTable(table.data(), &size, FALSE, AF_INET, UDP_TABLE_OWNER_PID, 0);
    }
    if (status != NO_ERROR) return std::nullopt;
    std::vector<std::pair<int, DWORD>> ports;
    const auto* rows = reinterpret_cast<const MIB_UDPTABLE_OWNER_PID*>(table.data());
    for (DWORD i = 0; i < rows->dwNumEntries; ++i) {
        const int port = ntohs(static_cast<u_short>(rows->table[i].dwLocalPort));
        if (port >= first && port <= last) ports.emplace_back(port, rows->table[i].dwOwningPid);
    }
    return ports;
}

// One empty datagram from 127.0.0.1 to 127.0.0.1:`port`.
void sendEmpty(int port) {
    WSADATA data{};
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return;
    const SOCKET s = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<u_short>(port));
    inet_pton(AF_INET, "127.0.0.1", &to.sin_addr);
    if (s != INVALID_SOCKET) {
        sendto(s, "", 0, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
        closesocket(s);
    }
    WSACleanup();
}

}  // namespace

std::set<int> heldUdpPorts(int first, int last) {
    std::set<int> held;
    for (const auto& [port, owner] : udpPorts(first, last).value_or(std::vector<std::pair<int, DWORD>>{}))
        held.insert(port);
    return held;
}

int robotPort(DWORD process, const std::set<int>& heldBefore, unsigned timeoutMs) {
    const ULONGLONG start = GetTickCount64();
    for (; GetTickCount64() - start < timeoutMs; pumpFor(50)) {
        for (const auto& [port, owner] :
             udpPorts(1752, 1800).value_or(std::vector<std::pair<int, DWORD>>{})) {
            if (owner == process) return port;
            if (owner == 0 && heldBefore.count(port) == 0) sendEmpty(port);
        }
    }
    return 0;
}

std::wstring loopbackAt(int port) {
    return L"--address 127.0.0.1 --port " + std::to_wstring(port);
}

std::string serverSetting(const std::wstring& exePath, int port, const std::string& address) {
    const std::wstring where(address.begin(), address.end());
    ServerProcess print(exePath, L"--print-address " + where + L":" + std::to_wstring(port));
    if (!print.waitForOutput("\n", 10000)) return {};
    return "Serveur=" + print.output().substr(0, 64) + "\r\n";
}

}  // namespace wardo::e2e
