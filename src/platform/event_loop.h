// Time and the user-interface thread's event loop: timers, blocking sleep, one pass of pending events.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace wardo::platform {

using TimerId = std::uint32_t;

// Whether a timer's tick may run again nested inside itself, when the tick pumps events (a message box,
// a wait). Most ticks must not: one longer than its interval would nest deeper at every interval.
enum class TimerNesting { Never, Allowed };

class EventLoop {
public:
    virtual ~EventLoop() = default;

    virtual std::int64_t nowMs() = 0;  // monotonic milliseconds
    // Blocks the thread: no event is handled and no timer fires while it sleeps.
    virtual void sleep(int ms) = 0;
    // One pass of pending events (the classic DoEvents): due timers fire, re-entrantly.
    virtual void doEvents() = 0;
    // One pass of a wait loop: yields the thread until an event is pending or `maxMs` has passed, then
    // runs one pass of events. A loop that polls something outside (another program's window) with it
    // costs at most one pass per `maxMs` instead of spinning.
    virtual void waitForEvents(int maxMs) = 0;

    // A repeating timer on the user-interface thread; ticks come only from the loop.
    virtual TimerId startTimer(int intervalMs, std::function<void()> tick, TimerNesting nesting) = 0;
    TimerId startTimer(int intervalMs, std::function<void()> tick) {
        return startTimer(intervalMs, std::move(tick), TimerNesting::Never);
    }
    virtual void stopTimer(TimerId id) = 0;

    // Queues work for the user-interface thread (a datagram that arrived, a window message from
    // another thread); it runs at the next pass of events.
    virtual void post(std::function<void()> work) = 0;

    // Runs events until `done` returns true (a modal window, the program's main loop).
    virtual void runUntil(const std::function<bool()>& done) = 0;
    // Ends every loop: the program stops at once.
    virtual void quit(int exitCode) = 0;
    virtual bool quitting() const = 0;

    // Local time of day.
    virtual std::wstring timeOfDay() = 0;  // "HH:MM:SS"
    // The same in the user's own time format (their locale's), as the user reads it.
    virtual std::wstring userTimeOfDay() = 0;
    virtual long secondsSinceMidnight() = 0;
    // Whole seconds of a clock that keeps the time of day's seconds but runs on across midnight
    // (86399 is followed by 86400), for waits counted in seconds.
    virtual std::int64_t secondsClock() = 0;
};

}  // namespace wardo::platform
