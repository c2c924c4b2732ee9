// Message boxes on the simulated desktop: every box is recorded, answers come from a script.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/event_loop.h"

namespace wardo::platform::sim {

struct ShownBox {
    std::wstring text;
    std::wstring title;
    int style;  // the style code; `buttons` and `icon` read it
    BoxButtons buttons;
    BoxIcon icon;
    std::optional<Point> at;
    std::int64_t timeMs;
    BoxAnswer answer;
    WindowHandle owner;  // 0: the active window's, if any
};

class SimMessageBoxes : public MessageBoxes {
public:
    explicit SimMessageBoxes(EventLoop& clock) : clock_(clock) {}

    int showStyled(const std::wstring& text, const std::wstring& title, int style, const Point* at = nullptr,
                   WindowHandle owner = 0) override;

    // The next boxes' answers, in order; once the script runs out every box answers Ok.
    void answer(BoxAnswer a) { script_.push_back(box::code(a)); }
    // The next box cannot be shown: it is not recorded and answers box::kNoBox.
    void refuseNext() { script_.push_back(box::kNoBox); }
    // Runs while a box is up (a box is modal: the test may act as the user meanwhile).
    std::function<void(const ShownBox&)> whileShown;

    const std::vector<ShownBox>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

private:
    EventLoop& clock_;
    std::deque<int> script_;
    std::vector<ShownBox> shown_;
};

}  // namespace wardo::platform::sim
