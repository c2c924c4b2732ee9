// wardo-room.exe driven from this process as the robot drives the chat client: found among the
// top-level windows, its chat panel reached by the fixed path, a line typed and read back, the
// microphone pressed, and members made to join through WM_COPYDATA.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/scoped_win.h"
#include "platform/win32/win32_handle.h"
#include "platform/win32/win32_window_system.h"
#include "test_support.h"
#include "text/text.h"
#include "tools/room/win32/room_protocol.h"

namespace wardo::platform::win32 {
namespace {

std::wstring roomExe() {
    std::wstring path = text::widen(WARDO_ROOM_EXE);
    if (!path.empty() && path[0] == L'/') {  // a build path of the host: reach it through drive Z:
        std::replace(path.begin(), path.end(), L'/', L'\\');
        path = L"Z:" + path;
    }
    return path;
}

// One running room simulator; closed (or killed) at the end.
class RoomProcess {
public:
    explicit RoomProcess(const std::wstring& options) : title_(test::uniqueTitle(L"Salon test")) {
        std::wstring command = L"\"" + roomExe() + L"\" --title \"" + title_ + L"\" --nick Modo " + options;
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return;
        process_.reset(pi.hProcess);
        ScopedKernelHandle thread(pi.hThread);
        WaitForInputIdle(process_.get(), 10000);
        test::pumpUntil([&] { return (frame_ = findFrame()) != 0; }, 15000);
    }
    ~RoomProcess() {
        if (!process_) return;
        if (WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
            command(L"quit");
            if (WaitForSingleObject(process_.get(), 5000) != WAIT_OBJECT_0)
                TerminateProcess(process_.get(), 9);
        }
    }

    WindowHandle frame() const { return frame_; }
    HANDLE process() const { return process_.get(); }

    // One protocol command; LONG_MIN when the room did not answer in time.
    long long command(const std::wstring& text, UINT timeoutMs = 10000) const {
        COPYDATASTRUCT data{wardo::room::kRoomCommandTag, static_cast<DWORD>(text.size() * sizeof(wchar_t)),
                            const_cast<wchar_t*>(text.data())};
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutW(toHwnd(frame_), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL,
                                 timeoutMs, &answer))
            return LONG_MIN;
        return static_cast<long long>(static_cast<LRESULT>(answer));
    }

private:
    WindowHandle findFrame() const {
        Win32WindowSystem ws;
        const std::string title = text::toAnsi(title_);
        for (WindowHandle w = ws.firstChild(ws.desktop()); w != 0; w = ws.nextSibling(w))
            // Shown only once its whole tree is built.
            if (ws.classNameA(w, 255) == "IEFrame" && ws.windowTextA(w, 255) == title &&
                (ws.style(w) & kStyleVisible) != 0)
                return w;
        return 0;
    }

