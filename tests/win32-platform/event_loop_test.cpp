// Win32EventLoop: timers tick only while events are pumped, posted work runs on the loop's thread,
// loops end on done or quit, and a handler's exception reaches the code that pumped.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/win32/win32_event_loop.h"

namespace wardo::platform::win32 {
namespace {

// Bounded pumping through the loop under test.
bool pumpUntil(Win32EventLoop& loop, const std::function<bool()>& done, int timeoutMs = 3000) {
    const std::int64_t deadline = loop.nowMs() + timeoutMs;
    while (!done() && loop.nowMs() < deadline) {
        loop.doEvents();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return done();
}

void dropQuitMessage() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

TEST(Win32EventLoop, TimersTickOnlyWhileEventsArePumped) {
    Win32EventLoop loop;
    int ticks = 0;
    loop.startTimer(20, [&] { ++ticks; });
    loop.sleep(80);
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(pumpUntil(loop, [&] { return ticks >= 3; }));
}

TEST(Win32EventLoop, StoppedTimersNeverTickAgainEvenFromTheirOwnTick) {
    Win32EventLoop loop;
    int selfStopping = 0;
    int stopped = 0;
    int witness = 0;
    TimerId self = 0;
    self = loop.startTimer(10, [&] {
        ++selfStopping;
        loop.stopTimer(self);
    });
    const TimerId other = loop.startTimer(10, [&] { ++stopped; });
    loop.stopTimer(other);
    loop.stopTimer(other);  // twice is harmless
    loop.startTimer(10, [&] { ++witness; });
    EXPECT_TRUE(pumpUntil(loop, [&] { return witness >= 8; }));
    EXPECT_EQ(selfStopping, 1);
    EXPECT_EQ(stopped, 0);
}

TEST(Win32EventLoop, NestedPumpingRunsOtherTimersInsideATick) {
    Win32EventLoop loop;
    int fast = 0;
    int nestedSeen = 0;
    loop.startTimer(10, [&] { ++fast; });
    TimerId slow = 0;
    slow = loop.startTimer(15, [&] {
        loop.stopTimer(slow);
        const int before = fast;
        pumpUntil(loop, [&] { return fast >= before + 2; });
        nestedSeen = fast - before;
    });
    EXPECT_TRUE(pumpUntil(loop, [&] { return nestedSeen != 0; }));
    EXPECT_GE(nestedSeen, 2);
}

TEST(Win32EventLoop, PostedWorkRunsInOrderOnTheLoopThread) {
    Win32EventLoop loop;
    std::vector<int> order;
    std::vector<DWORD> threads;
    std::thread worker([&] {
        for (int i = 1; i <= 3; ++i)
            loop.post([&, i] {
                order.push_back(i);
                threads.push_back(GetCurrentThreadId());
            });
    });
    worker.join();
    EXPECT_TRUE(order.empty());
    EXPECT_TRUE(pumpUntil(loop, [&] { return order.size() == 3; }));
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    for (DWORD id : threads) EXPECT_EQ(id, GetCurrentThreadId());
}

TEST(Win32EventLoop, RunUntilReturnsOnceDone) {
    Win32EventLoop loop;
    int ticks = 0;
    loop.startTimer(10, [&] { ++ticks; });
    loop.runUntil([&] { return ticks >= 2; });
    EXPECT_EQ(ticks, 2);
    bool ran = false;
    loop.runUntil([] { return true; });  // already done: returns without waiting
    loop.post([&] { ran = true; });
    loop.runUntil([&] { return ran; });
    EXPECT_TRUE(ran);
}

TEST(Win32EventLoop, QuitEndsTheRunningLoopAndEveryLaterOne) {
    Win32EventLoop loop;
    loop.post([&] { loop.quit(3); });
    loop.runUntil([] { return false; });
    EXPECT_TRUE(loop.quitting());
    EXPECT_EQ(loop.exitCode(), 3);
    int ticks = 0;
    loop.startTimer(1, [&] { ++ticks; });
    loop.sleep(20);
    loop.doEvents();
    loop.runUntil([] { return false; });
    EXPECT_EQ(ticks, 0);
    dropQuitMessage();
}

TEST(Win32EventLoop, AHandlersExceptionReachesTheCodeThatPumped) {
    Win32EventLoop loop;
    loop.post([] { throw std::runtime_error("tick failed"); });
    bool after = false;
    loop.post([&] { after = true; });
    EXPECT_THROW(pumpUntil(
                     loop, [] { return false; }, 1000),
                 std::runtime_error);
    // The loop stays usable.
    EXPECT_TRUE(pumpUntil(loop, [&] { return after; }));
}

TEST(Win32EventLoop, ClockAndTimeOfDay) {
    Win32EventLoop loop;
    const std::int64_t start = loop.nowMs();
    loop.sleep(50);
    const std::int64_t elapsed = loop.nowMs() - start;
    EXPECT_GE(elapsed, 45);
    EXPECT_LT(elapsed, 2000);
    loop.sleep(-5);

    const long before = loop.secondsSinceMidnight();
    const std::wstring t = loop.timeOfDay();
    const long after = loop.secondsSinceMidnight();
    ASSERT_EQ(t.size(), 8U);
    EXPECT_EQ(t[2], L':');
    EXPECT_EQ(t[5], L':');
    const long shown =
        std::stol(t.substr(0, 2)) * 3600 + std::stol(t.substr(3, 2)) * 60 + std::stol(t.substr(6, 2));
    if (after >= before) {  // not across midnight
        EXPECT_GE(shown, before);
        EXPECT_LE(shown, after);
    }
    EXPECT_GE(before, 0);
    EXPECT_LT(before, 86400);
}

}  // namespace
}  // namespace wardo::platform::win32
