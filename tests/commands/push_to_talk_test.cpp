// The push-to-talk key and "Voice prio" as the robot sees the room's microphone: every transition, the
// latch that makes one press act once, the 20-second give-up on the seconds clock, and the beeps.
#include <functional>

#include "microphone_fixture.h"

namespace wardo::panel::testing {
namespace {

enum class From { Free, Busy, Held, KeyWait, PriorityWait, ReleaseWatch };

struct Transition {
    const char* name;
    From from;
    std::function<void(MicrophoneTest&)> event;
    std::vector<std::pair<int, int>> tones;
    int presses;
    bool microPris;
    Mic micAfter;
    std::function<void(Reglages&, app::Program&)> check;
    friend std::ostream& operator<<(std::ostream& os, const Transition& t) { return os << t.name; }
};

class MicrophoneTransition : public MicrophoneTest, public ::testing::WithParamInterface<Transition> {
protected:
    void reach(From from) {
        switch (from) {
            case From::Free:
                break;
            case From::Busy:
                room().otherTakesMic();
                break;
            case From::Held:
                room().pressMic();
                program->MicroPris = program->BipPriseDonne = true;
                break;
            case From::KeyWait:
                room().otherTakesMic();
                pressKey();
                break;
            case From::PriorityWait:
                room().otherTakesMic();
                reglages().microprio.click();
                desk.loop.runFor(100);
                break;
            case From::ReleaseWatch:
                reach(From::PriorityWait);
                room().otherReleasesMic();
                desk.loop.runFor(100);
                break;
        }
    }
};

TEST_P(MicrophoneTransition, AsTheTableSays) {
    const Transition& t = GetParam();
    Reglages& r = start();
    reach(t.from);
    desk.sounds.clear();
    const int before = room().micPresses();
    t.event(*this);
    EXPECT_EQ(tones(), t.tones);
    EXPECT_EQ(room().micPresses() - before, t.presses);
    EXPECT_EQ(program->MicroPris, t.microPris);
    EXPECT_EQ(room().mic(), t.micAfter);
    if (t.check) t.check(r, *program);
}

using R = Reglages&;
using P = app::Program&;

void key(MicrophoneTest& m) {
    m.pressKey();
}
void otherLeaves(MicrophoneTest& m) {
    m.room().otherReleasesMic();
    m.desk.loop.runFor(10);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Microphone, MicrophoneTransition, ::testing::Values(
    Transition{"KeyOnFreeTakes", From::Free, key, {{1000, 50}}, 1, true, Mic::User,
               [](R r, P) { EXPECT_FALSE(r.TimerToucheMicro.running()); }},
    Transition{"KeyOnBusyWaits", From::Busy, key, {{300, 500}}, 0, false, Mic::Other,
               [](R r, P) { EXPECT_TRUE(r.TimerToucheMicro.running()); }},
    Transition{"KeyOnHeldReleases", From::Held, key, {{500, 50}}, 1, false, Mic::Free,
               [](R, P p) { EXPECT_FALSE(p.BipPriseDonne); }},
    Transition{"KeyWaitTakesOnceFree", From::KeyWait, otherLeaves, {{1000, 50}}, 1, true, Mic::User,
               [](R r, P) { EXPECT_FALSE(r.TimerToucheMicro.running()); }},
    Transition{"KeyWaitGivesUp", From::KeyWait, [](MicrophoneTest& m) { m.desk.loop.runFor(21100); },
               {{300, 500}}, 0, false, Mic::Other,
               [](R r, P p) {
                   EXPECT_FALSE(r.TimerToucheMicro.running());
                   EXPECT_FALSE(p.ToucheMicroEnfoncee);
               }},
    Transition{"VoicePrioStartsThePriorityWait", From::Held,
               [](MicrophoneTest& m) {
                   m.reglages().microprio.click();
                   m.desk.loop.runFor(100);
               },
               {}, 0, true, Mic::User,
               [](R r, P) {
                   EXPECT_TRUE(r.PriseMicro.running());
                   EXPECT_EQ(r.microprio.caption(), L"Attente ...");
               }},
    Transition{"PriorityWaitTakesOnceFree", From::PriorityWait, otherLeaves, {{1000, 50}}, 1, true, Mic::User,
               [](R r, P) {
                   EXPECT_FALSE(r.PriseMicro.running());
                   EXPECT_TRUE(r.AttenteLacheMicro.running());
                   EXPECT_FALSE(r.microprio.enabled());
                   EXPECT_EQ(r.microprio.caption(), L"Micro svp !");
               }},
    // The user's own click in the room; MicroPris stays until the poller sees the microphone free.
    Transition{"ReleaseWatchHandsTheCountdown", From::ReleaseWatch,
               [](MicrophoneTest& m) {
                   m.room().pressMic();
                   m.desk.loop.runFor(50);
               },
               {}, 1, true, Mic::Free,
               [](R r, P p) {
                   EXPECT_FALSE(r.AttenteLacheMicro.running());
                   EXPECT_TRUE(p.DecompteVoicePrio);
                   EXPECT_EQ(p.CompteurVoicePrio, 0);
               }}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(MicrophoneTest, HoldingTheKeyActsOnceAndTheNextPressNeedsItSeenUp) {
    start();
    desk.windows.keyboard.press(kDown);
    for (int i = 0; i < 10; ++i) {
        desk.loop.runFor(200);
        pollerTick();
    }
    EXPECT_EQ(room().micPresses(), 1);
    EXPECT_EQ(room().mic(), Mic::User);

    desk.windows.keyboard.release(kDown);
    desk.loop.runFor(100);
    desk.windows.keyboard.press(kDown);
    desk.loop.runFor(100);
    desk.windows.keyboard.release(kDown);
    EXPECT_EQ(room().micPresses(), 1) << "not yet seen up by the poller";
    nextPress();
    EXPECT_EQ(room().micPresses(), 2);
    EXPECT_EQ(room().mic(), Mic::Free);
}

TEST_F(MicrophoneTest, ASecondPressDuringAWaitRestartsIt) {
    start();
    room().otherTakesMic();
    pressKey();
    desk.loop.runFor(5000);
    nextPress();
    const std::int64_t second = lastToneAt(300);
    EXPECT_EQ(tones(), (std::vector<Tone>{{300, 500}, {300, 500}}));
    desk.loop.runFor(19000);
    EXPECT_TRUE(reglages().TimerToucheMicro.running()) << "the first press would have given up by now";
    desk.loop.runFor(3000);
    EXPECT_FALSE(reglages().TimerToucheMicro.running());
    const std::int64_t gaveUp = lastToneAt(300);
    EXPECT_GE(gaveUp - second, 20000);
    EXPECT_LE(gaveUp - second, 21010);
}

// The clock is read in whole seconds: a press anywhere in a second gives up 21 seconds after that second
// began, across midnight too.
struct PressAt {
    const char* name;
    int hour, minute, second, intoMs;
};

class GiveUp : public MicrophoneTest, public ::testing::WithParamInterface<PressAt> {};

TEST_P(GiveUp, TwentyOneSecondsAfterTheStartOfTheSecondOfThePress) {
    const PressAt& p = GetParam();
    start();
    room().otherTakesMic();
    desk.loop.setTimeOfDay(p.hour, p.minute, p.second);
    const std::int64_t secondStart = desk.loop.nowMs();
    desk.loop.runFor(p.intoMs);
    pressKey();
    ASSERT_LT(lastToneAt(300) - secondStart, 1000) << "the press is seen within its second";
    desk.loop.runFor(22000);
    const std::int64_t gaveUp = lastToneAt(300);
    EXPECT_GE(gaveUp - secondStart, 21000);
    EXPECT_LE(gaveUp - secondStart, 21010);
}

INSTANTIATE_TEST_SUITE_P(PressAt, GiveUp,
                         ::testing::Values(PressAt{"Second10", 0, 0, 10, 0},
                                           PressAt{"Second10Late", 0, 0, 10, 890},
                                           PressAt{"TenSecondsBeforeMidnight", 23, 59, 50, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// The member leaves the microphone as the 20 seconds run out: the tick that takes it keeps it, and the key
// releases it afterwards.
struct LateTake {
    const char* name;
    int leavesBeforeLimitMs;
    int clientDelayMs;  // the room applies each press this late
    friend std::ostream& operator<<(std::ostream& os, const LateTake& t) { return os << t.name; }
};

class TakeAtTheLimit : public MicrophoneTest, public ::testing::WithParamInterface<LateTake> {};

TEST_P(TakeAtTheLimit, KeepsTheMicrophone) {
    const LateTake& t = GetParam();
    start();
    room().otherTakesMic();
    room().micDelayMs = t.clientDelayMs;
    desk.loop.setTimeOfDay(0, 0, 10);
    const std::int64_t limit = desk.loop.nowMs() + 21000;  // a press at second 10 waits until 31.0
    pressKey();
    // The client changes its buttons with no event in the robot.
    for (platform::WindowHandle b : {room_->micButton(), room_->mic2Button()}) {
        auto shows = desk.windows.hooks(b).enabled;
        desk.windows.hooks(b).enabled = [this, shows, at = limit - t.leavesBeforeLimitMs] {
            if (desk.loop.nowMs() >= at && room().mic() == Mic::Other) room().otherReleasesMic();
            return shows();
        };
    }
    desk.loop.runFor(limit + 3000 - desk.loop.nowMs());
    EXPECT_EQ(room().mic(), Mic::User);
    EXPECT_TRUE(program->MicroPris);
    EXPECT_FALSE(reglages().TimerToucheMicro.running());
    EXPECT_EQ(tones(), (std::vector<Tone>{{300, 500}, {1000, 50}})) << "no give-up tone";

    nextPress();
    desk.loop.runFor(3000);
    EXPECT_EQ(room().mic(), Mic::Free);
    EXPECT_FALSE(program->MicroPris);
}

INSTANTIATE_TEST_SUITE_P(PressAt, TakeAtTheLimit,
                         ::testing::Values(LateTake{"FreedAsTheLimitComes", 0, 0},
                                           LateTake{"SlowClientFreedJustBefore", 800, 1500}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MicrophoneTest, TheTakeBeepSoundsOncePerTake) {
    start();
    reglages().microprio.click();
    desk.loop.runFor(100);
    EXPECT_EQ(tones(), (std::vector<Tone>{{1000, 50}}));
    // Released in the room: until the poller has seen it free the robot believes it still holds it.
    room().pressMic();
    pressKey();
    EXPECT_EQ(tones(), (std::vector<Tone>{{1000, 50}}));
    EXPECT_EQ(room().mic(), Mic::Free);
    nextPress();
    nextPress();  // released by the key
    nextPress();
    EXPECT_EQ(tones(), (std::vector<Tone>{{1000, 50}, {1000, 50}, {500, 50}, {1000, 50}}));
    EXPECT_EQ(room().mic(), Mic::User);
}

TEST_F(MicrophoneTest, WithoutTheBeepOptionOnlyTheBusyTonesSound) {
    start("AvecBip=0\r\n");
    pressKey();
    nextPress();
    room().otherTakesMic();
    nextPress();
    desk.loop.runFor(21500);
    reglages().microprio.click();
    room().otherReleasesMic();
    desk.loop.runFor(100);
    EXPECT_EQ(room().mic(), Mic::User);
    EXPECT_EQ(room().micPresses(), 3);
    EXPECT_EQ(tones(), (std::vector<Tone>{{300, 500}, {300, 500}}));
}

// "Voice prio": the take follows the release within one 10 ms tick, however long the wait.
TEST_F(MicrophoneTest, VoicePrioWaitsWithoutLimitAndTakesWithinATickOfTheRelease) {
    Reglages& r = start();
    room().otherTakesMic();
    r.microprio.click();
    desk.loop.runFor(60000);
    r.microprio.click();  // changes nothing
    EXPECT_EQ(r.microprio.caption(), L"Attente ...");
    EXPECT_TRUE(r.microprio.enabled());
    EXPECT_EQ(room().micPresses(), 0);

    room().otherReleasesMic();
    desk.loop.runFor(10);
    EXPECT_EQ(room().mic(), Mic::User);
    EXPECT_EQ(room().micPresses(), 1);
    desk.loop.runFor(5000);
    EXPECT_EQ(r.microprio.caption(), L"Micro svp !") << "until the microphone is released";
}

}  // namespace
}  // namespace wardo::panel::testing
