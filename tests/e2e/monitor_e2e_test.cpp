// The robot following a real room after the attach: it greets a member who joins (even while a box
// waits for the user, and never its own welcome), raises the alert frame for a watched nickname, and
// lays its panel out again when the room reports its level, telling the user in a box placed over the
// panel.
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

// The welcome comes back into the room as the robot's own line, with the words of a join in it.
TEST(FollowingTheRoom, NeverGreetsItsOwnWelcome) {
    AttachedPanel run(
        "[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\nSalutNouvUser=O\r\n"
        "PhraseAccueil=Salut $N ! Join: le quiz ce soir\r\n");
    ASSERT_NE(run.panel, nullptr) << roomText(run.roomWindow());
    ASSERT_NE(run.find(L"de Zorro_75"), nullptr) << roomText(run.roomWindow());

    run.ask(L"join Bob");
    const std::string welcome = "Zorro_75 : Salut Bob ! Join: le quiz ce soir";
    ASSERT_TRUE(waitForRoomText(run.roomWindow(), welcome, 10000)) << roomText(run.roomWindow());
    pumpFor(3000);
    // Each welcome is a line of its own that holds the phrase's end.
    const std::string text = roomText(run.roomWindow());
    int welcomes = 0;
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) {
        const std::size_t next = text.find("\r\n", at + 2);
        if (text.substr(at, next - at).find("Join: le quiz ce soir") != std::string::npos) ++welcomes;
    }
    EXPECT_EQ(welcomes, 1) << text;
}

}  // namespace
}  // namespace wardo::e2e
