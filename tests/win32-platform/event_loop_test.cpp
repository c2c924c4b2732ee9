// Win32EventLoop: timers tick only while events are pumped, posted work runs on the loop's thread,
// loops end on done or quit, and a handler's exception reaches the code that pumped.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/win32/win32_event_loop.h"
#include "test_support.h"
#include "tests/e2e/e2e_support.h"

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

// The room poller's timer: while a tick of its own waits (a box), the next ones run inside it.
TEST(Win32EventLoop, ATimerAllowedToNestTicksInsideItsOwnTickThatPumps) {
    Win32EventLoop loop;
    int ticks = 0, depth = 0, deepest = 0;
    loop.startTimer(
        10,
        [&] {
            ++ticks;
            deepest = std::max(deepest, ++depth);
            if (ticks == 1) pumpUntil(loop, [&] { return ticks >= 3; });
            --depth;
        },
        TimerNesting::Allowed);
    EXPECT_TRUE(pumpUntil(loop, [&] { return ticks >= 4; }));
    EXPECT_EQ(deepest, 2);
}

TEST(Win32EventLoop, AWaitPassYieldsUntilAnEventOrItsLimit) {
    Win32EventLoop loop;
    const std::int64_t t0 = loop.nowMs();
    for (int i = 0; i < 30; ++i) loop.waitForEvents(10);
    EXPECT_GE(loop.nowMs() - t0, 250) << "30 idle passes of 10 ms";

    // Work posted from another thread ends the wait at once.
    bool ran = false;
    std::thread worker([&] {
        Sleep(100);
        loop.post([&] { ran = true; });
    });
    const std::int64_t t1 = loop.nowMs();
    while (!ran && loop.nowMs() - t1 < 5000) loop.waitForEvents(4000);
    worker.join();
    EXPECT_TRUE(ran);
    EXPECT_LT(loop.nowMs() - t1, 2000);
}

// The microphone's polling timers tick every 10 and 5 ms and pump events in their ticks: the thread
// must sleep between ticks, and a tick longer than its interval must not nest inside itself.
TEST(Win32EventLoop, FastTimersThatPumpCostLittleAndNeverNestInThemselves) {
    Win32EventLoop loop;
    int ticks10 = 0, ticks5 = 0, depth = 0, deepest = 0;
    loop.startTimer(10, [&] {
        ++ticks10;
        loop.doEvents();
    });
    loop.startTimer(5, [&] {
        ++ticks5;
        deepest = std::max(deepest, ++depth);
        if (ticks5 % 20 == 0) {  // now and then a long tick (a beep, a take) that pumps
            loop.sleep(30);
            loop.doEvents();
        }
        loop.doEvents();
        --depth;
    });
    const double cpu0 = e2e::processorMs(GetCurrentProcessId());
    const std::int64_t t0 = loop.nowMs();
    loop.runUntil([&] { return loop.nowMs() - t0 >= 2000; });
    const std::int64_t wall = loop.nowMs() - t0;
    const double cpu = e2e::processorMs(GetCurrentProcessId()) - cpu0;
    std::printf("timers of 10 and 5 ms over %lld ms: %d and %d ticks, %.0f ms of processor time\n",
                static_cast<long long>(wall), ticks10, ticks5, cpu);
    EXPECT_EQ(deepest, 1);
    EXPECT_GE(ticks10, 50);
    EXPECT_GE(ticks5, 50);
    EXPECT_LT(cpu, wall * 0.1);
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
    loop.runUntil([] { return true; });  // already done: returns without waiting
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

    // The seconds clock starts from the time of day and runs on with the monotonic clock.
    const std::int64_t seconds = loop.secondsClock();
    const long ofDay = loop.secondsSinceMidnight();
    if (ofDay >= before) {  // not across midnight
        EXPECT_LE(std::abs(seconds - ofDay), 1);
    }
    const std::int64_t t0 = loop.nowMs();
    while (loop.secondsClock() == seconds && loop.nowMs() - t0 < 3000) loop.sleep(20);
    EXPECT_EQ(loop.secondsClock(), seconds + 1);
}

TEST(Win32EventLoop, TheUsersTimeOfDayCarriesTheMinutesWhateverTheLocalesOrder) {
    Win32EventLoop loop;
    const auto minutes = [&] {
        wchar_t mm[4];
        std::swprintf(mm, 4, L"%02ld", (loop.secondsSinceMidnight() / 60) % 60);
        return std::wstring(mm);
    };
    const std::wstring before = minutes();
    const std::wstring shown = loop.userTimeOfDay();
    const std::wstring after = minutes();
    EXPECT_TRUE(shown.find(before) != std::wstring::npos || shown.find(after) != std::wstring::npos)
        << std::string(shown.begin(), shown.end());
}

}  // namespace
}  // namespace wardo::platform::win32
