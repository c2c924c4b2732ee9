// The start-up window of the real program: its first-run frame follows the settings file, and the
// waiting frame covers the connection button for one second.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "e2e_support.h"

namespace wardo::e2e {
namespace {

constexpr int kTwipsPerPixel = 15;

std::wstring settingsFolder(const wchar_t* name, const char* ini) {
    const std::wstring appData = freshFolder(name);
    CreateDirectoryW((appData + L"\\Wardo").c_str(), nullptr);
    if (ini) std::ofstream(std::filesystem::path(appData + L"\\Wardo\\wardo.ini")) << ini;
    return appData;
}

int frameTop(DWORD process, const std::wstring& caption) {
    HWND frame = waitForWindowText(process, caption, 5000);
    return frame ? placeInWindow(frame).y * kTwipsPerPixel : -1;
}

TEST(StartUpWindow, FirstRunFrameCoversTheWindowWithoutSettingsAndWaitingFrameLeavesAfterASecond) {
    // The program cannot activate its window, and so start its one-second timer, before it starts.
    const ULONGLONG started = GetTickCount64();
    ProgramProcess program(widePath(WARDO_EXE), settingsFolder(L"startup-new", nullptr));
    ASSERT_TRUE(program.started());
    ASSERT_NE(waitForWindowText(program.id(), L"Connexion à la room", 15000), nullptr);
    EXPECT_EQ(frameTop(program.id(), L"Explications à lire la première fois !"), 0);

    HWND label = waitForWindowText(program.id(), L"Connexion au serveur ... Un instant SVP", 5000);
    ASSERT_NE(label, nullptr);
    HWND waiting = GetParent(label);
    auto top = [&] { return placeInWindow(waiting).y * kTwipsPerPixel; };
    const ULONGLONG seen = GetTickCount64();
    const int firstTop = top();
    // Seen within the first second of the process, the frame must still be in view; a slower machine
    // may only see it after the fact.
    if (seen - started < 1000) {
        EXPECT_EQ(firstTop, 195);  // Top 200 twips, to the pixel
    }
    while (top() < 6000 && GetTickCount64() - seen < 5000)
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    EXPECT_EQ(top(), 7005);  // Top 7000 twips
    if (firstTop == 195) {
        EXPECT_LT(GetTickCount64() - seen, 2500u);
    }
}

TEST(StartUpWindow, FirstRunFrameStaysAwayWhenTheSettingsSaySo) {
    ProgramProcess program(widePath(WARDO_EXE),
                           settingsFolder(L"startup-seen", "[Parametres]\r\nAffWarning=N\r\n"));
    ASSERT_TRUE(program.started());
    ASSERT_NE(waitForWindowText(program.id(), L"Connexion à la room", 15000), nullptr);
    EXPECT_EQ(frameTop(program.id(), L"Explications à lire la première fois !"), 6495);
}

}  // namespace
}  // namespace wardo::e2e
