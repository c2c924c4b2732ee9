// Recorded message boxes and sounds, and the time that blocking sounds take.
#include <gtest/gtest.h>

#include "platform/sim/sim_event_loop.h"
#include "platform/sim/sim_message_boxes.h"
#include "platform/sim/sim_sounds.h"

namespace wardo::platform::sim {
namespace {

TEST(SimMessageBoxes, RecordsBoxesAndAnswersFromTheScript) {
    SimEventLoop loop;
    SimMessageBoxes boxes(loop);
    boxes.answer(BoxAnswer::No);
    int seen = 0;
    boxes.whileShown = [&](const ShownBox& b) {
        ++seen;
        EXPECT_EQ(b.title, L"Titre");
    };
    Point at{40, 50};
    EXPECT_EQ(boxes.show(L"Sûr ?", L"Titre", BoxButtons::YesNo, BoxIcon::Question, &at), BoxAnswer::No);
    EXPECT_EQ(boxes.show(L"Fini", L"Titre", BoxButtons::Ok, BoxIcon::None), BoxAnswer::Ok);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(boxes.shown()[0].text, L"Sûr ?");
    ASSERT_TRUE(boxes.shown()[0].at.has_value());
    EXPECT_EQ(boxes.shown()[0].at->x, 40);
    EXPECT_FALSE(boxes.shown()[1].at.has_value());
    EXPECT_EQ(boxes.shown()[1].answer, BoxAnswer::Ok);
}

TEST(SimSounds, BlockingSoundsTakeTheirTimeAsynchronousOnesDoNot) {
    SimEventLoop loop;
    SimSounds sounds(loop);
    const auto t0 = loop.nowMs();
    sounds.setDuration(L"C:\\siren.wav", 3000);
    EXPECT_TRUE(sounds.playWav(L"C:\\siren.wav", false));
    EXPECT_EQ(loop.nowMs(), t0 + 3000);
    EXPECT_TRUE(sounds.playWav(L"C:\\other.wav", true));
    EXPECT_EQ(loop.nowMs(), t0 + 3000);
    sounds.beep(800, 200);
    EXPECT_EQ(loop.nowMs(), t0 + 3200);
    sounds.messageBeep();
    sounds.playable = [](const std::wstring& p) { return p != L"C:\\missing.wav"; };
    EXPECT_FALSE(sounds.playWav(L"C:\\missing.wav", false));
    EXPECT_EQ(loop.nowMs(), t0 + 3200) << "a sound that cannot play does not block";

    const auto& p = sounds.played();
    ASSERT_EQ(p.size(), 5u);
    EXPECT_EQ(p[0].timeMs, t0);
    EXPECT_EQ(p[0].durationMs, 3000);
    EXPECT_TRUE(p[1].async);
    EXPECT_EQ(p[2].kind, SoundKind::Beep);
    EXPECT_EQ(p[2].frequencyHz, 800);
    EXPECT_EQ(p[2].timeMs, t0 + 3000);
    EXPECT_EQ(p[3].kind, SoundKind::MessageBeep);
    EXPECT_FALSE(p[4].played);
}

TEST(SimSounds, TimersDoNotFireDuringABlockingSound) {
    SimEventLoop loop;
    SimSounds sounds(loop);
    int ticks = 0;
    loop.startTimer(100, [&] { ++ticks; });
    sounds.playWav(L"x.wav", false);
    EXPECT_EQ(ticks, 0);
}

}  // namespace
}  // namespace wardo::platform::sim
