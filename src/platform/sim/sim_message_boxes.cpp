#include "platform/sim/sim_message_boxes.h"

namespace wardo::platform::sim {

BoxAnswer SimMessageBoxes::show(const std::wstring& text, const std::wstring& title, BoxButtons buttons,
                                BoxIcon icon, const Point* at) {
    BoxAnswer a = BoxAnswer::Ok;
    if (!script_.empty()) {
        a = script_.front();
        script_.pop_front();
    }
    ShownBox box{text,           title, buttons, icon, at ? std::optional<Point>(*at) : std::nullopt,
                 clock_.nowMs(), a};
    shown_.push_back(box);
    if (whileShown) whileShown(box);
    return a;
}

}  // namespace wardo::platform::sim
