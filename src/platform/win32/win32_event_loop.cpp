#include "platform/win32/win32_event_loop.h"

#include <cstdio>
#include <stdexcept>

#include "platform/win32/message_window.h"

namespace wardo::platform::win32 {
namespace {

constexpr wchar_t kClassName[] = L"WardoEventLoop";
constexpr UINT kPostedWork = WM_APP + 1;
// A pass of events ends even when a timer is due again at once (a tick longer than its interval).
constexpr int kMaxMessagesPerPass = 10000;

}  // namespace

Win32EventLoop::Win32EventLoop() : window_(createMessageWindow(kClassName, &windowProc, this)) {
    if (!window_) throw std::runtime_error("event loop: cannot create its message window");
    QueryPerformanceFrequency(&frequency_);
    SYSTEMTIME t{};
    GetLocalTime(&t);
    startMs_ = nowMs();
    startOfDayMs_ = ((t.wHour * 60LL + t.wMinute) * 60 + t.wSecond) * 1000 + t.wMilliseconds;
}

Win32EventLoop::~Win32EventLoop() {
    for (const auto& [id, timer] : timers_) KillTimer(window_.get(), id);
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK Win32EventLoop::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Win32EventLoop*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr || (msg != WM_TIMER && msg != kPostedWork)) return DefWindowProcW(hwnd, msg, wp, lp);
    try {
        if (msg == WM_TIMER)
            self->onTimer(wp);
        else
            self->runPosted();
    } catch (...) {
        if (!self->pending_) self->pending_ = std::current_exception();
        // Work queued behind the failed one still runs at a later pass.
        if (msg == kPostedWork) {
            std::lock_guard lock(self->postedMutex_);
            if (!self->posted_.empty()) PostMessageW(hwnd, kPostedWork, 0, 0);
        }
    }
    return 0;
}

// A tick that pumps events (a wait, a message box) runs its own timer again nested inside it only when
// the timer allows it: a tick longer than its interval would otherwise nest deeper at every interval.
// The system sends the next WM_TIMER one interval after this one was taken.
void Win32EventLoop::onTimer(UINT_PTR id) {
    auto it = timers_.find(static_cast<TimerId>(id));
    if (it == timers_.end() || (it->second->running > 0 && !it->second->mayNest)) return;
    // The tick may stop its own timer: keep it alive until it returns.
    std::shared_ptr<Timer> timer = it->second;
    ++timer->running;
    struct Done {
        Timer& t;
        ~Done() { --t.running; }
    } done{*timer};
    timer->tick();
}

void Win32EventLoop::runPosted() {
    for (;;) {
        std::function<void()> work;
        {
            std::lock_guard lock(postedMutex_);
            if (posted_.empty()) return;
            work = std::move(posted_.front());
            posted_.pop_front();
        }
        work();
    }
}

void Win32EventLoop::rethrowPending() {
    if (pending_) std::rethrow_exception(std::exchange(pending_, nullptr));
}

bool Win32EventLoop::dispatch(const MSG& msg) {
    if (msg.message == WM_QUIT) {
        quitting_ = true;
        exitCode_ = static_cast<int>(msg.wParam);
        return false;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    rethrowPending();
    return true;
}

std::int64_t Win32EventLoop::nowMs() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    if (frequency_.QuadPart <= 0) return static_cast<std::int64_t>(GetTickCount64());
    return now.QuadPart / frequency_.QuadPart * 1000 +
           now.QuadPart % frequency_.QuadPart * 1000 / frequency_.QuadPart;
}

void Win32EventLoop::sleep(int ms) {
    Sleep(ms > 0 ? static_cast<DWORD>(ms) : 0);
}

void Win32EventLoop::doEvents() {
    MSG msg;
    for (int n = 0; n < kMaxMessagesPerPass && !quitting_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
         ++n) {
        if (!dispatch(msg)) return;
    }
}

// MWMO_INPUTAVAILABLE: messages already seen but left in the queue also end the wait at once.
void Win32EventLoop::waitForEvents(int maxMs) {
    if (quitting_) return;
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(maxMs > 0 ? maxMs : 0), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
    doEvents();
}

TimerId Win32EventLoop::startTimer(int intervalMs, std::function<void()> tick, TimerNesting nesting) {
    const TimerId id = nextTimer_++;
    if (nextTimer_ == 0) nextTimer_ = 1;
    if (SetTimer(window_.get(), id, static_cast<UINT>(intervalMs > 0 ? intervalMs : 1), nullptr) == 0)
        throw std::runtime_error("event loop: SetTimer failed");
    timers_[id] = std::make_shared<Timer>(Timer{std::move(tick), nesting == TimerNesting::Allowed});
    return id;
}

void Win32EventLoop::stopTimer(TimerId id) {
    if (timers_.erase(id) != 0) KillTimer(window_.get(), id);
}

void Win32EventLoop::post(std::function<void()> work) {
    bool first = false;
    {
        std::lock_guard lock(postedMutex_);
        first = posted_.empty();
        posted_.push_back(std::move(work));
    }
    if (first) PostMessageW(window_.get(), kPostedWork, 0, 0);
}

void Win32EventLoop::runUntil(const std::function<bool()>& done) {
    MSG msg;
    while (!quitting_ && !done()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) throw std::runtime_error("event loop: GetMessage failed");
        if (!dispatch(msg)) return;  // WM_QUIT, which GetMessage answers with 0
    }
}

void Win32EventLoop::quit(int exitCode) {
    if (!quitting_) exitCode_ = exitCode;
    quitting_ = true;
    PostQuitMessage(exitCode);
}

std::wstring Win32EventLoop::timeOfDay() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    wchar_t buffer[16];
    std::swprintf(buffer, 16, L"%02u:%02u:%02u", t.wHour, t.wMinute, t.wSecond);
    return buffer;
}

// The system's own time format; the fixed form only when the locale cannot give one.
std::wstring Win32EventLoop::userTimeOfDay() {
    wchar_t buffer[80];
    const int n = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, buffer, 80);
    return n > 1 ? std::wstring(buffer, static_cast<std::size_t>(n - 1)) : timeOfDay();
}

long Win32EventLoop::secondsSinceMidnight() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return t.wHour * 3600L + t.wMinute * 60L + t.wSecond;
}

std::int64_t Win32EventLoop::secondsClock() {
    return (startOfDayMs_ + (nowMs() - startMs_)) / 1000;
}

}  // namespace wardo::platform::win32
