// The start-up window of the real program: its first-run frame follows the settings file, and the
// waiting frame covers the connection button for one second.
#include <gtest/gtest.h>
#include <windows.h>

#include "e2e_support.h"

namespace wardo::e2e {
namespace {

int frameTop(DWORD process, const std::wstring& caption) {
    HWND frame = waitForWindowText(process, caption, 5000);
    return frame ? placeInWindow(frame).y : -1;
}

TEST(StartUpWindow, FirstRunFrameCoversTheWindowWithoutSettingsAndWaitingFrameLeavesAfterASecond) {
    const ULONGLONG started = GetTickCount64();
    ProgramProcess program(widePath(WARDO_EXE), settingsFolder(L"startup-new", ""));
    ASSERT_TRUE(program.started());
    ASSERT_NE(waitForWindowText(program.id(), L"Connexion à la room", 15000), nullptr);
    EXPECT_EQ(frameTop(program.id(), L"Explications à lire la première fois !"), 0);

    HWND label = waitForWindowText(program.id(), L"Connexion au serveur ... Un instant SVP", 5000);
    ASSERT_NE(label, nullptr);
    HWND waiting = GetParent(label);
    auto top = [&] { return placeInWindow(waiting).y; };
    // The frame waits out of view (Top 7000 twips) until the window's first activation brings it in (Top
    // 200 twips), and leaves again a second later: seen out of view, it may not have come in yet.
    ASSERT_TRUE(waitFor([&] { return top() == pixels(200); }, 5000))
        << top() << " px, " << GetTickCount64() - started << " ms after the start";
    const ULONGLONG seen = GetTickCount64();
    waitFor([&] { return top() >= pixels(6000); }, 5000);
    EXPECT_EQ(top(), pixels(7000));
    EXPECT_LT(GetTickCount64() - seen, 2500u);
}

TEST(StartUpWindow, FirstRunFrameStaysAwayWhenTheSettingsSaySo) {
    ProgramProcess program(widePath(WARDO_EXE),
                           settingsFolder(L"startup-seen", "[Parametres]\r\nAffWarning=N\r\n"));
    ASSERT_TRUE(program.started());
    ASSERT_NE(waitForWindowText(program.id(), L"Connexion à la room", 15000), nullptr);
    EXPECT_EQ(frameTop(program.id(), L"Explications à lire la première fois !"), pixels(6500));
}

}  // namespace
}  // namespace wardo::e2e
