// wardo-room.exe driven from this process as the robot drives the chat client: found among the
// top-level windows, its chat panel reached by the fixed path, a line typed and read back, the
// microphone pressed, and members made to join through WM_COPYDATA.
#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/scoped_win.h"
#include "platform/win32/win32_handle.h"
#include "platform/win32/win32_window_system.h"
#include "test_support.h"
#include "tests/e2e/e2e_support.h"
#include "text/text.h"
#include "tools/room/win32/room_client.h"
#include "tools/room/win32/room_protocol.h"

namespace wardo::platform::win32 {
namespace {

std::unique_ptr<room::RoomProcess> startRoom(const std::wstring& options) {
    return std::make_unique<room::RoomProcess>(text::widen(WARDO_ROOM_EXE), test::uniqueTitle(L"Salon test"),
                                               L"--nick Modo " + options);
}

// The command's answer, or LLONG_MIN when the room did not answer.
long long ask(const room::RoomProcess& room, const std::wstring& command) {
    return room.command(command).value_or(LLONG_MIN);
}

std::vector<WindowHandle> childrenOf(WindowSystem& ws, WindowHandle parent, const std::string& cls) {
    std::vector<WindowHandle> found;
    for (WindowHandle w = ws.firstChild(parent); w != 0; w = ws.nextSibling(w))
        if (ws.classNameA(w, 255) == cls) found.push_back(w);
    return found;
}

std::string roomText(WindowSystem& ws, WindowHandle pane) {
    return ws.getText(pane, ws.getTextLength(pane) + 1);
}

class RoomSimulatorTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { room = startRoom(L""); }
    static void TearDownTestSuite() { room.reset(); }

    void SetUp() override {
        ASSERT_NE(room->window(), nullptr) << "wardo-room.exe did not open its window";
        frame = fromHwnd(room->window());
        panel = fromHwnd(e2e::chatPanel(room->window()));
        ASSERT_NE(panel, 0);
        pane = childrenOf(ws, panel, "RichEdit20W").at(0);
        input = childrenOf(ws, panel, "Edit").at(0);
        buttons = childrenOf(ws, panel, "Button");
        ASSERT_EQ(buttons.size(), 9U);
        ASSERT_EQ(ask(*room, L"clear"), room::kRoomDone);
        ASSERT_EQ(ask(*room, L"mic free"), room::kRoomDone);
    }

    void press(WindowHandle button) {
        ws.mouseDown(button);
        ws.mouseUp(button);
    }

