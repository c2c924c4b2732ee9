// A Russian system (code page 1251): a room whose user is "Модератор". The robot types into the room
// and reads it back through the system's code page, so the nickname comes back intact, both when the
// program identifies itself and when a line that carries the nickname is typed.
#include <gtest/gtest.h>
#include <windows.h>

#include "attached_panel.h"
#include "chatlink/attach.h"
#include "chatlink/identification.h"
#include "monitor/room_text_reader.h"
#include "platform/win32/win32_handle.h"
#include "platform/win32/win32_platform.h"
#include "tools/room/win32/room_client.h"

namespace wardo::e2e {
namespace {

const std::wstring kNick = L"\u041C\u043E\u0434\u0435\u0440\u0430\u0442\u043E\u0440";  // Модератор

// The room's text as the room holds it, in UTF-16 (a pane of another process answers WM_GETTEXT only).
std::wstring wideRoomText(HWND pane) {
    const auto n = SendMessageW(pane, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(pane, WM_GETTEXT, n + 1, reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

class CyrillicRoom : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 1251U) << "the test runs with LC_ALL=ru_RU.UTF-8"; }

    GreetedRoom roomProcess{kNick, L"",
                            L"\u0414\u043E\u0431\u0440\u043E "
                            L"\u043F\u043E\u0436\u0430\u043B\u043E\u0432\u0430\u0442\u044C"};
};

TEST_F(CyrillicRoom, TheLineSenderAndTheReadersKeepTheNickname) {
    ASSERT_NE(roomProcess.window(), nullptr);
    platform::win32::Win32Platform desktop;
    chatlink::RoomLink link(desktop.platform());
    chatlink::StockeHandles(
        link, chatlink::RechercheComplete(link, platform::win32::fromHwnd(roomProcess.window())));
    ASSERT_NE(link.HandleTexteChat, 0);
    const HWND pane = platform::win32::toHwnd(link.HandleTexteChat);

    EXPECT_EQ(text::toAnsi(kNick), "\xCC\xEE\xE4\xE5\xF0\xE0\xF2\xEE\xF0");
    link.EnvoieChat(L"Salut la room !");
    text::Text pseudo;
    chatlink::ExtraitPseudo(text::splitCrLf(monitor::LitTexteSalle(link)), L"Salut la room !", pseudo);
    EXPECT_EQ(pseudo, kNick);

    const text::Text sanction = L"/kick \u0412\u0430\u0441\u044F flood (par " + pseudo + L" )";
    link.EnvoieChat(sanction);
    const auto newest = monitor::LitDerniereLigneChat(link);
    ASSERT_TRUE(newest.has_value());
    EXPECT_EQ(text::mid(*newest, 9), kNick + L" : " + sanction);
    EXPECT_NE(wideRoomText(pane).find(kNick + L" : " + sanction + L"\r\n"), std::wstring::npos);

    // A character that code page 1251 cannot hold still goes out as "?".
    link.EnvoieChat(L"caf\u00E9");
    EXPECT_NE(wideRoomText(pane).find(kNick + L" : caf?\r\n"), std::wstring::npos);
}

TEST_F(CyrillicRoom, TheProgramIdentifiesItselfAndShowsTheNickname) {
    ASSERT_NE(roomProcess.window(), nullptr);
    Robot robot(settingsFolder(L"cp1251", "[Parametres]\r\nAffWarning=N\r\n"));
    ASSERT_NE(robot.startUp, nullptr);
    EXPECT_NE(robot.find(L"de " + kNick, 10000), nullptr);
}

}  // namespace
}  // namespace wardo::e2e
