// The room as the simulated desktop hosts it: the path to the chat panel, the controls in their places,
// and the model behind them.
#include <gtest/gtest.h>

#include "platform/sim/sim_event_loop.h"
#include "platform/sim/sim_window_system.h"
#include "text/text.h"
#include "tools/room/sim_room.h"

namespace wardo::room {
namespace {

using platform::sim::SimEventLoop;
using platform::sim::SimWindowSystem;

class SimRoomTest : public ::testing::Test {
protected:
    // Positions count from 1 in child order.
    WindowHandle nthChild(WindowHandle w, int n) {
        WindowHandle c = ws.firstChild(w);
        for (int i = 1; i < n && c != 0; ++i) c = ws.nextSibling(c);
        return c;
    }

    SimEventLoop loop;
    SimWindowSystem ws{loop};
};

TEST_F(SimRoomTest, ThePanelSitsAtTheFixedPathWithItsControlsInOrder) {
    SimRoom room(ws, loop);
    WindowHandle b = ws.firstChild(ws.desktop());
    EXPECT_EQ(b, room.browser());
    EXPECT_EQ(ws.classNameA(b, 255), "IEFrame");
    EXPECT_NE(ws.windowTextA(b, 255), "");
    EXPECT_NE(ws.style(b) & platform::kStyleVisible, 0u);

    WindowHandle p = nthChild(nthChild(b, 5), 2);
    for (int i = 0; i < 4; ++i) p = ws.firstChild(p);
    EXPECT_EQ(p, room.panel());

    auto kids = ws.children(p);
    ASSERT_EQ(kids.size(), 11u);
    EXPECT_EQ(ws.classNameA(kids[0], 255), "RichEdit20W");
    EXPECT_EQ(ws.classNameA(kids[1], 255), "Edit");
    for (std::size_t i = 2; i < 11; ++i) EXPECT_EQ(ws.classNameA(kids[i], 255), "Button");
    EXPECT_EQ(kids[0], room.textPane());
    EXPECT_EQ(kids[1], room.inputLine());
    EXPECT_EQ(kids[2], room.sendButton());
    EXPECT_EQ(kids[9], room.micButton());
    EXPECT_EQ(kids[10], room.mic2Button());
    // Taking a wrong turn anywhere on the path misses the panel.
    EXPECT_NE(ws.firstChild(ws.firstChild(ws.firstChild(ws.firstChild(nthChild(nthChild(b, 4), 2))))), p);
    EXPECT_NE(ws.firstChild(ws.firstChild(ws.firstChild(nthChild(nthChild(b, 5), 2)))), p);
}

TEST_F(SimRoomTest, TheControlsDriveTheModel) {
    SimRoom room(ws, loop);
    loop.setTimeOfDay(9, 5, 0);
    ws.setText(room.inputLine(), text::toAnsi(L"bonjour à tous"));
    EXPECT_EQ(room.model().input(), L"bonjour à tous");
    EXPECT_EQ(ws.getText(room.inputLine(), 255), text::toAnsi(L"bonjour à tous"));
    ws.mouseDown(room.sendButton());
    ws.mouseUp(room.sendButton());
    EXPECT_EQ(room.model().input(), L"");
    EXPECT_EQ(room.model().text(), L"(09:05) Moderateur : bonjour à tous\r\n");
    EXPECT_EQ(ws.getText(room.textPane(), 1000), text::toAnsi(room.model().text()));
    EXPECT_EQ(ws.getTextLength(room.textPane()), static_cast<long>(room.model().text().size()));

    ws.setText(room.textPane(), "overwritten");
    EXPECT_EQ(room.model().text(), L"(09:05) Moderateur : bonjour à tous\r\n")
        << "the text pane is read-only";

    ws.mouseUp(room.sendButton());  // an up without a down is no click
    EXPECT_EQ(room.model().sendPresses(), 1);
    ws.mouseDown(room.button(3));
    ws.mouseUp(room.button(3));
    EXPECT_EQ(room.otherPresses(), 1);
}

TEST_F(SimRoomTest, PointingFindsTheControlsAndThePanelBetweenThem) {
    SimRoom room(ws, loop);
    EXPECT_EQ(ws.windowFromPoint({300, 300}), room.textPane());
    EXPECT_EQ(ws.windowFromPoint({300, 580}), room.inputLine());
    EXPECT_EQ(ws.windowFromPoint({130, 630}), room.sendButton());
    EXPECT_EQ(ws.windowFromPoint({112, 152}), room.panel());
    EXPECT_EQ(ws.windowFromPoint({95, 95}), 0);
}

TEST_F(SimRoomTest, MicrophoneButtonsFollowTheModel) {
    SimRoom room(ws, loop);
    auto enabled = [&] { return std::pair{ws.isEnabled(room.micButton()), ws.isEnabled(room.mic2Button())}; };
    EXPECT_EQ(enabled(), (std::pair{true, true}));
    ws.mouseDown(room.micButton());
    ws.mouseUp(room.micButton());
    EXPECT_EQ(room.model().mic(), RoomModel::Mic::User);
    EXPECT_EQ(enabled(), (std::pair{true, false}));
    room.model().otherTakesMic();
    EXPECT_EQ(enabled(), (std::pair{false, false}));
    room.model().otherReleasesMic();
    EXPECT_EQ(enabled(), (std::pair{true, true}));
}

TEST_F(SimRoomTest, ClosingTheRoomRemovesItsWindows) {
    WindowHandle input = 0;
    {
        SimRoom room(ws, loop);
        input = room.inputLine();
    }
    EXPECT_FALSE(ws.isWindow(input));
    EXPECT_EQ(ws.firstChild(ws.desktop()), 0);
}

}  // namespace
}  // namespace wardo::room
