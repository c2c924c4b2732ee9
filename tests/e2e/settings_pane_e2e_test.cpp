// The settings pane of the real program, driven through its controls: "Configurer", "Réglages de base",
// typing the welcome phrase, the level button "OP" and "Valider mes choix et fermer cette fenêtre". The
// settings file then holds the pane's keys as the system reads them, and the next run of the robot lays
// its panel out for the new level.
#include <gtest/gtest.h>
#include <windows.h>

#include "attached_panel.h"

namespace wardo::e2e {
namespace {

bool inView(HWND control) {
    return IsWindowVisible(control) && placeInWindow(control).x < pixels(4560);
}

std::string stored(const std::wstring& ini, const char* key) {
    char buffer[800] = {};
    const std::string path(ini.begin(), ini.end());
    GetPrivateProfileStringA("Parametres", key, "", buffer, 800, path.c_str());
    return buffer;
}

TEST(SettingsPane, ValidatedChoicesReachTheFileAndTheNextRunLaysThePanelOutForTheNewLevel) {
    GreetedRoom room(L"Zorro_75");
    ASSERT_NE(room.window(), nullptr);
    const std::wstring appData =
        settingsFolder(L"reglages", "[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\n");
    const std::wstring ini = configFolder(appData) + L"wardo.ini";
    const std::wstring welcome = L"Bienvenue $N, café offert !";

    {
        Robot robot(appData);
        HWND panel = robot.waitForPanel();
        ASSERT_NE(panel, nullptr);
        HWND configurer = robot.find(L"Configurer");
        ASSERT_NE(configurer, nullptr);
        click(configurer);
        HWND menu = waitForControl(panel, L"ListBox", [](HWND w) {
            return IsWindowVisible(w) && SendMessageW(w, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                      reinterpret_cast<LPARAM>(L"Réglages de base")) == 0;
        });
        ASSERT_NE(menu, nullptr);
        pick(menu, L"Réglages de base");

        HWND text1 = waitForControl(panel, L"Edit", [](HWND w) {
            return inView(w) && controlText(w) == L"(*)$N, bonjour, bienvenue sur notre room ! (*)";
        });
        ASSERT_NE(text1, nullptr) << "the pane shows the welcome phrase in force";
        typeOver(text1, welcome);
        EXPECT_EQ(controlText(text1), welcome);
        HWND op = robot.find(L"OP");
        ASSERT_NE(op, nullptr);
        press(op);
        // The welcome typed for each join, so that the next run greets with the new phrase.
        HWND avec = robot.find(L"Avec");
        ASSERT_NE(avec, nullptr);
        press(avec);
        HWND valider = robot.find(L"Valider mes choix et fermer cette fenêtre");
        ASSERT_NE(valider, nullptr);
        press(valider);

        EXPECT_NE(robot.find(L"Panel opérateur", 10000), nullptr);
        EXPECT_TRUE(waitFor([&] { return !inView(text1); }, 5000)) << "the pane closed";
    }

    // Read as the system reads the file.
    const std::pair<const char*, const char*> keys[] = {{"Statut", "op"},
                                                        {"AnnSonore", "N"},
                                                        {"DureePunish", "1h"},
                                                        {"DureeBan", "15j"},
                                                        {"Type Ban", "Pseudo"},
                                                        {"Signekick", "O"},
                                                        {"AvecDing", "O"},
                                                        {"RetBarreTaches", "N"},
                                                        {"IgnoreReentrant", "O"},
                                                        {"SalutNouvUser", "O"},
                                                        {"PhraseConnexion", "Salut la room !"},
                                                        {"PhraseAccueil", "Bienvenue $N, caf\xE9 offert !"},
                                                        {"CodeOPME", ""},
                                                        {"AffWarning", "N"},
                                                        {"AffInfos1", "N"},
                                                        {"AffInfos2", "N"}};
    for (const auto& [key, value] : keys) EXPECT_EQ(stored(ini, key), value) << key;

    Robot again(appData);
    ASSERT_NE(again.waitForPanel(), nullptr);
    EXPECT_NE(again.find(L"Panel opérateur", 10000), nullptr);
    HWND kick = again.find(L"Kick");
    HWND metnoir = again.find(L"Met noir");
    ASSERT_NE(kick, nullptr);
    ASSERT_NE(metnoir, nullptr);
    EXPECT_EQ(placeInWindow(kick).x, pixels(2400));
    EXPECT_EQ(placeInWindow(metnoir).x, pixels(11480)) << "out of view at the operator's level";

    // The next newcomer is greeted with the new phrase.
    room.ask(L"join Carla");
    EXPECT_TRUE(waitForRoomText(room.window(), "Zorro_75 : Bienvenue Carla, caf\xE9 offert !", 10000))
        << roomText(room.window());
}

}  // namespace
}  // namespace wardo::e2e
