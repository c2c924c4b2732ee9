// The robot following a real room after the attach: it greets a member who joins, raises the alert
// frame for a watched nickname, and lays its panel out again when the room reports its level, telling
// the user in a box placed over the panel.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "e2e_support.h"
#include "tools/room/win32/room_client.h"

namespace wardo::e2e {
namespace {

int pixels(int twips) {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return MulDiv(twips, dpi, 1440);
}

std::string fileText(const std::wstring& path) {
    std::ifstream in{std::filesystem::path(path), std::ios::binary};
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

TEST(FollowingTheRoom, GreetsAlertsAndFollowsTheLevelTheRoomReports) {
    room::RoomProcess room(widePath(WARDO_ROOM_EXE),
                           L"Salle suivie " + std::to_wstring(GetCurrentProcessId()), L"--nick Zorro_75");
    ASSERT_NE(room.window(), nullptr);
    room.command(L"notice Bienvenue dans la salle !");
    const std::wstring appData = freshFolder(L"monitor");
    const std::wstring ini = appData + L"\\Wardo\\wardo.ini";
    CreateDirectoryW((appData + L"\\Wardo").c_str(), nullptr);
    std::ofstream(std::filesystem::path(ini))
        << "[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\n"
           "SalutNouvUser=O\r\nStatut=op\r\n[Alertes]\r\n1=1|Mechant\r\n";
    ProgramProcess program(widePath(WARDO_EXE), appData);
    ASSERT_TRUE(program.started());
    HWND button = waitForWindowText(program.id(), L"Connexion à la salle", 15000);
    ASSERT_NE(button, nullptr);
    PostMessageW(button, BM_CLICK, 0, 0);
    ASSERT_NE(waitForWindowText(program.id(), L"de Zorro_75", 15000), nullptr) << roomText(room.window());

    room.command(L"join Bob");
    EXPECT_TRUE(
        waitForRoomText(room.window(), "Zorro_75 : (*)Bob, bonjour, bienvenue sur notre room ! (*)", 10000))
        << roomText(room.window());

    HWND heading = waitForWindowText(program.id(), L"User mis en alerte entré !", 5000);
    ASSERT_NE(heading, nullptr);
    HWND frame = GetParent(heading);
    EXPECT_GT(placeInWindow(frame).x, pixels(4560));  // out of view until a watched nickname joins
    room.command(L"join MECHANT");
    HWND nickname = waitForWindowText(program.id(), L"MECHANT", 10000);
    ASSERT_NE(nickname, nullptr);
    EXPECT_EQ(GetParent(nickname), frame);
    EXPECT_EQ(placeInWindow(frame).x, pixels(150));
    EXPECT_TRUE(IsWindowVisible(frame));

    room.command(L"notice Opération impossible. Votre statut est : OPPLUS.");
    HWND box = waitForWindowText(program.id(), L"Ajustement de statut", 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(waitForWindowText(program.id(), L"Votre statut a été réajusté", 2000), nullptr);
    EXPECT_NE(waitForWindowText(program.id(), L"Panel OP plus", 2000), nullptr);
    EXPECT_NE(fileText(ini).find("Statut=opplus"), std::string::npos) << fileText(ini);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(box); }, 5000));

    // Once the box is answered the robot goes on following the room.
    room.command(L"join Carla");
    EXPECT_TRUE(waitForRoomText(room.window(), "Zorro_75 : (*)Carla, bonjour", 10000))
        << roomText(room.window());
}

}  // namespace
}  // namespace wardo::e2e
