// The robot following a real room after the attach: it greets a member who joins, raises the alert
// frame for a watched nickname, and lays its panel out again when the room reports its level, telling
// the user in a box placed over the panel.
#include <gtest/gtest.h>
#include <windows.h>

#include "attached_panel.h"

namespace wardo::e2e {
namespace {

TEST(FollowingTheRoom, GreetsAlertsAndFollowsTheLevelTheRoomReports) {
    AttachedPanel run(
        "[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\nSalutNouvUser=O\r\nStatut=op\r\n"
        "[Alertes]\r\n1=1|Mechant\r\n");
    ASSERT_NE(run.panel, nullptr) << roomText(run.roomWindow());
    const std::wstring ini = run.config() + L"wardo.ini";
    ASSERT_NE(run.find(L"de Zorro_75"), nullptr) << roomText(run.roomWindow());

    run.ask(L"join Bob");
    EXPECT_TRUE(waitForRoomText(run.roomWindow(),
                                "Zorro_75 : (*)Bob, bonjour, bienvenue sur notre room ! (*)", 10000))
        << roomText(run.roomWindow());

    HWND heading = run.find(L"User mis en alerte entré !");
    ASSERT_NE(heading, nullptr);
    HWND frame = GetParent(heading);
    EXPECT_GT(placeInWindow(frame).x, pixels(4560));  // out of view until a watched nickname joins
    run.ask(L"join MECHANT");
    HWND nickname = run.find(L"MECHANT", 10000);
    ASSERT_NE(nickname, nullptr);
    EXPECT_EQ(GetParent(nickname), frame);
    EXPECT_EQ(placeInWindow(frame).x, pixels(150));
    EXPECT_TRUE(IsWindowVisible(frame));

    run.ask(L"notice Opération impossible. Votre statut est : OPPLUS.");
    HWND box = waitForBox(run.id(), L"Ajustement de statut");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(waitForControlText(box, L"Votre statut a été réajusté", 2000), nullptr);
    EXPECT_NE(run.find(L"Panel OP plus", 2000), nullptr);
    EXPECT_NE(fileText(ini).find("Statut=opplus"), std::string::npos) << fileText(ini);
    // The box waits for the user, and the robot goes on following the room meanwhile.
    run.ask(L"join Dave");
    EXPECT_TRUE(waitForRoomText(run.roomWindow(), "Zorro_75 : (*)Dave, bonjour", 5000))
        << roomText(run.roomWindow());
    EXPECT_TRUE(IsWindowVisible(box));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(box); }, 5000));

    // Once the box is answered the robot goes on following the room.
    run.ask(L"join Carla");
    EXPECT_TRUE(waitForRoomText(run.roomWindow(), "Zorro_75 : (*)Carla, bonjour", 10000))
        << roomText(run.roomWindow());
}

}  // namespace
}  // namespace wardo::e2e
