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

    // A one-shot event at `ms` from now.
    void at(int ms, std::function<void()> what) {
        auto id = std::make_shared<platform::TimerId>(0);
        *id = desk.loop.startTimer(ms, [this, id, what = std::move(what)] {
            desk.loop.stopTimer(*id);
            what();
        });
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
    EXPECT_EQ(model().micPresses(), RoomLink::kMaxMicroPresses);
    EXPECT_EQ(now() - t0, (RoomLink::kMaxMicroPresses - 1) * RoomLink::kPauseBetweenPressesMs);
    EXPECT_FALSE(link.MicroOccupe());

    model().refuseMic = false;
    model().otherTakesMic();  // the talk button is off and never comes back
    link.LibereMicro();
    EXPECT_EQ(model().micPresses(), 2 * RoomLink::kMaxMicroPresses);
}

TEST_F(Microphone, APressTheClientAppliesLateIsNotUndoneByASecondPress) {
    // The client changes the buttons only after a round trip to the room's server.
    std::int64_t appliesAt = -1;
    int presses = 0;
    desk.windows.hooks(room.micButton()).onMouseUp = [&] {
        ++presses;
        appliesAt = now() + 30;
    };
    desk.windows.hooks(room.mic2Button()).enabled = [&] { return appliesAt < 0 || now() < appliesAt; };
    link.PrendMicro();
    EXPECT_EQ(presses, 1);
    EXPECT_TRUE(link.MicroOccupe());
}

TEST_F(Microphone, AVanishedButtonEndsWithinTheBound) {
    desk.windows.destroy(room.micButton());
    link.LibereMicro();  // reads busy for ever
    const auto log = desk.windows.log();
    EXPECT_EQ(log.size(), 2u * RoomLink::kMaxMicroPresses);
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
    at(2000, [&] {
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

TEST_F(Microphone, WaitEndedByAFlagPressesNothingAndTheNextWaitClearsIt) {
    model().otherTakesMic();
    at(1000, [&] { link.EmissionSonAnnulee = true; });
    link.AttendMicroLibre();
    EXPECT_TRUE(link.EmissionSonAnnulee);
    EXPECT_FALSE(link.EmissionSonImmediate);
    EXPECT_EQ(model().micPresses(), 0);
    EXPECT_EQ(notice.events, (std::vector<std::string>{"show", "hide"}));

    at(500, [&] { link.EmissionSonImmediate = true; });
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
    at(300, [&] { desk.loop.quit(0); });
    link.AttendMicroLibre();
    EXPECT_EQ(model().micPresses(), 0);
}

}  // namespace
}  // namespace wardo::chatlink
