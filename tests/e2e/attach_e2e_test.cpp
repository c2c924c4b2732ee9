// The whole program against the room simulator: "Connexion à la salle" finds the room, the robot types
// its connection phrase there and the panel shows the nickname the room gave the user.
#include <gtest/gtest.h>
#include <windows.h>

#include "attached_panel.h"

namespace wardo::e2e {
namespace {

TEST(WholeProgram, ConnectionButtonAttachesTypesThePhraseAndShowsTheNickname) {
    GreetedRoom room(L"Zorro_75");
    ASSERT_NE(room.window(), nullptr);
    Robot robot(settingsFolder(L"attach", "[Parametres]\r\nAffWarning=N\r\n"));
    ASSERT_NE(robot.startUp, nullptr);
    EXPECT_EQ(windowText(robot.startUp), L"Connexion à la room");

    EXPECT_TRUE(waitForRoomText(room.window(), "Zorro_75 : Salut la room !", 10000))
        << roomText(room.window());
    EXPECT_NE(robot.find(L"de Zorro_75", 10000), nullptr) << roomText(room.window());
    EXPECT_FALSE(IsWindowVisible(robot.startUp));
}

}  // namespace
}  // namespace wardo::e2e
