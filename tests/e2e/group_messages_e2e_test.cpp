// The group messages of the real program: "Msg aux couleurs" opens the window over the panel, above
// every window; a double click empties its box; "Envoi aux bleus " types the blues' command into the room,
// signed with the robot's nickname, and hides the window.
#include <gtest/gtest.h>
#include <windows.h>

#include "attached_panel.h"

namespace wardo::e2e {
namespace {

TEST(GroupMessages, TheBluesGetTheTextSignedWithTheRobotsNickname) {
    AttachedPanel run("[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\n");
    ASSERT_NE(run.panel, nullptr);
    press(run.find(L"Msg aux couleurs"));
    HWND window = run.find(L"Envoi d'un message à une catégorie de users", 10000);
    ASSERT_NE(window, nullptr);
    // Its activation empties its box: the user types once it is in front.
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(window) && activeInItsThread(window); }, 5000));
    RECT over{}, panel{};
    GetWindowRect(window, &over);
    GetWindowRect(run.panel, &panel);
    EXPECT_EQ(over.left, panel.left);
    EXPECT_EQ(over.top, panel.top);
    EXPECT_TRUE(topmost(window));

    const auto boxes = controlsOfClass(window, L"Edit");
    ASSERT_EQ(boxes.size(), 1u);
    HWND box = boxes[0];
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"brouillon"));
    doubleClick(box, 4, 4);
    EXPECT_TRUE(waitFor([&] { return controlText(box).empty(); }, 5000)) << "a double click empties the box";

    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Réunion à 21h"));
    press(run.find(L"Envoi aux bleus "));
    EXPECT_TRUE(waitForRoomText(
        run.roomWindow(), "Zorro_75 : /msg 'F' Message aux bleus : R\xE9union \xE0 21h (de Zorro_75)\r\n",
        10000))
        << roomText(run.roomWindow());
    EXPECT_TRUE(waitFor([&] { return !IsWindowVisible(window); }, 5000));
    EXPECT_TRUE(IsWindowVisible(run.panel)) << "the panel is minimised only when the option says so";
}

}  // namespace
}  // namespace wardo::e2e
