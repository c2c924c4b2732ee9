// The link with the server in the real program, against the server simulator on the loopback: an
// information text sent during start-up shows when start-up completes; one from another port does not.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "e2e_support.h"
#include "server_process.h"

namespace wardo::e2e {
namespace {

class ServerLinkE2e : public ::testing::Test {
protected:
    // A settings folder that points the robot at 127.0.0.1:`port`.
    std::wstring settingsFor(int port) {
        const std::string server = serverSetting(widePath(WARDO_SERVER_EXE), port);
        EXPECT_FALSE(server.empty());
        return settingsFolder(L"serverlink", "[Parametres]\r\nAffWarning=N\r\n" + server);
    }

    // Starts the program while `sender` sends the information text to every port the robot may bind,
    // until start-up has completed: the waiting frame, out of view until the start-up window's first
    // activation, has come in and left again. Returns the frame of the information text.
    HWND startUpWhileSending(ServerProcess& sender, const std::wstring& appData) {
        program = std::make_unique<ProgramProcess>(widePath(WARDO_EXE), appData);
        EXPECT_TRUE(program->started());
        HWND waiting = nullptr;
        bool cameIn = false, left = false;
        const ULONGLONG start = GetTickCount64();
        while (!left && GetTickCount64() - start < 20000) {
            sender.command("msgini 127.0.0.1 1752-1800 Information$du serveur");
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

TEST_F(ServerLinkE2e, InformationTextSentDuringStartUpShowsWhenItCompletes) {
    const int port = ownServerPort(0);
    ServerProcess server(widePath(WARDO_SERVER_EXE), loopbackAt(port));
    ASSERT_TRUE(server.waitForOutput("listening on", 10000)) << server.output();
    HWND frame = startUpWhileSending(server, settingsFor(port));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(placeInWindow(frame).x, pixels(300));
    EXPECT_NE(waitForWindowText(program->id(), L"Information\r\ndu serveur", 1000), nullptr);
}

TEST_F(ServerLinkE2e, InformationTextFromAnotherPortChangesNothing) {
    const int port = ownServerPort(0);
    ServerProcess stranger(widePath(WARDO_SERVER_EXE), loopbackAt(port + 1));
    ASSERT_TRUE(stranger.waitForOutput("listening on", 10000)) << stranger.output();
    HWND frame = startUpWhileSending(stranger, settingsFor(port));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(placeInWindow(frame).x, pixels(5000));
    EXPECT_EQ(waitForWindowText(program->id(), L"Information\r\ndu serveur", 0), nullptr);
}

}  // namespace
}  // namespace wardo::e2e
