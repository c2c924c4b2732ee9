// The virtual clock and the timers: what the program's timing tests rely on.
#include <gtest/gtest.h>

#include <vector>

#include "platform/sim/sim_event_loop.h"

namespace wardo::platform::sim {
namespace {

TEST(SimEventLoop, SleepDoesNotFireTimersButTheNextPassFiresThemOnce) {
    SimEventLoop loop;
    int ticks = 0;
    loop.startTimer(100, [&] { ++ticks; });
    loop.sleep(550);
    EXPECT_EQ(ticks, 0);
    loop.doEvents();
    EXPECT_EQ(ticks, 1) << "missed ticks do not pile up";
    loop.doEvents();
    EXPECT_EQ(ticks, 1);
}

TEST(SimEventLoop, RunForFiresEachTimerAtItsDueTimes) {
    SimEventLoop loop;
    const auto t0 = loop.nowMs();
    std::vector<std::pair<char, std::int64_t>> fired;
    loop.startTimer(200, [&] { fired.emplace_back('a', loop.nowMs() - t0); });
    loop.startTimer(500, [&] { fired.emplace_back('b', loop.nowMs() - t0); });
    loop.runFor(1000);
    std::vector<std::pair<char, std::int64_t>> expected{{'a', 200}, {'a', 400},  {'b', 500}, {'a', 600},
                                                        {'a', 800}, {'a', 1000}, {'b', 1000}};
    EXPECT_EQ(fired, expected);
}

TEST(SimEventLoop, ATickThatSleepsDelaysTheNextTicks) {
    SimEventLoop loop;
    const auto t0 = loop.nowMs();
    std::vector<std::int64_t> at;
    loop.startTimer(100, [&] {
        at.push_back(loop.nowMs() - t0);
        loop.sleep(150);
    });
    loop.runFor(600);
    // Due at 200 while the tick sleeps: fires at 250, the next one is counted from there.
    EXPECT_EQ(at, (std::vector<std::int64_t>{100, 250, 400, 550}));
}

TEST(SimEventLoop, StopAndStartFromInsideTicks) {
    SimEventLoop loop;
    int a = 0, b = 0;
    TimerId ta = 0;
    ta = loop.startTimer(100, [&] {
        if (++a == 2) loop.stopTimer(ta);
    });
    loop.startTimer(50, [&] {
        if (++b == 1) loop.startTimer(10, [] {});
    });
    loop.runFor(1000);
    EXPECT_EQ(a, 2);
    EXPECT_FALSE(loop.timerActive(ta));
    EXPECT_EQ(b, 20);
    EXPECT_EQ(loop.activeTimers(), 2u);
    loop.stopTimer(9999);  // unknown id: nothing happens
}

TEST(SimEventLoop, NestedPumpFiresOtherTimersButNotTheRunningOne) {
    SimEventLoop loop;
    std::vector<std::string> trace;
    int outerTicks = 0;
    loop.startTimer(100, [&] {
        ++outerTicks;
        trace.push_back("outer begin");
        for (int i = 0; i < 300; ++i) loop.doEvents();  // a wait that pumps: 300 idle ms at most
        trace.push_back("outer end");
    });
    loop.startTimer(120, [&] { trace.push_back("inner"); });
    loop.runFor(100);
    ASSERT_GE(trace.size(), 3u);
    EXPECT_EQ(trace.front(), "outer begin");
    EXPECT_EQ(trace.back(), "outer end");
    EXPECT_EQ(outerTicks, 1) << "its own tick is not fired again while it runs";
    EXPECT_GE(std::count(trace.begin(), trace.end(), "inner"), 2);
    // Its overdue tick comes at the first pass after it returned.
    loop.doEvents();
    EXPECT_EQ(outerTicks, 2);
}

TEST(SimEventLoop, ATimerAllowedToNestFiresInsideItsOwnTickThatPumps) {
    SimEventLoop loop;
    const auto t0 = loop.nowMs();
    std::vector<std::int64_t> begun;
    int depth = 0, deepest = 0;
    loop.startTimer(
        100,
        [&] {
            begun.push_back(loop.nowMs() - t0);
            deepest = std::max(deepest, ++depth);
            if (begun.size() == 1) loop.runFor(250);  // a box that waits, pumping
            --depth;
        },
        TimerNesting::Allowed);
    loop.runFor(100);
    EXPECT_EQ(begun, (std::vector<std::int64_t>{100, 200, 300}));
    EXPECT_EQ(deepest, 2);
    loop.runFor(100);
    EXPECT_EQ(begun.back(), 400) << "counted from its last tick, nested or not";
}

TEST(SimEventLoop, ATickThatThrowsCanFireAgain) {
    SimEventLoop loop;
    int ticks = 0;
    loop.startTimer(10, [&] {
        ++ticks;
        throw std::runtime_error("tick failed");
    });
    EXPECT_THROW(loop.runFor(10), std::runtime_error);
    EXPECT_THROW(loop.runFor(10), std::runtime_error);
    EXPECT_EQ(ticks, 2);
}

TEST(SimEventLoop, PostedWorkRunsAtTheNextPassInOrder) {
    SimEventLoop loop;
    std::vector<int> order;
    loop.post([&] {
        order.push_back(1);
        loop.post([&] { order.push_back(3); });
    });
    loop.post([&] { order.push_back(2); });
    EXPECT_TRUE(order.empty());
    loop.doEvents();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    loop.doEvents();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

// A test that waits for what never comes ends in a stall instead of hanging.
TEST(SimEventLoop, EveryWaitForWhatNeverComesStalls) {
    const auto never = [] { return false; };
    const auto forever = [](const auto& pass) {
        for (;;) pass();
    };
    SimEventLoop empty, idle, waiting, ticking;
    idle.idlePassBound = waiting.idlePassBound = 1000;
    EXPECT_THROW(empty.runUntil(never), SimStall);
    EXPECT_THROW(forever([&] { idle.doEvents(); }), SimStall);
    EXPECT_THROW(forever([&] { waiting.waitForEvents(0); }), SimStall);
    ticking.startTimer(1000, [] {});
    ticking.runUntilBoundMs = 60'000;
    EXPECT_THROW(ticking.runUntil(never), SimStall);
    EXPECT_LE(ticking.nowMs() - SimEventLoop::kStartMs, 61'000);
}

TEST(SimEventLoop, AModalLoopInsideATickRunsTheOtherTimers) {
    SimEventLoop loop;
    const auto t0 = loop.nowMs();
    bool closed = false;
    std::int64_t modalEnded = -1;
    loop.startTimer(100, [&] {
        if (modalEnded >= 0) return;
        loop.runUntil([&] { return closed; });
        modalEnded = loop.nowMs() - t0;
    });
    loop.startTimer(1000, [&] { closed = true; });
    loop.runFor(1000);
    EXPECT_EQ(modalEnded, 1000);
}

TEST(SimEventLoop, IdlePumpingCostsVirtualTime) {
    SimEventLoop loop;
    const auto t0 = loop.nowMs();
    bool fired = false;
    loop.startTimer(40, [&] { fired = true; });
    while (!fired) loop.doEvents();
    EXPECT_EQ(loop.nowMs() - t0, 40);
}

TEST(SimEventLoop, AWaitPassMovesToTheNextTimerOrByItsLimit) {
    SimEventLoop loop;
    const auto t0 = loop.nowMs();
    std::vector<std::int64_t> ticks;
    loop.startTimer(25, [&] { ticks.push_back(loop.nowMs() - t0); });
    std::vector<std::int64_t> after;
    for (int i = 0; i < 4; ++i) {
        loop.waitForEvents(10);
        after.push_back(loop.nowMs() - t0);
    }
    EXPECT_EQ(after, (std::vector<std::int64_t>{10, 20, 25, 35}));
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{25}));
    loop.post([] {});
    loop.waitForEvents(10);
    EXPECT_EQ(loop.nowMs() - t0, 35) << "pending work runs at once";
}

TEST(SimEventLoop, QuitEndsEveryLoop) {
    SimEventLoop loop;
    int ticks = 0;
    loop.startTimer(100, [&] {
        if (++ticks == 2) loop.quit(3);
    });
    loop.runUntil([] { return false; });
    EXPECT_TRUE(loop.quitting());
    EXPECT_EQ(loop.exitCode(), 3);
    loop.runFor(10'000);
    loop.doEvents();
    EXPECT_EQ(ticks, 2);
}

TEST(SimEventLoop, TimeOfDayFollowsTheVirtualClock) {
    SimEventLoop loop;
    EXPECT_EQ(loop.timeOfDay(), L"12:00:00");
    loop.setTimeOfDay(23, 59, 58);
    EXPECT_EQ(loop.secondsSinceMidnight(), 86398);
    loop.sleep(1999);
    EXPECT_EQ(loop.timeOfDay(), L"23:59:59");
    loop.sleep(1);
    EXPECT_EQ(loop.timeOfDay(), L"00:00:00");
    EXPECT_EQ(loop.secondsSinceMidnight(), 0);
    // The user's format: the 24-hour form unless a test sets another.
    EXPECT_EQ(loop.userTimeOfDay(), L"00:00:00");
    loop.userTimeFormat = L"h.mm t";
    EXPECT_EQ(loop.userTimeOfDay(), L"12.00 A");
}

TEST(SimEventLoop, TheSecondsClockRunsOnAcrossMidnightInWholeSeconds) {
    SimEventLoop loop;
    loop.setTimeOfDay(0, 0, 10);
    loop.sleep(900);
    EXPECT_EQ(loop.secondsClock(), 10) << "10.9 s reads 10";
    loop.sleep(100);
    EXPECT_EQ(loop.secondsClock(), 11);
    loop.setTimeOfDay(23, 59, 50);
    EXPECT_EQ(loop.secondsClock(), 86'390);
    loop.sleep(20'500);
    EXPECT_EQ(loop.secondsClock(), 86'410);
    EXPECT_EQ(loop.secondsSinceMidnight(), 10);
}

}  // namespace
}  // namespace wardo::platform::sim
