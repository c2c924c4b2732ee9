// The whole program against the room simulator: "Connexion à la salle" finds the room, the robot types
// its connection phrase there and the panel shows the nickname the room gave the user.
#include <gtest/gtest.h>
#include <windows.h>

#include "e2e_support.h"
#include "tools/room/win32/room_client.h"

namespace wardo::e2e {
namespace {

TEST(WholeProgram, ConnectionButtonAttachesTypesThePhraseAndShowsTheNickname) {
    const std::wstring title = L"Salle e2e " + std::to_wstring(GetCurrentProcessId());
    room::RoomProcess roomProcess(widePath(WARDO_ROOM_EXE), title, L"--nick Zorro_75 --no-control");
    ASSERT_NE(roomProcess.window(), nullptr);
    // The room greets whoever enters; the robot's phrase is never the room's first line.
    roomProcess.command(L"notice Bienvenue dans la salle !");

    ProgramProcess program(widePath(WARDO_EXE),
                           settingsFolder(L"attach", "[Parametres]\r\nAffWarning=N\r\n"));
    ASSERT_TRUE(program.started());

    HWND startUp = waitForWindowText(program.id(), L"Connexion à la room", 15000);
    ASSERT_NE(startUp, nullptr);
    HWND button = waitForWindowText(program.id(), L"Connexion à la salle", 5000);
    ASSERT_NE(button, nullptr);
    press(button);

    EXPECT_TRUE(waitForRoomText(roomProcess.window(), "Zorro_75 : Salut la room !", 10000))
        << roomText(roomProcess.window());
    EXPECT_NE(waitForWindowText(program.id(), L"de Zorro_75", 10000), nullptr)
        << roomText(roomProcess.window());
    EXPECT_FALSE(IsWindowVisible(startUp));
}

}  // namespace
}  // namespace wardo::e2e
