// The microphone buttons: reading the state, taking and releasing it within bounds, and the wait for a
// free microphone with its notice and the user's two ways out.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "room_fixture.h"

namespace wardo::chatlink {
namespace {

using Mic = room::RoomModel::Mic;

class Notice : public MicroWaitNotice {
public:
    void showNotice() override { events.push_back("show"); }
    void hideNotice() override { events.push_back("hide"); }
    std::vector<std::string> events;
};

class Microphone : public testing::RoomFixture {
protected:
    Microphone() { link.notice = &notice; }

    // When each press of the talk button went down, in ms after t0.
    std::vector<std::int64_t> pressTimes(std::int64_t t0) {
        std::vector<std::int64_t> at;
        for (const auto& m : desk.windows.logFor(room.micButton()))
            if (m.kind == platform::sim::MessageKind::LButtonDown) at.push_back(m.timeMs - t0);
        return at;
    }

    Notice notice;
};

TEST_F(Microphone, BusyUnlessBothButtonsAreEnabled) {
    EXPECT_FALSE(link.MicroOccupe());
    model().pressMic();
    EXPECT_EQ(model().mic(), Mic::User);
    EXPECT_TRUE(link.MicroOccupe());
    model().otherTakesMic();
    EXPECT_TRUE(link.MicroOccupe());
    model().otherReleasesMic();
    EXPECT_FALSE(link.MicroOccupe());
    link.HandleBoutonMicro2 = 0;
    EXPECT_TRUE(link.MicroOccupe()) << "a missing button reads busy";
    EXPECT_TRUE(RoomLink(desk.platform()).MicroOccupe());
}

TEST_F(Microphone, TakeAndReleasePressOnceEach) {
    link.PrendMicro();
    EXPECT_EQ(model().mic(), Mic::User);
    EXPECT_EQ(model().micPresses(), 1);
    link.LibereMicro();
    EXPECT_EQ(model().mic(), Mic::Free);
    EXPECT_EQ(model().micPresses(), 2);
    const auto log = desk.windows.logFor(room.micButton());
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].kind, platform::sim::MessageKind::LButtonDown);
    EXPECT_EQ(log[1].kind, platform::sim::MessageKind::LButtonUp);
}

TEST_F(Microphone, TakingABusyOrReleasingAFreeMicrophonePressesNothing) {
    model().otherTakesMic();
    link.PrendMicro();
    EXPECT_EQ(model().micPresses(), 0);
    model().otherReleasesMic();
    link.LibereMicro();
    EXPECT_EQ(model().micPresses(), 0);
    EXPECT_TRUE(desk.windows.log().empty());
}

TEST_F(Microphone, ARoomThatRefusesTheMicrophoneEndsWithinTheBound) {
    model().refuseMic = true;
    const auto t0 = now();
    link.PrendMicro();
    EXPECT_EQ(pressTimes(t0), (std::vector<std::int64_t>{0, 3000})) << "pressed again after 3 s unchanged";
    EXPECT_LE(now() - t0, 6000);
    EXPECT_FALSE(link.MicroOccupe());

    model().refuseMic = false;
    model().otherTakesMic();  // the talk button is off and never comes back
    link.LibereMicro();
    EXPECT_EQ(model().micPresses(), 4);
}

// A client that applies a press only after its server answered: one press, however slow the client
// within the 3 s it is given, and the call returns once the press shows.
class SlowClients : public Microphone, public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(SlowClients, OnePressEndsInTheAskedState) {
    const auto [delayMs, take] = GetParam();
    if (!take) model().pressMic();
    model().micDelayMs = delayMs;
    const Mic asked = take ? Mic::User : Mic::Free;
    const auto t0 = now();
    if (take)
        link.PrendMicro();
    else
        link.LibereMicro();
    EXPECT_EQ(pressTimes(t0), (std::vector<std::int64_t>{0}));
    EXPECT_GE(now() - t0, delayMs);
    EXPECT_LE(now() - t0, delayMs + 50) << "returns once the press shows";
    EXPECT_EQ(model().mic(), asked);
    desk.loop.sleep(10000);
    model().settle();
    EXPECT_EQ(model().mic(), asked);
}

INSTANTIATE_TEST_SUITE_P(Microphone, SlowClients,
                         ::testing::Combine(::testing::Values(30, 300, 1500, 2500), ::testing::Bool()),
                         [](const auto& info) {
                             return std::to_string(std::get<0>(info.param)) + "ms" +
                                    (std::get<1>(info.param) ? "Take" : "Release");
                         });

