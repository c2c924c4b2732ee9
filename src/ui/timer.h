// The classic timer control: ticks every `interval` ms through the platform's event loop, only while
// its form is loaded and the timer is enabled with a non-zero interval.
#pragma once
#include <optional>

#include "platform/event_loop.h"
#include "ui/control.h"

namespace wardo::ui {

class Timer : public Control {
public:
    Timer(Form& form, Text name, int index = -1);
    ~Timer() override;

    int interval() const;
    // A new interval restarts the count; 0 stops the timer; negative: invalid property value.
    void setInterval(int ms);
    bool running() const { return id_.has_value(); }
    // Whether a tick that pumps events lets the next tick of this timer run nested inside it (off by
    // default, and after each load).
    void setNestedTicks(bool allowed);
    void resetToDefaults() override;

    std::function<void()> onTimer;

private:
    friend class Form;
    void propertyChanged(Property what) override;
    void restart();
    void stop();

    int interval_ = 0;
    bool nestedTicks_ = false;
    std::optional<platform::TimerId> id_;
};

}  // namespace wardo::ui