    // One simulator for the suite: each start costs a second under Wine.
    static std::unique_ptr<room::RoomProcess> room;
    Win32WindowSystem ws;
    WindowHandle frame = 0, panel = 0, pane = 0, input = 0;
    std::vector<WindowHandle> buttons;
};
std::unique_ptr<room::RoomProcess> RoomSimulatorTest::room;

TEST_F(RoomSimulatorTest, BrowserWindowAndPanelHaveTheLayoutTheRobotReliesOn) {
    EXPECT_NE(ws.style(frame) & kStyleVisible, 0U);
    std::vector<std::string> classes;
    for (WindowHandle w = ws.firstChild(panel); w != 0; w = ws.nextSibling(w))
        classes.push_back(ws.classNameA(w, 255));
    std::vector<std::string> expected = {"RichEdit20W", "Edit"};
    expected.insert(expected.end(), 9, "Button");
    EXPECT_EQ(classes, expected);
    EXPECT_EQ(ws.firstChild(pane), 0);

    // A person dropping the picker on the strip above the room's text points at the panel itself.
    RECT r;
    GetWindowRect(toHwnd(panel), &r);
    SetWindowPos(room->window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(ws.windowFromPoint(Point{r.left + 40, r.top + 10}), panel);
}

TEST_F(RoomSimulatorTest, ATypedLineIsSpokenAndTheInputLineCleared) {
    ws.setText(input, "bonjour \xE0 tous");  // "à" in Windows-1252
    press(buttons[0]);
    const std::string text = roomText(ws, pane);
    EXPECT_NE(text.find(" Modo : bonjour \xE0 tous\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.front(), '(');
    EXPECT_EQ(ws.getTextLength(input), 0);
    const long long before = ask(*room, L"count send");
    press(buttons[0]);  // an empty line sends nothing but is a press
    EXPECT_EQ(ask(*room, L"count send"), before + 1);
    EXPECT_EQ(roomText(ws, pane), text);
}

TEST_F(RoomSimulatorTest, MicrophoneButtonsFollowTheRoom) {
    const WindowHandle talk = buttons[7];
    const WindowHandle key = buttons[8];
    EXPECT_TRUE(ws.isEnabled(talk));
    EXPECT_TRUE(ws.isEnabled(key));
    press(talk);  // the state has changed when the press returns
    EXPECT_TRUE(ws.isEnabled(talk));
    EXPECT_FALSE(ws.isEnabled(key));
    press(talk);
    EXPECT_TRUE(ws.isEnabled(key));
    EXPECT_EQ(ask(*room, L"mic other"), room::kRoomDone);
    EXPECT_FALSE(ws.isEnabled(talk));
    EXPECT_FALSE(ws.isEnabled(key));
    press(talk);  // a disabled button still gets the messages; the room ignores the press
    EXPECT_FALSE(ws.isEnabled(key));
    EXPECT_EQ(ask(*room, L"mic free"), room::kRoomDone);
    EXPECT_EQ(ask(*room, L"refuse on"), room::kRoomDone);
    press(talk);
    EXPECT_TRUE(ws.isEnabled(key));
    EXPECT_EQ(ask(*room, L"refuse off"), room::kRoomDone);
}

TEST_F(RoomSimulatorTest, MembersJoinAndSpeakThroughCommands) {
    EXPECT_EQ(ask(*room, L"join Bob"), room::kRoomDone);
    EXPECT_EQ(ask(*room, L"say Zo\u00E9 salut"), room::kRoomDone);
    const std::string text = roomText(ws, pane);
    EXPECT_EQ(text.substr(0, 24), "Rejoint la salle : Bob\r\n");
    EXPECT_NE(text.find(" Zo\xE9 : salut\r\n"), std::string::npos) << text;
    EXPECT_EQ(ask(*room, L"input Bob, "), room::kRoomDone);
    EXPECT_EQ(ws.getText(input, 100), "Bob, ");
    EXPECT_EQ(ask(*room, L"dance"), room::kRoomRefused);
    // A message that is not a command of the room.
    const std::wstring junk = L"join X";
    COPYDATASTRUCT data{12345, static_cast<DWORD>(junk.size() * 2), const_cast<wchar_t*>(junk.data())};
    EXPECT_EQ(SendMessageW(room->window(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)),
              room::kRoomRefused);
    EXPECT_EQ(roomText(ws, pane), text);
}

TEST_F(RoomSimulatorTest, ALargeTextKeepsTheRoomResponsive) {
    std::wstring big;
    for (int i = 0; big.size() < 300000; ++i)
        big += L"ligne " + std::to_wstring(i) + L" du texte du salon\r\n";
    const ULONGLONG start = GetTickCount64();
    ASSERT_EQ(ask(*room, L"raw " + big), room::kRoomDone);
    EXPECT_LT(GetTickCount64() - start, 2000U);
    ULONGLONG slowest = 0;
    long long pending = 1;
    for (int i = 0; i < 2000 && pending > 0; ++i) {
        const ULONGLONG asked = GetTickCount64();
        pending = ask(*room, L"pending");
        slowest = std::max(slowest, GetTickCount64() - asked);
        e2e::pumpFor(20);
    }
    EXPECT_EQ(pending, 0);
    RecordProperty("slowest_answer_ms", static_cast<int>(slowest));
    RecordProperty("shown_after_ms", static_cast<int>(GetTickCount64() - start));
    EXPECT_LT(slowest, 1000U) << "the room's loop was held for " << slowest << " ms";
    const std::string text = roomText(ws, pane);
    EXPECT_EQ(text, text::toAnsi(big).substr(0, text.size()));
    EXPECT_EQ(text.size(), big.size());
}

TEST(RoomSimulator, APanelWithSevenButtonsAndAQuit) {
    const auto room = startRoom(L"--buttons 7 --no-control");
    ASSERT_NE(room->window(), nullptr);
    Win32WindowSystem ws;
    const WindowHandle panel = fromHwnd(e2e::chatPanel(room->window()));
    EXPECT_EQ(childrenOf(ws, panel, "Button").size(), 7U);
    EXPECT_EQ(ask(*room, L"quit"), room::kRoomDone);
    EXPECT_EQ(WaitForSingleObject(room->process(), 10000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeProcess(room->process(), &code);
    EXPECT_EQ(code, 0U);
}

}  // namespace
}  // namespace wardo::platform::win32
