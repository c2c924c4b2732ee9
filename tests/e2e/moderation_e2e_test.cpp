// Moderating a member of the room with the real program: the target picked up from the room's input
// line, a kick and a ban with a saved reason typed into the room, and a command refused for want of a
// target.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <filesystem>
#include <fstream>

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

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

HWND childOfClass(HWND parent, const wchar_t* className) {
    return FindWindowExW(parent, nullptr, className, nullptr);
}

// The user clicks a control of the program at a point of it (client pixels).
void clickAt(HWND control, int x, int y) {
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

class Moderation : public ::testing::Test {
protected:
    Moderation()
        : room_(widePath(WARDO_ROOM_EXE), L"Salle moderation " + std::to_wstring(GetCurrentProcessId()),
                L"--nick Zorro_75"),
          program_(widePath(WARDO_EXE), settings()) {}

    void SetUp() override {
        ASSERT_NE(room_.window(), nullptr);
        ASSERT_TRUE(program_.started());
        room_.command(L"notice Bienvenue dans la salle !");
        HWND button = waitForWindowText(program_.id(), L"Connexion à la salle", 15000);
        ASSERT_NE(button, nullptr);
        PostMessageW(button, BM_CLICK, 0, 0);
        ASSERT_TRUE(waitForRoomText(room_.window(), "Zorro_75 : Salut la room !", 15000));
        panel_ = waitForWindowText(program_.id(), L"Wardo - V 1.52", 10000);
        ASSERT_NE(panel_, nullptr);
        ASSERT_TRUE(waitFor([&] { return IsWindowVisible(panel_) != FALSE; }, 10000));
    }

    static std::wstring settings() {
        const std::wstring appData = freshFolder(L"moderation");
        CreateDirectoryW((appData + L"\\Wardo").c_str(), nullptr);
        std::ofstream(std::filesystem::path(appData + L"\\Wardo\\wardo.ini"))
            << "[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\nType "
               "Ban=IP+Pseudo\r\nDureeBan=def\r\n"
               "[TitresRaisons]\r\n1=Pub\r\n[Raisons]\r\n1=Pas de pub ici $N\r\n";
        return appData;
    }

    HWND control(const std::wstring& text) { return waitForWindowText(program_.id(), text, 5000); }
    std::string inputLine() {
        HWND edit = childOfClass(chatPanel(room_.window()), L"Edit");
        char buffer[256] = {};
        SendMessageA(edit, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
    // The room's input line gets "Bob, " as when the user asks the chat client to address Bob.
    void pickBob() {
        const ULONGLONG asked = GetTickCount64();
        room_.command(L"input Bob, ");
        HWND target = waitForWindowText(program_.id(), L"Bob", 3000);
        ASSERT_NE(target, nullptr);
        EXPECT_LT(GetTickCount64() - asked, 1000u);
        EXPECT_TRUE(waitFor([&] { return inputLine().empty(); }, 1000)) << inputLine();
    }
    // The reason list, once a mode button has brought it to this Top; its first entry is clicked.
    void pickFirstReason(int top) {
        HWND list = nullptr;
        ASSERT_TRUE(waitFor(
            [&] {
                for (HWND l = childOfClass(panel_, L"ListBox"); l != nullptr;
                     l = FindWindowExW(panel_, l, L"ListBox", nullptr)) {
                    const POINT at = placeInWindow(l);
                    if (at.x == pixels(2070) && at.y == pixels(top)) list = l;
                }
                return list != nullptr;
            },
            5000));
        clickAt(list, 5, 3);
    }
    std::string text() { return roomText(room_.window()); }

    room::RoomProcess room_;
    ProgramProcess program_;
    HWND panel_ = nullptr;
};

TEST_F(Moderation, PickedTargetKickedThenBannedWithASavedReason) {
    pickBob();
    const std::string kick = "Zorro_75 : /kick Bob Pas de pub ici Bob (par Zorro_75 )";
    PostMessageW(control(L"Kick"), BM_CLICK, 0, 0);
    pickFirstReason(850);
    EXPECT_TRUE(waitForRoomText(room_.window(), kick, 5000)) << text();

    // The ban's three lines, each about 2 s (and the 150 ms of the typing) after the one before.
    PostMessageW(control(L"Bannir"), BM_CLICK, 0, 0);
    pickFirstReason(1200);
    const std::string lines[] = {"Zorro_75 : /banlist add deny nick Bob no-expire", "Zorro_75 : /banip Bob",
                                 kick};
    const int before[] = {0, 0, 1};
    ULONGLONG seen[3] = {};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(waitFor([&] { return count(text(), lines[i]) > before[i]; }, 8000)) << lines[i] << text();
        seen[i] = GetTickCount64();
    }
    for (int i = 1; i < 3; ++i) {
        EXPECT_GE(seen[i] - seen[i - 1], 1800u);
        EXPECT_LE(seen[i] - seen[i - 1], 3000u);
    }
}

TEST_F(Moderation, WithoutATargetCoupeMicTypesNothingAndWarnsForOneSecond) {
    pickBob();
    clickAt(control(L"Bob"), 3, 3);  // a click clears the target
    EXPECT_EQ(waitForWindowText(program_.id(), L"Bob", 300), nullptr);
    const auto sends = room_.command(L"count send");
    HWND warning = control(L" Pseudo user manquant !");
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(placeInWindow(warning).x, pixels(5720));

    PostMessageW(control(L"Coupe mic"), BM_CLICK, 0, 0);
    ASSERT_TRUE(waitFor([&] { return placeInWindow(warning).x == pixels(720); }, 3000));
    const ULONGLONG shown = GetTickCount64();
    ASSERT_TRUE(waitFor([&] { return placeInWindow(warning).x == pixels(5720); }, 3000));
    const ULONGLONG hidden = GetTickCount64();
    EXPECT_GE(hidden - shown, 800u);
    EXPECT_LE(hidden - shown, 1600u);
    EXPECT_EQ(room_.command(L"count send"), sends);
    EXPECT_EQ(text().find("/blockmic"), std::string::npos);
}

}  // namespace
}  // namespace wardo::e2e
