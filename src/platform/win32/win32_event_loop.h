// The user-interface thread's event loop on the Win32 message queue: timers and posted work are
// messages to a hidden message-only window, so they run only while the thread pumps messages.
#pragma once
#include <windows.h>

#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

#include "platform/event_loop.h"
#include "platform/win32/scoped_win.h"

namespace wardo::platform::win32 {

class Win32EventLoop final : public EventLoop {
public:
    Win32EventLoop();
    ~Win32EventLoop() override;
    Win32EventLoop(const Win32EventLoop&) = delete;
    Win32EventLoop& operator=(const Win32EventLoop&) = delete;

    std::int64_t nowMs() override;
    void sleep(int ms) override;
    void doEvents() override;
    void waitForEvents(int maxMs) override;
    using EventLoop::startTimer;
    TimerId startTimer(int intervalMs, std::function<void()> tick, TimerNesting nesting) override;
    void stopTimer(TimerId id) override;
    void post(std::function<void()> work) override;  // safe from any thread
    void runUntil(const std::function<bool()>& done) override;
    void quit(int exitCode) override;
    bool quitting() const override { return quitting_; }
    std::wstring timeOfDay() override;
    std::wstring userTimeOfDay() override;  // GetTimeFormatEx, the user's default locale
    long secondsSinceMidnight() override;
    std::int64_t secondsClock() override;

    int exitCode() const { return exitCode_; }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void onTimer(UINT_PTR id);
    void runPosted();
    // Handles one message taken from the queue; false when it was the quit message.
    bool dispatch(const MSG& msg);
    // A handler's exception may not cross the system's dispatcher: it is kept and thrown again here.
    void rethrowPending();

    ScopedWindow window_;
    struct Timer {
        std::function<void()> tick;
        bool mayNest = false;
        int running = 0;  // ticks under way, nested ones included
    };
    std::map<TimerId, std::shared_ptr<Timer>> timers_;
    TimerId nextTimer_ = 1;
    std::mutex postedMutex_;
    std::deque<std::function<void()>> posted_;
    std::exception_ptr pending_;
    bool quitting_ = false;
    int exitCode_ = 0;
    LARGE_INTEGER frequency_{};
    // The seconds clock: the time of day in ms at the monotonic instant startMs_, then monotonic.
    std::int64_t startMs_ = 0;
    std::int64_t startOfDayMs_ = 0;
};

}  // namespace wardo::platform::win32
