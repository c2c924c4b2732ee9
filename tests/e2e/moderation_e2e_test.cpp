// Moderating a member of the room with the real program: the target picked up from the room's input
// line, a kick and a ban with a saved reason typed into the room, and a command refused for want of a
// target.
#include <gtest/gtest.h>
#include <windows.h>

#include "attached_panel.h"

namespace wardo::e2e {
namespace {

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

class Moderation : public ::testing::Test {
protected:
    Moderation()
        : run_(
              "[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\nType Ban=IP+Pseudo\r\n"
              "DureeBan=def\r\n[TitresRaisons]\r\n1=Pub\r\n[Raisons]\r\n1=Pas de pub ici $N\r\n") {}

    void SetUp() override { ASSERT_NE(run_.panel, nullptr); }

    HWND control(const std::wstring& text) { return run_.find(text); }
    std::string inputLine() {
        HWND edit = FindWindowExW(chatPanel(run_.roomWindow()), nullptr, L"Edit", nullptr);
        char buffer[256] = {};
        SendMessageA(edit, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
    // The room's input line gets "Bob, " as when the user asks the chat client to address Bob.
    void pickBob() {
        const ULONGLONG asked = GetTickCount64();
        run_.ask(L"input Bob, ");
        HWND target = run_.find(L"Bob", 3000);
        ASSERT_NE(target, nullptr);
        EXPECT_LT(GetTickCount64() - asked, 1000u);
        EXPECT_TRUE(waitFor([&] { return inputLine().empty(); }, 1000)) << inputLine();
    }
    // The reason list, once a mode button has brought it to this Top; its first entry is clicked.
    void pickFirstReason(int top) {
        HWND list = waitForControl(run_.panel, L"ListBox", [&](HWND l) {
            const POINT at = placeInWindow(l);
            return at.x == pixels(2070) && at.y == pixels(top);
        });
        ASSERT_NE(list, nullptr);
        click(list, 5, 3);
    }
    std::string text() { return roomText(run_.roomWindow()); }

    AttachedPanel run_;
};

TEST_F(Moderation, PickedTargetKickedThenBannedWithASavedReason) {
    pickBob();
    const std::string kick = "Zorro_75 : /kick Bob Pas de pub ici Bob (par Zorro_75 )";
    press(control(L"Kick"));
    pickFirstReason(850);
    EXPECT_TRUE(waitForRoomText(run_.roomWindow(), kick, 5000)) << text();

    // The ban's three lines, each about 2 s (and the 150 ms of the typing) after the one before.
    press(control(L"Bannir"));
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
    click(control(L"Bob"));  // a click clears the target
    EXPECT_TRUE(waitFor([&] { return run_.find(L"Bob", 0) == nullptr; }, 3000));
    const auto sends = run_.ask(L"count send");
    HWND warning = control(L" Pseudo user manquant !");
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(placeInWindow(warning).x, pixels(5720));

    press(control(L"Coupe mic"));
    ASSERT_TRUE(waitFor([&] { return placeInWindow(warning).x == pixels(720); }, 3000));
    const ULONGLONG shown = GetTickCount64();
    ASSERT_TRUE(waitFor([&] { return placeInWindow(warning).x == pixels(5720); }, 3000));
    const ULONGLONG hidden = GetTickCount64();
    EXPECT_GE(hidden - shown, 800u);
    EXPECT_LE(hidden - shown, 1600u);
    EXPECT_EQ(run_.ask(L"count send"), sends);
    EXPECT_EQ(text().find("/blockmic"), std::string::npos);
}

}  // namespace
}  // namespace wardo::e2e
