// The settings pane of the real program, driven through its controls: "Configurer", "Réglages de base",
// typing the welcome phrase, the level button "OP" and "Valider mes choix et fermer cette fenêtre". The
// settings file then holds the choices as the system reads them, and the next run of the robot lays its
// panel out for the new level and greets with the new phrase. On a fresh computer the first start makes
// the configuration folder, so that what the pane stores is kept.
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
    std::wstring appData;
    const std::wstring welcome = L"Bienvenue $N, café offert !";
    {
        AttachedPanel run("[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\n");
        ASSERT_NE(run.panel, nullptr);
        appData = run.appData();
        ASSERT_TRUE(pickInMenu(run.panel, run.find(L"Configurer"), L"Réglages de base"));

        HWND text1 = waitForControl(run.panel, L"Edit", [](HWND w) {
            return inView(w) && controlText(w) == L"(*)$N, bonjour, bienvenue sur notre room ! (*)";
        });
        ASSERT_NE(text1, nullptr) << "the pane shows the welcome phrase in force";
        typeOver(text1, welcome);
        EXPECT_EQ(controlText(text1), welcome);
        // The level, and the welcome typed for each join so that the next run greets with the new phrase.
        for (const wchar_t* button : {L"OP", L"Avec", L"Valider mes choix et fermer cette fenêtre"}) {
            HWND h = run.find(button);
            ASSERT_NE(h, nullptr) << testing::PrintToString(button);
            press(h);
        }
        EXPECT_NE(run.find(L"Panel opérateur", 10000), nullptr);
        EXPECT_TRUE(waitFor([&] { return !inView(text1); }, 5000)) << "the pane closed";
    }

    // The changed choices and a setting kept, read as the system reads the file.
    const std::pair<const char*, const char*> keys[] = {{"Statut", "op"},
                                                        {"SalutNouvUser", "O"},
                                                        {"PhraseAccueil", "Bienvenue $N, caf\xE9 offert !"},
                                                        {"AffWarning", "N"}};
    const std::wstring ini = configFolder(appData) + L"wardo.ini";
    for (const auto& [key, value] : keys) EXPECT_EQ(stored(ini, key), value) << key;

    AttachedPanel again(appData);
    ASSERT_NE(again.panel, nullptr);
    EXPECT_NE(again.find(L"Panel opérateur", 10000), nullptr);
    HWND kick = again.find(L"Kick");
    HWND metnoir = again.find(L"Met noir");
    ASSERT_NE(kick, nullptr);
    ASSERT_NE(metnoir, nullptr);
    EXPECT_EQ(placeInWindow(kick).x, pixels(2400));
    EXPECT_EQ(placeInWindow(metnoir).x, pixels(11480)) << "out of view at the operator's level";

    // The next newcomer is greeted with the new phrase.
    again.ask(L"join Carla");
    EXPECT_TRUE(waitForRoomText(again.roomWindow(), "Zorro_75 : Bienvenue Carla, caf\xE9 offert !", 10000))
        << roomText(again.roomWindow());
}

TEST(SettingsPane, AFirstStartMakesTheConfigurationFolderAndTheValidatedLevelIsKept) {
    const std::wstring appData = freshFolder(L"first-start");
    const std::wstring ini = configFolder(appData) + L"wardo.ini";
    ASSERT_EQ(GetFileAttributesW(configFolder(appData).c_str()), INVALID_FILE_ATTRIBUTES);
    GreetedRoom room(L"Zorro_75");
    Robot robot(appData);
    ASSERT_NE(robot.startUp, nullptr);
    const DWORD folder = GetFileAttributesW(configFolder(appData).c_str());
    EXPECT_TRUE(folder != INVALID_FILE_ATTRIBUTES && (folder & FILE_ATTRIBUTE_DIRECTORY));

    HWND panel = robot.find(L"Wardo - V 1.52", 15000);
    ASSERT_NE(panel, nullptr);
    // A first run shows the two information frames, one after the other, over the panel.
    for (int frame = 1; frame <= 2; ++frame) {
        HWND read = waitForControl(panel, L"Button", [](HWND w) {
            return inView(w) && controlText(w) == L"J'ai bien lu ... Fermer cette fenêtre";
        });
        ASSERT_NE(read, nullptr) << "information frame " << frame;
        press(read);
        ASSERT_TRUE(waitFor([&] { return !inView(read); }, 5000));
    }
    ASSERT_TRUE(pickInMenu(panel, robot.find(L"Configurer"), L"Réglages de base"));
    for (const wchar_t* button : {L"OP", L"Valider mes choix et fermer cette fenêtre"}) {
        HWND h = robot.find(button);
        ASSERT_NE(h, nullptr) << testing::PrintToString(button);
        press(h);
    }
    EXPECT_TRUE(waitFor([&] { return stored(ini, "Statut") == "op"; }, 5000)) << stored(ini, "Statut");
}

}  // namespace
}  // namespace wardo::e2e
