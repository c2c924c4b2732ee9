// The link with the server in the real program, against the server simulator on the loopback: an
// information text sent during start-up from the server's address, even from another port than the
// one the robot sends to, shows when start-up completes; one from another address does not; and a
// flood of foreign datagrams leaves the start-up window answering, in bounded memory.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>
#include <string>

#include "e2e_support.h"
#include "server_process.h"

namespace wardo::e2e {
namespace {

class ServerLinkE2e : public ::testing::Test {
protected:
    void TearDown() override {
        program.reset();
        // Until the system lets its port go, the next robot could not be told from another program.
        if (robot != 0) waitFor([&] { return heldUdpPorts(robot, robot).empty(); }, 5000);
    }

    // A settings folder that points the robot at `address`:`port`.
    std::wstring settingsFor(const std::string& address, int port) {
        const std::string server = serverSetting(widePath(WARDO_SERVER_EXE), port, address);
        EXPECT_FALSE(server.empty());
        return settingsFolder(L"serverlink", "[Parametres]\r\nAffWarning=N\r\n" + server);
    }

    // Starts the program while `sender` sends the information text to the port the robot has bound,
    // until start-up has completed: the waiting frame, out of view until the start-up window's first
    // activation, has come in and left again. Returns the frame of the information text.
    HWND startUpWhileSending(ServerProcess& sender, const std::wstring& appData) {
        const std::set<int> held = heldUdpPorts(1752, 1800);
        program = std::make_unique<ProgramProcess>(widePath(WARDO_EXE), appData);
        EXPECT_TRUE(program->started());
        robot = robotPort(program->id(), held, 20000);
        EXPECT_NE(robot, 0);
        HWND waiting = nullptr;
        bool cameIn = false, left = false;
        const ULONGLONG start = GetTickCount64();
        while (robot != 0 && !left && GetTickCount64() - start < 20000) {
            sender.command("msgini 127.0.0.1 " + std::to_string(robot) + " Information$du serveur");
            sender.output();  // read, so that its output never fills the pipe and stops it
            if (!waiting) {
                HWND label = waitForWindowText(program->id(), L"Connexion au serveur ... Un instant SVP", 0);
                if (label) waiting = GetParent(label);
            }
            if (waiting) {
                const int top = placeInWindow(waiting).y;
                cameIn = cameIn || top < pixels(6000);
                left = cameIn && top > pixels(6000);
            }
            pumpFor(50);
        }
        EXPECT_TRUE(left) << (waiting ? "the waiting frame did not come in and leave" : "no waiting frame");
        HWND button = waitForWindowText(program->id(), L"OK, j'ai bien noté", 5000);
        return button ? GetParent(button) : nullptr;
    }

    std::unique_ptr<ProgramProcess> program;
    int robot = 0;  // the port the robot holds
};

TEST_F(ServerLinkE2e, InformationTextFromTheServersAddressAndAnotherPortShowsWhenStartUpCompletes) {
    const int port = ownServerPort(0);
    ServerProcess server(widePath(WARDO_SERVER_EXE), loopbackAt(port + 1));
    ASSERT_TRUE(server.waitForOutput("listening on", 10000)) << server.output();
    HWND frame = startUpWhileSending(server, settingsFor("127.0.0.1", port));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(placeInWindow(frame).x, pixels(300));
    EXPECT_NE(waitForWindowText(program->id(), L"Information\r\ndu serveur", 1000), nullptr);
}

// Under Wine every datagram between two programs of this machine leaves from 127.0.0.1 (a socket bound
// to another loopback address is bound to all of them), so the robot's server is put elsewhere.
TEST_F(ServerLinkE2e, InformationTextFromAnotherAddressChangesNothing) {
    const int port = ownServerPort(0);
    ServerProcess stranger(widePath(WARDO_SERVER_EXE), loopbackAt(port));
    ASSERT_TRUE(stranger.waitForOutput("listening on", 10000)) << stranger.output();
    HWND frame = startUpWhileSending(stranger, settingsFor("127.0.0.2", port));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(placeInWindow(frame).x, pixels(5000));
    EXPECT_EQ(waitForWindowText(program->id(), L"Information\r\ndu serveur", 0), nullptr);
}

// The foreign host floods the robot's port with datagrams of 60,000 bytes for 10 seconds (the
// environment variable WARDO_FLOOD_SECONDS may ask for another length), while the start-up window is
// asked every 50 ms to answer a message.
TEST_F(ServerLinkE2e, FloodOfForeignDatagramsLeavesTheStartUpWindowAnsweringInBoundedMemory) {
    const int port = ownServerPort(0);
    const std::set<int> held = heldUdpPorts(1752, 1800);
    program = std::make_unique<ProgramProcess>(widePath(WARDO_EXE), settingsFor("127.0.0.2", port));
    ASSERT_TRUE(program->started());
    robot = robotPort(program->id(), held, 20000);
    ASSERT_NE(robot, 0);
    HWND button = waitForWindowText(program->id(), L"Connexion à la salle", 10000);
    ASSERT_NE(button, nullptr);
    HWND window = GetAncestor(button, GA_ROOT);
    const platform::win32::ScopedKernelHandle robotProcess(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program->id()));
    ASSERT_TRUE(robotProcess);
    PROCESS_MEMORY_COUNTERS memory{};
    ASSERT_TRUE(GetProcessMemoryInfo(robotProcess.get(), &memory, sizeof memory));
    const SIZE_T before = memory.WorkingSetSize;

    const int seconds = secondsAsked("WARDO_FLOOD_SECONDS", 10);
    ServerProcess flood(
        widePath(WARDO_SERVER_EXE),
        loopbackAt(port) + L" --flood 127.0.0.1 " + std::to_wstring(robot) + L" " + std::to_wstring(seconds));
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    double slowestMs = 0;
    int asked = 0;
    SIZE_T largest = before;
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
    while (GetTickCount64() < end && flood.output().find("flooded") == std::string::npos) {
        LARGE_INTEGER t0{}, t1{};
        QueryPerformanceCounter(&t0);
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
        QueryPerformanceCounter(&t1);
        slowestMs = std::max(slowestMs, 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) /
                                            static_cast<double>(frequency.QuadPart));
        ++asked;
        if (GetProcessMemoryInfo(robotProcess.get(), &memory, sizeof memory))
            largest = std::max(largest, memory.WorkingSetSize);
        pumpFor(50);
    }
    ASSERT_TRUE(flood.waitForOutput("flooded", 10000)) << flood.output();
    ASSERT_TRUE(GetProcessMemoryInfo(robotProcess.get(), &memory, sizeof memory));
    const double mb = 1024.0 * 1024.0;
    std::printf("%s", flood.output().c_str());
    std::printf(
        "robot: working set %.1f MB before, at most %.1f MB during the flood (peak %.1f MB); slowest "
        "of %d answers %.1f ms\n",
        static_cast<double>(before) / mb, static_cast<double>(largest) / mb,
        static_cast<double>(memory.PeakWorkingSetSize) / mb, asked, slowestMs);
    EXPECT_TRUE(program->running());
    EXPECT_LT(static_cast<double>(largest), 64 * mb);
    EXPECT_LT(slowestMs, 100.0);
}

}  // namespace
}  // namespace wardo::e2e
