// The link with the server in the real program, against the server simulator on the loopback: an
// information text sent during start-up from the server's address, even from another port than the
// one the robot sends to, shows when start-up completes; one from another address does not.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "e2e_support.h"
#include "server_process.h"

namespace wardo::e2e {
namespace {

class ServerLinkE2e : public ::testing::Test {
protected:
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
        const int port = robotPort(program->id(), held, 10000);
        EXPECT_NE(port, 0);
        HWND waiting = nullptr;
        bool cameIn = false, left = false;
        const ULONGLONG start = GetTickCount64();
        while (port != 0 && !left && GetTickCount64() - start < 20000) {
            sender.command("msgini 127.0.0.1 " + std::to_string(port) + " Information$du serveur");
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

}  // namespace
}  // namespace wardo::e2e
