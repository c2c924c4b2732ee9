// The time that sounds take on the virtual clock: a blocking sound holds the thread, timers included.
#include <gtest/gtest.h>

#include "platform/sim/sim_event_loop.h"
#include "platform/sim/sim_sounds.h"

namespace wardo::platform::sim {
namespace {

TEST(SimSounds, BlockingSoundsTakeTheirTimeWithoutTicksAsynchronousOnesDoNot) {
    SimEventLoop loop;
    SimSounds sounds(loop);
    int ticks = 0;
    loop.startTimer(100, [&] { ++ticks; });
    const auto t0 = loop.nowMs();
    sounds.setDuration(L"C:\\siren.wav", 3000);
    EXPECT_TRUE(sounds.playWav(L"C:\\siren.wav", false));
    EXPECT_EQ(loop.nowMs(), t0 + 3000);
    EXPECT_EQ(ticks, 0) << "no timer fires during a blocking sound";
    EXPECT_TRUE(sounds.playWav(L"C:\\other.wav", true));
    EXPECT_EQ(loop.nowMs(), t0 + 3000);
    sounds.beep(800, 200);
    EXPECT_EQ(loop.nowMs(), t0 + 3200);
    sounds.playable = [](const std::wstring& p) { return p != L"C:\\missing.wav"; };
    EXPECT_FALSE(sounds.playWav(L"C:\\missing.wav", false));
    EXPECT_EQ(loop.nowMs(), t0 + 3200) << "a sound that cannot play does not block";

    // Each sound is recorded when it starts.
    const auto& p = sounds.played();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].timeMs, t0);
    EXPECT_EQ(p[2].timeMs, t0 + 3000);
    EXPECT_FALSE(p[3].played);
}

}  // namespace
}  // namespace wardo::platform::sim
