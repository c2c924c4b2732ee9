// Timers on the event loop.
#include "ui/timer.h"

#include "ui/form.h"

namespace wardo::ui {

Timer::Timer(Form& form, Text name, int index) : Control(form, ControlKind::Timer, std::move(name), index) {}

Timer::~Timer() {
    stop();
}

int Timer::interval() const {
    touch();
    return interval_;
}

void Timer::setInterval(int ms) {
    touch();
    if (ms < 0) failInvalidPropertyValue();
    if (ms == interval_) return;
    interval_ = ms;
    propertyChanged(Property::Value);
}

void Timer::setNestedTicks(bool allowed) {
    touch();
    if (allowed == nestedTicks_) return;
    nestedTicks_ = allowed;
    restart();
}

void Timer::resetToDefaults() {
    stop();
    Control::resetToDefaults();
    interval_ = 0;
    nestedTicks_ = false;
}

void Timer::propertyChanged(Property what) {
    if (what == Property::Enabled || what == Property::Value) restart();
}

void Timer::restart() {
    stop();
    if (designing() || !form().loaded() || !enabled() || interval_ <= 0) return;
    id_ = form().platform().loop.startTimer(
        interval_, [this] { raiseEvent(onTimer); },
        nestedTicks_ ? platform::TimerNesting::Allowed : platform::TimerNesting::Never);
}

void Timer::stop() {
    if (!id_) return;
    const platform::TimerId id = *id_;
    id_.reset();
    form().platform().loop.stopTimer(id);
}

}  // namespace wardo::ui
