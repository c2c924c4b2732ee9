// The whole program against a room that the automatic search cannot find: the start-up window opens the
// picker, and a real mouse drag from the picker onto the chat panel attaches the robot.
#include <gtest/gtest.h>
#include <windows.h>

#include "attached_panel.h"

namespace wardo::e2e {
namespace {

const wchar_t kInstructions[] =
    L"Pour connecter la room, vous devez simplement faire ce qui suit : connectez-vous à la room désirée. "
    L"Ensuite posez votre souris sur cette fenêtre, puis cliquez à gauche. Le curseur se transforme en "
    L"main. Sans lâcher le bouton de la souris, emmenez la main sur le titre du site de la room, juste au "
    L"dessus de la fenêtre de la room. Lâchez alors la souris. Si vous ne vous êtes pas trompé, le robot "
    L"se connectera tout seul.";

TEST(WholeProgram, RoomNotFoundOpensThePickerAndADragOntoTheChatPanelAttaches) {
    // Another browser class: the automatic search looks for "IEFrame" only.
    GreetedRoom room(L"Zorro_75", L"--class Navigateur");
    ASSERT_NE(room.window(), nullptr);
    Robot robot(settingsFolder(L"picker", "[Parametres]\r\nAffWarning=N\r\n"));
    ASSERT_NE(robot.startUp, nullptr);

    HWND label = robot.find(kInstructions, 10000);
    ASSERT_NE(label, nullptr);
    HWND picker = GetAncestor(label, GA_ROOT);
    EXPECT_EQ(windowText(picker), L"Connexion à la room");
    // Shown, then put above all windows when it is activated.
    EXPECT_TRUE(waitFor([&] { return topmost(picker); }, 5000));
    EXPECT_TRUE(IsWindowVisible(picker));
    EXPECT_FALSE(IsWindowVisible(robot.startUp));

    moveMouse(centreOf(label));
    pumpFor(100);  // the picker's window sets its pointer as the mouse comes over it
    auto cursor = [] {
        CURSORINFO info{};
        info.cbSize = sizeof info;
        GetCursorInfo(&info);
        return info.hCursor;
    };
    const HCURSOR arrow = cursor();
    ASSERT_TRUE(dragPickerOnto(label, room.window(), [&] {
        EXPECT_TRUE(waitFor([&] { return cursor() != arrow; }, 2000)) << "the hand shows during the drag";
    }));

    EXPECT_TRUE(waitForRoomText(room.window(), "Zorro_75 : Salut la room !", 10000))
        << roomText(room.window());
    EXPECT_NE(robot.find(L"de Zorro_75", 10000), nullptr);
    EXPECT_FALSE(IsWindowVisible(picker));
    EXPECT_TRUE(robot.program().running());
}

}  // namespace
}  // namespace wardo::e2e