    std::wstring title_;
    ScopedKernelHandle process_;
    WindowHandle frame_ = 0;
};

// The eleven steps from the browser window to the chat panel.
WindowHandle walkToPanel(WindowSystem& ws, WindowHandle frame) {
    const char* const steps = "CNNNNCNCCCC";
    WindowHandle w = frame;
    for (const char* s = steps; *s != '\0'; ++s) w = *s == 'C' ? ws.firstChild(w) : ws.nextSibling(w);
    return w;
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
    static void SetUpTestSuite() { room = new RoomProcess(L""); }
    static void TearDownTestSuite() {
        delete room;
        room = nullptr;
    }

    void SetUp() override {
        ASSERT_NE(room->frame(), 0) << "wardo-room.exe did not open its window";
        panel = walkToPanel(ws, room->frame());
        ASSERT_NE(panel, 0);
        pane = childrenOf(ws, panel, "RichEdit20W").at(0);
        input = childrenOf(ws, panel, "Edit").at(0);
        buttons = childrenOf(ws, panel, "Button");
        ASSERT_EQ(buttons.size(), 9U);
        ASSERT_EQ(room->command(L"clear"), room::kRoomDone);
        ASSERT_EQ(room->command(L"mic free"), room::kRoomDone);
    }

    void press(WindowHandle button) {
        ws.mouseDown(button);
        ws.mouseUp(button);
    }

    static RoomProcess* room;  // one simulator for the suite: each start costs a second under Wine
    Win32WindowSystem ws;
    WindowHandle panel = 0, pane = 0, input = 0;
    std::vector<WindowHandle> buttons;
};
RoomProcess* RoomSimulatorTest::room = nullptr;

TEST_F(RoomSimulatorTest, BrowserWindowAndPanelHaveTheLayoutTheRobotReliesOn) {
    EXPECT_NE(ws.style(room->frame()) & kStyleVisible, 0U);
    std::vector<std::string> classes;
    for (WindowHandle w = ws.firstChild(panel); w != 0; w = ws.nextSibling(w))
        classes.push_back(ws.classNameA(w, 255));
    std::vector<std::string> expected = {"RichEdit20W", "Edit"};
    expected.insert(expected.end(), 9, "Button");
    EXPECT_EQ(classes, expected);
    EXPECT_EQ(ws.firstChild(pane), 0);
}

TEST_F(RoomSimulatorTest, ATypedLineIsSpokenAndTheInputLineCleared) {
    ws.setText(input, "bonjour \xE0 tous");  // "à" in Windows-1252
    press(buttons[0]);
    const std::string text = roomText(ws, pane);
    EXPECT_NE(text.find(" Modo : bonjour \xE0 tous\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.front(), '(');
    EXPECT_EQ(ws.getTextLength(input), 0);
    const long long before = room->command(L"count send");
    press(buttons[0]);  // an empty line sends nothing but is a press
    EXPECT_EQ(room->command(L"count send"), before + 1);
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
    EXPECT_EQ(room->command(L"mic other"), room::kRoomDone);
    EXPECT_FALSE(ws.isEnabled(talk));
    EXPECT_FALSE(ws.isEnabled(key));
    press(talk);  // a disabled button still gets the messages; the room ignores the press
    EXPECT_FALSE(ws.isEnabled(key));
    EXPECT_EQ(room->command(L"mic free"), room::kRoomDone);
    EXPECT_EQ(room->command(L"refuse on"), room::kRoomDone);
    press(talk);
    EXPECT_TRUE(ws.isEnabled(key));
    EXPECT_EQ(room->command(L"refuse off"), room::kRoomDone);
}

TEST_F(RoomSimulatorTest, MembersJoinAndSpeakThroughCommands) {
    EXPECT_EQ(room->command(L"join Bob"), room::kRoomDone);
    EXPECT_EQ(room->command(L"say Zo\u00E9 salut"), room::kRoomDone);
    const std::string text = roomText(ws, pane);
    EXPECT_EQ(text.substr(0, 24), "Rejoint la salle : Bob\r\n");
    EXPECT_NE(text.find(" Zo\xE9 : salut\r\n"), std::string::npos) << text;
    EXPECT_EQ(room->command(L"input Bob, "), room::kRoomDone);
    EXPECT_EQ(ws.getText(input, 100), "Bob, ");
    EXPECT_EQ(room->command(L"dance"), room::kRoomRefused);
    // A message that is not a command of the room.
    const std::wstring junk = L"join X";
    COPYDATASTRUCT data{12345, static_cast<DWORD>(junk.size() * 2), const_cast<wchar_t*>(junk.data())};
    EXPECT_EQ(SendMessageW(toHwnd(room->frame()), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)),
              room::kRoomRefused);
    EXPECT_EQ(roomText(ws, pane), text);
}

TEST_F(RoomSimulatorTest, ALargeTextKeepsTheRoomResponsive) {
    std::wstring big;
    for (int i = 0; big.size() < 300000; ++i)
        big += L"ligne " + std::to_wstring(i) + L" du texte du salon\r\n";
    const ULONGLONG start = GetTickCount64();
    ASSERT_EQ(room->command(L"raw " + big), room::kRoomDone);
    EXPECT_LT(GetTickCount64() - start, 2000U);
    ULONGLONG slowest = 0;
    long long pending = 1;
    for (int i = 0; i < 2000 && pending > 0; ++i) {
        const ULONGLONG asked = GetTickCount64();
        pending = room->command(L"pending");
        slowest = std::max(slowest, GetTickCount64() - asked);
        test::pumpUntil([] { return false; }, 20);
    }
    EXPECT_EQ(pending, 0);
    EXPECT_LT(slowest, 1000U) << "the room's loop was held for " << slowest << " ms";
    const std::string text = roomText(ws, pane);
    EXPECT_EQ(text, text::toAnsi(big).substr(0, text.size()));
    EXPECT_EQ(text.size(), big.size());
}

TEST(RoomSimulator, APanelWithSevenButtonsAndAQuit) {
    RoomProcess room(L"--buttons 7 --no-control");
    ASSERT_NE(room.frame(), 0);
    Win32WindowSystem ws;
    const WindowHandle panel = walkToPanel(ws, room.frame());
    EXPECT_EQ(childrenOf(ws, panel, "Button").size(), 7U);
    EXPECT_EQ(room.command(L"quit"), room::kRoomDone);
    EXPECT_EQ(WaitForSingleObject(room.process(), 10000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeProcess(room.process(), &code);
    EXPECT_EQ(code, 0U);
}

}  // namespace
}  // namespace wardo::platform::win32