// While it asks its server, this client greys both buttons, which still reads busy: the press has been
// seen, and a second one would take the microphone back once both have landed.
TEST_F(Microphone, AClientShowingThePressUnderWayIsNotPressedAgain) {
    model().pressMic();
    model().micDelayMs = 4000;
    for (WindowHandle b : {room.micButton(), room.mic2Button()}) {
        auto shows = desk.windows.hooks(b).enabled;
        desk.windows.hooks(b).enabled = [this, shows] {
            const bool shown = shows();  // lands the press when due
            const auto due = model().nextPressDueMs();
            return shown && !(due && now() >= *due - model().micDelayMs + 200);
        };
    }
    const auto t0 = now();
    link.LibereMicro();
    EXPECT_EQ(pressTimes(t0), (std::vector<std::int64_t>{0}));
    desk.loop.sleep(4000);
    EXPECT_FALSE(link.MicroOccupe());
    EXPECT_EQ(model().mic(), Mic::Free);
}

TEST_F(Microphone, AVanishedButtonEndsWithinTheBound) {
    desk.windows.destroy(room.micButton());
    link.LibereMicro();  // reads busy for ever
    const auto log = desk.windows.log();
    EXPECT_EQ(log.size(), 4u) << "two presses, each down and up";
    for (const auto& m : log) EXPECT_FALSE(m.delivered);
}

TEST_F(Microphone, WaitWithAFreeMicrophoneNeverShowsTheNoticeAndPressesOnce) {
    const auto t0 = now();
    link.AttendMicroLibre();
    EXPECT_EQ(notice.events, (std::vector<std::string>{"hide"}));
    EXPECT_EQ(model().micPresses(), 1);
    EXPECT_EQ(model().mic(), Mic::User);
    EXPECT_FALSE(link.EmissionSonAnnulee);
    EXPECT_FALSE(link.EmissionSonImmediate);
    EXPECT_LE(now() - t0, 1);
}

TEST_F(Microphone, WaitLetsTimersRunUntilTheMicrophoneIsFreeThenTakesIt) {
    model().otherTakesMic();
    int polls = 0;
    desk.loop.startTimer(200, [&] {
        ++polls;
        link.EnvoieChat(L"Bienvenue");  // the poller greets someone meanwhile
    });
    desk.loop.at(2000, [&] {
        model().otherReleasesMic();
        EXPECT_EQ(notice.events, (std::vector<std::string>{"show"}));
    });
    const auto t0 = now();
    link.AttendMicroLibre();
    EXPECT_GE(now() - t0, 2000);
    EXPECT_GE(polls, 5);
    EXPECT_EQ(notice.events, (std::vector<std::string>{"show", "hide"}));
    EXPECT_EQ(model().micPresses(), 1);
    EXPECT_EQ(model().mic(), Mic::User);
}

TEST_F(Microphone, AWaitYieldsBetweenItsLooksAndTakesWithinOneOfThem) {
    // Another member speaks for 30 s; the client changes its buttons with no event in the robot.
    const auto t0 = now();
    int looks = 0;
    desk.windows.hooks(room.mic2Button()).enabled = [&] {
        ++looks;
        return now() >= t0 + 30'005;
    };
    link.AttendMicroLibre();
    EXPECT_LE(looks, 2 + 30'005 / 50 + 1) << "two looks at the start, then one every 50 ms at most";
    const auto presses = pressTimes(t0);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_GE(presses[0], 30'005);
    EXPECT_LE(presses[0], 30'055);
}

TEST_F(Microphone, WaitEndedByAFlagPressesNothingAndTheNextWaitClearsIt) {
    model().otherTakesMic();
    desk.loop.at(1000, [&] { link.EmissionSonAnnulee = true; });
    link.AttendMicroLibre();
    EXPECT_TRUE(link.EmissionSonAnnulee);
    EXPECT_FALSE(link.EmissionSonImmediate);
    EXPECT_EQ(model().micPresses(), 0);
    EXPECT_EQ(notice.events, (std::vector<std::string>{"show", "hide"}));

    desk.loop.at(500, [&] { link.EmissionSonImmediate = true; });
    link.AttendMicroLibre();
    EXPECT_FALSE(link.EmissionSonAnnulee) << "cleared at the start of the next wait";
    EXPECT_TRUE(link.EmissionSonImmediate);
    EXPECT_EQ(model().micPresses(), 0);

    model().otherReleasesMic();
    link.AttendMicroLibre();
    EXPECT_FALSE(link.EmissionSonAnnulee);
    EXPECT_FALSE(link.EmissionSonImmediate);
    EXPECT_EQ(model().micPresses(), 1);
}

TEST_F(Microphone, WaitEndsWhenTheProgramQuits) {
    model().otherTakesMic();
    desk.loop.at(300, [&] { desk.loop.quit(0); });
    link.AttendMicroLibre();
    EXPECT_EQ(model().micPresses(), 0);
}

}  // namespace
}  // namespace wardo::chatlink
