#include "platform/sim/sim_event_loop.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace wardo::platform::sim {

namespace {

constexpr std::int64_t kDayMs = 24LL * 3600 * 1000;

// Counts a tick under way for as long as it runs, even when it throws.
class RunningMark {
public:
    explicit RunningMark(std::shared_ptr<void> keep, int& count) : keep_(std::move(keep)), count_(count) {
        ++count_;
    }
    ~RunningMark() { --count_; }
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

private:
    std::shared_ptr<void> keep_;
    int& count_;
};

std::wstring twoDigits(long v, bool padded) {
    std::wstring d = std::to_wstring(v);
    return padded && d.size() < 2 ? L"0" + d : d;
}

}  // namespace

SimEventLoop::SimEventLoop() = default;

void SimEventLoop::sleep(int ms) {
    if (ms > 0) now_ += ms;
}

TimerId SimEventLoop::startTimer(int intervalMs, std::function<void()> tick, TimerNesting nesting) {
    auto t = std::make_shared<Timer>();
    t->intervalMs = std::max(intervalMs, 1);
    t->mayNest = nesting == TimerNesting::Allowed;
    t->dueMs = now_ + t->intervalMs;
    t->tick = std::move(tick);
    TimerId id = nextId_++;
    timers_.emplace(id, std::move(t));
    return id;
}

void SimEventLoop::stopTimer(TimerId id) {
    timers_.erase(id);
}

void SimEventLoop::post(std::function<void()> work) {
    posted_.push_back(std::move(work));
}

bool SimEventLoop::pass() {
    if (quitting_) return false;
    bool ran = false;
    // Work posted while this pass runs waits for the next pass.
    for (std::size_t n = posted_.size(); n > 0 && !posted_.empty() && !quitting_; --n) {
        auto work = std::move(posted_.front());
        posted_.pop_front();
        ran = true;
        if (work) work();
    }
    std::vector<std::pair<std::int64_t, TimerId>> due;
    for (const auto& [id, t] : timers_) {
        if (!t->held() && t->dueMs <= now_) due.emplace_back(t->dueMs, id);
    }
    std::sort(due.begin(), due.end());
    for (const auto& entry : due) {
        if (quitting_) break;
        // A timer stopped meanwhile is gone from the map; ids are never reused.
        auto it = timers_.find(entry.second);
        if (it == timers_.end()) continue;
        std::shared_ptr<Timer> t = it->second;
        // A nested pass may already have fired it, or its own tick may be running.
        if (t->held() || t->dueMs > now_) continue;
        t->dueMs = now_ + t->intervalMs;
        ran = true;
        RunningMark mark(t, t->running);
        t->tick();
    }
    return ran;
}

std::optional<std::int64_t> SimEventLoop::nextDue() const {
    std::optional<std::int64_t> next;
    for (const auto& [id, t] : timers_) {
        if (t->held()) continue;
        if (!next || t->dueMs < *next) next = t->dueMs;
    }
    return next;
}

// A wait loop that pumps while nothing at all is scheduled can only end by a change outside the loop;
// past the bound it is taken for one that never ends.
void SimEventLoop::countIdlePass(bool ran, const char* what) {
    if (ran || nextDue()) {
        idlePasses_ = 0;
    } else if (++idlePasses_ > idlePassBound) {
        idlePasses_ = 0;
        throw SimStall(std::string(what) +
                       ": a wait loop is pumping events but no timer and no work is scheduled");
    }
}

void SimEventLoop::doEvents() {
    if (quitting_) return;
    const bool ran = pass();
    if (!ran) now_ += kIdlePassMs;
    countIdlePass(ran, "doEvents");
}

void SimEventLoop::waitForEvents(int maxMs) {
    if (quitting_) return;
    const auto next = nextDue();
    if (posted_.empty() && (!next || *next > now_)) {
        const std::int64_t limit = now_ + std::max(maxMs, 1);
        now_ = next && *next < limit ? *next : limit;
    }
    countIdlePass(pass(), "waitForEvents");
}

void SimEventLoop::runFor(std::int64_t ms) {
    const std::int64_t end = now_ + std::max<std::int64_t>(ms, 0);
    while (!quitting_) {
        pass();
        if (!posted_.empty()) continue;
        auto next = nextDue();
        if (!next || *next > end) break;
        now_ = std::max(now_, *next);
    }
    now_ = std::max(now_, end);
}

void SimEventLoop::runUntil(const std::function<bool()>& done) {
    const std::int64_t start = now_;
    while (!quitting_ && !done()) {
        if (pass()) continue;
        auto next = nextDue();
        if (!next) throw SimStall("runUntil: nothing is scheduled and the condition is still false");
        if (*next - start > runUntilBoundMs) {
            throw SimStall("runUntil: the condition is still false after the virtual-time bound");
        }
        now_ = std::max(now_, *next);
    }
}

void SimEventLoop::quit(int exitCode) {
    if (quitting_) return;
    quitting_ = true;
    exitCode_ = exitCode;
}

void SimEventLoop::setTimeOfDay(int hours, int minutes, int seconds) {
    dayBaseMs_ = ((hours * 3600LL + minutes * 60LL + seconds) * 1000) % kDayMs;
    dayAnchorMs_ = now_;
}

long SimEventLoop::secondsSinceMidnight() {
    std::int64_t ms = (dayBaseMs_ + (now_ - dayAnchorMs_)) % kDayMs;
    if (ms < 0) ms += kDayMs;
    return static_cast<long>(ms / 1000);
}

// The clock never moves back, so the time since the anchor is never negative.
std::int64_t SimEventLoop::secondsClock() {
    return (dayBaseMs_ + (now_ - dayAnchorMs_)) / 1000;
}

std::wstring SimEventLoop::timeOfDay() {
    long s = secondsSinceMidnight();
    wchar_t buf[16];
    std::swprintf(buf, 16, L"%02ld:%02ld:%02ld", s / 3600, (s / 60) % 60, s % 60);
    return buf;
}

std::wstring SimEventLoop::userTimeOfDay() {
    const long s = secondsSinceMidnight();
    const long h = s / 3600;
    std::wstring out;
    for (std::size_t i = 0; i < userTimeFormat.size();) {
        const wchar_t c = userTimeFormat[i];
        std::size_t n = 1;
        while (i + n < userTimeFormat.size() && userTimeFormat[i + n] == c) ++n;
        i += n;
        const bool padded = n >= 2;
        if (c == L'H') {
            out += twoDigits(h, padded);
        } else if (c == L'h') {
            out += twoDigits(h % 12 == 0 ? 12 : h % 12, padded);
        } else if (c == L'm') {
            out += twoDigits((s / 60) % 60, padded);
        } else if (c == L's') {
            out += twoDigits(s % 60, padded);
        } else if (c == L't') {
            out += std::wstring(h < 12 ? L"AM" : L"PM").substr(0, padded ? 2 : 1);
        } else {
            out.append(n, c);
        }
    }
    return out;
}

void SimEventLoop::at(int ms, std::function<void()> what) {
    auto id = std::make_shared<TimerId>(0);
    *id = startTimer(ms, [this, id, what = std::move(what)] {
        stopTimer(*id);
        what();
    });
}

}  // namespace wardo::platform::sim
