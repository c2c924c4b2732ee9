// The simulated user-interface thread: a virtual clock that moves only when a test runs the loop or the
// program sleeps, posted work, and repeating timers fired re-entrantly as the real message loop does.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/event_loop.h"

namespace wardo::platform::sim {

// A loop asked to wait for something that can never happen (nothing scheduled, or the virtual-time
// bound passed). Not a text::RuntimeError: the program's own guards must not swallow it.
class SimStall : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Timer rules:
// - A timer fires when the clock has reached its due time and a pass of events runs; its next due time
//   is counted from the moment it fired, so missed ticks never pile up.
// - Ticks run re-entrantly: a tick that pumps events (doEvents, a modal loop) lets the other due timers
//   fire nested inside it. A timer whose own tick is still running is fired nested again only when it
//   was started with TimerNesting::Allowed; otherwise it stays due and fires at the first pass after its
//   tick has returned.
// - A pass of doEvents that finds nothing at all to do costs 1 ms of virtual time, as a spinning wait
//   does, so that a wait loop pumping events reaches its timers.
// - waitForEvents(maxMs) with nothing to do moves the clock to the next due timer, or by maxMs when
//   none is due sooner, then runs one pass.
class SimEventLoop : public EventLoop {
public:
    static constexpr std::int64_t kStartMs = 10'000'000;
    static constexpr std::int64_t kIdlePassMs = 1;

    SimEventLoop();

    std::int64_t nowMs() override { return now_; }
    void sleep(int ms) override;
    void doEvents() override;
    void waitForEvents(int maxMs) override;
    using EventLoop::startTimer;
    TimerId startTimer(int intervalMs, std::function<void()> tick, TimerNesting nesting) override;
    void stopTimer(TimerId id) override;
    void post(std::function<void()> work) override;
    // Throws SimStall when nothing is scheduled while `done` is false, or past runUntilBoundMs.
    void runUntil(const std::function<bool()>& done) override;
    void quit(int exitCode) override;
    bool quitting() const override { return quitting_; }
    std::wstring timeOfDay() override;
    // The time of day written with userTimeFormat.
    std::wstring userTimeOfDay() override;
    long secondsSinceMidnight() override;
    std::int64_t secondsClock() override;

    // The tests' main tool: moves the clock forward by `ms`, stopping at every due timer to fire it.
    void runFor(std::int64_t ms);
    // Sets the local time of day at the present virtual instant (the clock keeps its monotonic value);
    // the seconds clock starts again from that time of day.
    void setTimeOfDay(int hours, int minutes, int seconds);
    // A scripted event of a scene: `what` runs once, `ms` from now, as a timer tick would.
    void at(int ms, std::function<void()> what);

    int exitCode() const { return exitCode_; }
    bool timerActive(TimerId id) const { return timers_.count(id) != 0; }
    std::size_t activeTimers() const { return timers_.size(); }
    // The user's time format, a picture in the system's notation: h or hh the hour from 1 to 12, H or HH
    // from 0 to 23, m or mm the minutes, s or ss the seconds (doubled: always two digits), t the first
    // letter of AM or PM and tt both; any other character stands for itself. The 24-hour form until a
    // test sets another.
    std::wstring userTimeFormat = L"HH:mm:ss";
    // How much virtual time one runUntil may consume before it gives up.
    std::int64_t runUntilBoundMs = 24LL * 3600 * 1000;
    // How many consecutive idle doEvents passes, with nothing scheduled at all, before SimStall.
    std::int64_t idlePassBound = 10'000'000;

private:
    struct Timer {
        int intervalMs = 0;
        std::int64_t dueMs = 0;
        int running = 0;  // ticks of this timer under way, nested ones included
        bool mayNest = false;
        std::function<void()> tick;
        bool held() const { return running > 0 && !mayNest; }
    };

    bool pass();  // one pass of events at the present instant; true when anything ran
    std::optional<std::int64_t> nextDue() const;
    void countIdlePass(bool ran, const char* what);

    std::int64_t now_ = kStartMs;
    std::int64_t dayBaseMs_ = 12LL * 3600 * 1000;  // time of day at dayAnchorMs_
    std::int64_t dayAnchorMs_ = kStartMs;
    TimerId nextId_ = 1;
    std::map<TimerId, std::shared_ptr<Timer>> timers_;
    std::deque<std::function<void()>> posted_;
    std::int64_t idlePasses_ = 0;
    bool quitting_ = false;
    int exitCode_ = 0;
};

}  // namespace wardo::platform::sim
