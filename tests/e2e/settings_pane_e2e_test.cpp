// The settings pane of the real program, driven through its controls: "Configurer", "Réglages de base",
// typing the welcome phrase, the level button "OP" and "Valider mes choix et fermer cette fenêtre". The
// settings file then holds the pane's keys as the system reads them, and the next run of the robot lays
// its panel out for the new level.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>

#include "e2e_support.h"
#include "tools/room/win32/room_client.h"

namespace wardo::e2e {
namespace {

int pixels(int twips) {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440));
}

// A control's text through the window messages: an edit box of another process keeps its own text.
std::wstring controlText(HWND w) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(w, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return L"";
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(w, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        2000, &copied);
    text.resize(copied);
    return text;
}

struct Find {
    const wchar_t* className;
    std::function<bool(HWND)> match;
    HWND found = nullptr;
};

BOOL CALLBACK findDescendant(HWND w, LPARAM p) {
    auto* f = reinterpret_cast<Find*>(p);
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    if (lstrcmpiW(name, f->className) == 0 && f->match(w)) {
        f->found = w;
        return FALSE;
    }
    return TRUE;
}

// A window of `className` inside `top` for which `match` holds, polled for up to `timeoutMs`.
HWND waitForControl(HWND top, const wchar_t* className, const std::function<bool(HWND)>& match,
                    unsigned timeoutMs = 10000) {
    Find f{className, match};
    waitFor(
        [&] {
            EnumChildWindows(top, findDescendant, reinterpret_cast<LPARAM>(&f));
            return f.found != nullptr;
        },
        timeoutMs);
    return f.found;
}

bool inView(HWND control) {
    return IsWindowVisible(control) && placeInWindow(control).x < pixels(4560);
}

void click(HWND control) {
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

void type(HWND box, const std::wstring& text) {
    SendMessageW(box, EM_SETSEL, 0, -1);
    for (wchar_t c : text) SendMessageW(box, WM_CHAR, c, 0);
}

std::string stored(const std::wstring& ini, const char* key) {
    char buffer[800] = {};
    const std::string path(ini.begin(), ini.end());
    GetPrivateProfileStringA("Parametres", key, "", buffer, 800, path.c_str());
    return buffer;
}

// The robot started on `appData`, attached to the room by "Connexion à la salle", its panel shown.
struct Robot {
    explicit Robot(const std::wstring& appData) : program(widePath(WARDO_EXE), appData) {
        if (!program.started()) return;
        HWND button = waitForWindowText(program.id(), L"Connexion à la salle", 15000);
        if (button == nullptr) return;
        PostMessageW(button, BM_CLICK, 0, 0);
        HWND window = waitForWindowText(program.id(), L"Wardo - V 1.52", 15000);
        if (window != nullptr && waitFor([&] { return IsWindowVisible(window) != FALSE; }, 10000))
            panel = window;
    }
    ProgramProcess program;
    HWND panel = nullptr;
};

TEST(SettingsPane, ValidatedChoicesReachTheFileAndTheNextRunLaysThePanelOutForTheNewLevel) {
    room::RoomProcess room(widePath(WARDO_ROOM_EXE),
                           L"Salle réglages " + std::to_wstring(GetCurrentProcessId()), L"--nick Zorro_75");
    ASSERT_NE(room.window(), nullptr);
    room.command(L"notice Bienvenue dans la salle !");
    const std::wstring appData = freshFolder(L"reglages");
    const std::wstring ini = appData + L"\\Wardo\\wardo.ini";
    CreateDirectoryW((appData + L"\\Wardo").c_str(), nullptr);
    std::ofstream(std::filesystem::path(ini))
        << "[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\n";
    const std::wstring welcome = L"Bienvenue $N, café offert !";

    {
        Robot robot(appData);
        ASSERT_NE(robot.panel, nullptr);
        HWND configurer = waitForWindowText(robot.program.id(), L"Configurer", 5000);
        ASSERT_NE(configurer, nullptr);
        click(configurer);
        HWND menu = waitForControl(robot.panel, L"ListBox", [](HWND w) {
            return IsWindowVisible(w) && SendMessageW(w, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                      reinterpret_cast<LPARAM>(L"Réglages de base")) == 0;
        });
        ASSERT_NE(menu, nullptr);
        SendMessageW(menu, LB_SETCURSEL, 0, 0);
        PostMessageW(GetParent(menu), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(menu), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(menu));

        HWND text1 = waitForControl(robot.panel, L"Edit", [](HWND w) {
            return inView(w) && controlText(w) == L"(*)$N, bonjour, bienvenue sur notre room ! (*)";
        });
        ASSERT_NE(text1, nullptr) << "the pane shows the welcome phrase in force";
        type(text1, welcome);
        EXPECT_EQ(controlText(text1), welcome);
        HWND op = waitForWindowText(robot.program.id(), L"OP", 5000);
        ASSERT_NE(op, nullptr);
        PostMessageW(op, BM_CLICK, 0, 0);
        // The welcome typed for each join, so that the next run greets with the new phrase.
        HWND avec = waitForWindowText(robot.program.id(), L"Avec", 5000);
        ASSERT_NE(avec, nullptr);
        PostMessageW(avec, BM_CLICK, 0, 0);
        HWND valider =
            waitForWindowText(robot.program.id(), L"Valider mes choix et fermer cette fenêtre", 5000);
        ASSERT_NE(valider, nullptr);
        PostMessageW(valider, BM_CLICK, 0, 0);

        EXPECT_NE(waitForWindowText(robot.program.id(), L"Panel opérateur", 10000), nullptr);
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
    ASSERT_NE(again.panel, nullptr);
    EXPECT_NE(waitForWindowText(again.program.id(), L"Panel opérateur", 10000), nullptr);
    HWND kick = waitForWindowText(again.program.id(), L"Kick", 5000);
    HWND metnoir = waitForWindowText(again.program.id(), L"Met noir", 5000);
    ASSERT_NE(kick, nullptr);
    ASSERT_NE(metnoir, nullptr);
    EXPECT_EQ(placeInWindow(kick).x, pixels(2400));
    EXPECT_EQ(placeInWindow(metnoir).x, pixels(11480)) << "out of view at the operator's level";

    // The next newcomer is greeted with the new phrase.
    room.command(L"join Carla");
    EXPECT_TRUE(waitForRoomText(room.window(), "Zorro_75 : Bienvenue Carla, caf\xE9 offert !", 10000))
        << roomText(room.window());
}

}  // namespace
}  // namespace wardo::e2e
