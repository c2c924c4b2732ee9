// The simulated window tree: z-order, texts cut like the A functions, dead handles, the message log.
#include <gtest/gtest.h>

#include "platform/sim/sim_event_loop.h"
#include "platform/sim/sim_window_system.h"

namespace wardo::platform::sim {
namespace {

class SimWindowSystemTest : public ::testing::Test {
protected:
    SimEventLoop loop;
    SimWindowSystem ws{loop};
};

TEST_F(SimWindowSystemTest, ChildrenInCreationOrderTopLevelNewestFirst) {
    auto a = ws.create(ws.desktop(), "A");
    auto b = ws.create(ws.desktop(), "B");
    auto c1 = ws.create(a, "C1");
    auto c2 = ws.create(a, "C2");
    EXPECT_NE(a, 0);
    EXPECT_NE(a, b);
    EXPECT_EQ(ws.firstChild(ws.desktop()), b);
    EXPECT_EQ(ws.nextSibling(b), a);
    EXPECT_EQ(ws.nextSibling(a), 0);
    EXPECT_EQ(ws.firstChild(a), c1);
    EXPECT_EQ(ws.nextSibling(c1), c2);
    EXPECT_EQ(ws.nextSibling(c2), 0);
    EXPECT_EQ(ws.firstChild(c1), 0);
    EXPECT_EQ(ws.parent(c2), a);
    EXPECT_EQ(ws.nextSibling(ws.desktop()), 0);
}

TEST_F(SimWindowSystemTest, DestroyingAWindowJoinsTheSiblingsAroundIt) {
    auto a = ws.create(ws.desktop(), "A");
    auto c1 = ws.create(a, "C1");
    auto c2 = ws.create(a, "C2");
    auto c3 = ws.create(a, "C3");
    ws.destroy(c2);
    EXPECT_EQ(ws.nextSibling(c1), c3);
    ws.destroy(c1);
    EXPECT_EQ(ws.firstChild(a), c3);
    ws.destroy(c3);
    EXPECT_EQ(ws.firstChild(a), 0);
    auto c4 = ws.create(a, "C4");
    auto c5 = ws.create(a, "C5");
    EXPECT_EQ(ws.firstChild(a), c4);
    EXPECT_EQ(ws.nextSibling(c4), c5);
    EXPECT_EQ(ws.children(a), (std::vector<WindowHandle>{c4, c5}));
}

TEST_F(SimWindowSystemTest, DestroyedAndNullHandlesAreInert) {
    auto a = ws.create(ws.desktop(), "A", "Title");
    auto c = ws.create(a, "Button", "Ok");
    ws.destroy(a);
    for (WindowHandle h : {WindowHandle{0}, a, c, WindowHandle{12345}}) {
        EXPECT_FALSE(ws.isWindow(h));
        EXPECT_FALSE(ws.isEnabled(h));
        EXPECT_EQ(ws.classNameA(h, 255), "");
        EXPECT_EQ(ws.windowTextA(h, 255), "");
        EXPECT_EQ(ws.getText(h, 255), "");
        EXPECT_EQ(ws.getTextLength(h), 0);
        EXPECT_EQ(ws.style(h), 0u);
        EXPECT_EQ(ws.firstChild(h), 0);
        EXPECT_EQ(ws.nextSibling(h), 0);
        ws.setText(h, "x");
        ws.mouseDown(h);
        ws.mouseUp(h);
    }
    EXPECT_EQ(ws.firstChild(ws.desktop()), 0);
    for (const auto& m : ws.log()) EXPECT_FALSE(m.delivered);
    auto d = ws.create(ws.desktop(), "D");
    EXPECT_NE(d, a);
    EXPECT_NE(d, c);
}

TEST_F(SimWindowSystemTest, TextsAreCutToTheBufferLessTheTerminator) {
    auto w = ws.create(ws.desktop(), std::string(300, 'k'), std::string(300, 't'));
    EXPECT_EQ(ws.classNameA(w, 255), std::string(254, 'k'));
    EXPECT_EQ(ws.windowTextA(w, 255), std::string(254, 't'));
    EXPECT_EQ(ws.windowTextA(w, 1), "");
    EXPECT_EQ(ws.windowTextA(w, 0), "");
    EXPECT_EQ(ws.windowTextA(w, -3), "");
    EXPECT_EQ(ws.getTextLength(w), 300);
    EXPECT_EQ(ws.getText(w, 301), std::string(300, 't'));
    EXPECT_EQ(ws.getText(w, 10), std::string(9, 't'));
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(ws.classNameInto(w, buffer), "kkk");
    EXPECT_EQ(buffer[3], '\0');
    EXPECT_EQ(ws.windowTextInto(w, std::span<char>(buffer, 0)), "");
}

TEST_F(SimWindowSystemTest, HooksSupplyTextAndReceiveMessagesAndTheLogRecordsThem) {
    auto top = ws.create(ws.desktop(), "Frame");
    auto edit = ws.create(top, "Edit");
    auto button = ws.create(top, "Button");
    std::string content = "abc";
    std::vector<std::string> events;
    ws.hooks(edit).text = [&] { return content; };
    ws.hooks(edit).onSetText = [&](const std::string& s) { content = s + "!"; };
    ws.hooks(button).onMouseDown = [&] { events.push_back("down"); };
    ws.hooks(button).onMouseUp = [&] { events.push_back("up"); };

    EXPECT_EQ(ws.getText(edit, 100), "abc");
    loop.sleep(10);
    ws.setText(edit, "hello");
    ws.mouseDown(button);
    ws.mouseUp(button);
    EXPECT_EQ(ws.getText(edit, 100), "hello!");
    EXPECT_EQ(ws.windowTextA(edit, 255), "") << "a control's content is not its caption";
    EXPECT_EQ(events, (std::vector<std::string>{"down", "up"}));

    const auto t = loop.nowMs();
    std::vector<SentMessage> expected{
        {MessageKind::GetText, edit, "abc", t - 10, true}, {MessageKind::SetText, edit, "hello", t, true},
        {MessageKind::LButtonDown, button, "", t, true},   {MessageKind::LButtonUp, button, "", t, true},
        {MessageKind::GetText, edit, "hello!", t, true},
    };
    EXPECT_EQ(ws.log(), expected);
    EXPECT_EQ(ws.logFor(button).size(), 2u);
    ws.clearLog();
    EXPECT_TRUE(ws.log().empty());
}

TEST_F(SimWindowSystemTest, AKeptTextIsReadThroughItsViewAndALogTurnedOffRecordsNothing) {
    auto edit = ws.create(ws.create(ws.desktop(), "Frame"), "Edit");
    const std::string kept = "a kept text";
    ws.hooks(edit).text = [] { return std::string("never read"); };
    ws.hooks(edit).textView = [&]() -> std::string_view { return kept; };
    ws.setLogging(false);
    EXPECT_EQ(ws.getTextLength(edit), 11);
    EXPECT_EQ(ws.getText(edit, 7), "a kept");
    ws.setText(edit, "x");
    EXPECT_TRUE(ws.log().empty());
    ws.setLogging(true);
    ws.getText(edit, 100);
    EXPECT_EQ(ws.log().back().text, kept);
}

TEST_F(SimWindowSystemTest, AHookMayDestroyItsOwnWindow) {
    auto top = ws.create(ws.desktop(), "Frame");
    auto button = ws.create(top, "Button");
    ws.hooks(button).onMouseDown = [&] { ws.destroy(top); };
    ws.mouseDown(button);
    EXPECT_FALSE(ws.isWindow(button));
    ws.mouseUp(button);
}

TEST_F(SimWindowSystemTest, PlainWindowsKeepWhatIsSet) {
    auto w = ws.create(ws.desktop(), "Static", "old");
    ws.setText(w, std::string("new\0lost", 8));
    EXPECT_EQ(ws.windowTextA(w, 255), "new") << "the message carries a NUL-terminated string";
    EXPECT_EQ(ws.log().back().text, "new");
    EXPECT_EQ(ws.getText(w, 255), "new");
    EXPECT_THROW(ws.hooks(0), std::invalid_argument);
    EXPECT_THROW(ws.create(999, "X"), std::invalid_argument);
}

TEST_F(SimWindowSystemTest, TopmostOrderAndActivation) {
    auto a = ws.create(ws.desktop(), "A");
    auto b = ws.create(ws.desktop(), "B");
    ws.setTopmost(a, true);
    EXPECT_TRUE(ws.isTopmost(a));
    EXPECT_EQ(ws.activeWindow(), a);
    EXPECT_EQ(ws.firstChild(ws.desktop()), a);
    auto c = ws.create(ws.desktop(), "C");
    EXPECT_EQ(ws.firstChild(ws.desktop()), a) << "a new window stays below the topmost ones";
    EXPECT_EQ(ws.nextSibling(a), c);
    ws.setTopmost(a, false);
    EXPECT_FALSE(ws.isTopmost(a));
    EXPECT_EQ(ws.firstChild(ws.desktop()), a) << "back to the top of the ordinary windows";
    EXPECT_EQ(ws.nextSibling(a), c);
    EXPECT_EQ(ws.nextSibling(c), b);
    ASSERT_EQ(ws.log().size(), 2u);
    EXPECT_EQ(ws.log()[0].kind, MessageKind::SetWindowPos);
    EXPECT_EQ(ws.log()[0].text, "HWND_TOPMOST");
    EXPECT_EQ(ws.log()[1].text, "HWND_NOTOPMOST");
}

TEST_F(SimWindowSystemTest, WindowFromPointFindsTheDeepestVisibleEnabledWindow) {
    auto back = ws.create(ws.desktop(), "Back");
    ws.setRect(back, {0, 0, 1000, 1000});
    auto front = ws.create(ws.desktop(), "Front");
    ws.setRect(front, {100, 100, 500, 500});
    auto panel = ws.create(front, "Panel");
    ws.setRect(panel, {100, 100, 500, 500});
    auto button = ws.create(panel, "Button");
    ws.setRect(button, {200, 200, 300, 250});
    auto hidden = ws.create(panel, "Hidden", "", 0);
    ws.setRect(hidden, {100, 100, 500, 500});

    EXPECT_EQ(ws.windowFromPoint({210, 210}), button);
    EXPECT_EQ(ws.windowFromPoint({110, 110}), panel);
    EXPECT_EQ(ws.windowFromPoint({600, 600}), back);
    EXPECT_EQ(ws.windowFromPoint({5000, 5000}), 0);
    ws.setEnabled(button, false);
    EXPECT_EQ(ws.windowFromPoint({210, 210}), panel);
    ws.setVisible(front, false);
    EXPECT_EQ(ws.windowFromPoint({210, 210}), back);
}

// A script of the keyboard and the program's queries: p press, r release, t tap, q query (the reads
// are collected as 1 or 0).
struct KeyScript {
    const char* steps;
    const char* reads;
};

std::ostream& operator<<(std::ostream& os, const KeyScript& k) {
    return os << k.steps;
}

class SimKeyboardTest : public SimWindowSystemTest, public ::testing::WithParamInterface<KeyScript> {};

TEST_P(SimKeyboardTest, AKeyReadsDownWhileHeldOrOnceAfterAPressSinceTheLastQuery) {
    constexpr int kDown = 40;
    std::string reads;
    for (const char* s = GetParam().steps; *s != '\0'; ++s) {
        switch (*s) {
            case 'p':
                ws.keyboard.press(kDown);
                break;
            case 'r':
                ws.keyboard.release(kDown);
                break;
            case 't':
                ws.keyboard.tap(kDown);
                break;
            default:
                reads += ws.keyDown(kDown) ? '1' : '0';
        }
    }
    EXPECT_EQ(reads, GetParam().reads);
    EXPECT_FALSE(ws.keyDown(38)) << "another key";
}

INSTANTIATE_TEST_SUITE_P(Keys, SimKeyboardTest,
                         ::testing::Values(KeyScript{"q", "0"}, KeyScript{"pqqrq", "110"},
                                           KeyScript{"tqq", "10"}, KeyScript{"prqq", "10"},
                                           KeyScript{"pqrpq", "11"}, KeyScript{"ppqrqq", "100"},
                                           KeyScript{"ttq", "1"}));

}  // namespace
}  // namespace wardo::platform::sim
