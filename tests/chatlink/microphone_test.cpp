// The microphone buttons: reading the state, taking and releasing it within bounds, and the wait for a
// free microphone with its notice and the user's two ways out.
#include <gtest/gtest.h>

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
    EXPECT_EQ(pressTimes(t0), (std::vector<std::int64_t>{0, 1000})) << "each press gets a second to show";
    EXPECT_EQ(now() - t0, 2000);
    EXPECT_FALSE(link.MicroOccupe());

    model().refuseMic = false;
    model().otherTakesMic();  // the talk button is off and never comes back
    link.LibereMicro();
    EXPECT_EQ(model().micPresses(), 4);
}

// A client that applies a press only after its server answered: each press is watched until it shows,
// so none is undone by a second one, unless the client is slower than the second the robot gives it.
struct SlowClient {
    int delayMs;
    bool take;                          // PrendMicro, else LibereMicro of a held microphone
    std::vector<std::int64_t> presses;  // ms after the call
    std::int64_t returnsAfterMs;
    Mic atReturn;
    Mic later;  // once every press has landed
};

std::ostream& operator<<(std::ostream& os, const SlowClient& c) {
    return os << c.delayMs << " ms, " << (c.take ? "take" : "release");
}

class SlowClients : public Microphone, public ::testing::WithParamInterface<SlowClient> {};

TEST_P(SlowClients, EachPressShowsBeforeTheNext) {
    const SlowClient& c = GetParam();
    if (!c.take) model().pressMic();
    model().micDelayMs = c.delayMs;
    const auto t0 = now();
    if (c.take)
        link.PrendMicro();
    else
        link.LibereMicro();
    EXPECT_EQ(pressTimes(t0), c.presses);
    EXPECT_EQ(now() - t0, c.returnsAfterMs);
    EXPECT_EQ(model().mic(), c.atReturn);
    desk.loop.sleep(3000);
    model().settle();
    EXPECT_EQ(model().mic(), c.later);
}

INSTANTIATE_TEST_SUITE_P(Microphone, SlowClients,
                         ::testing::Values(SlowClient{30, true, {0}, 30, Mic::User, Mic::User},
                                           SlowClient{300, true, {0}, 300, Mic::User, Mic::User},
                                           SlowClient{300, false, {0}, 300, Mic::Free, Mic::Free},
                                           // Taken at 1500, given back at 2500 by the second press.
                                           SlowClient{1500, true, {0, 1000}, 1500, Mic::User, Mic::Free}));

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
    EXPECT_LE(looks, 2 + 30'005 / 10 + 1) << "two looks at the start, then one every 10 ms at most";
    const auto presses = pressTimes(t0);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_GE(presses[0], 30'005);
    EXPECT_LE(presses[0], 30'015);
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
