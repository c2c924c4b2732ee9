#include "platform/sim/sim_message_boxes.h"

namespace wardo::platform::sim {

namespace {

BoxButtons buttonsOf(int style) {
    switch (style & box::kButtonsMask) {
        case box::kYesNo:
            return BoxButtons::YesNo;
        case box::kOkCancel:
            return BoxButtons::OkCancel;
        default:
            return BoxButtons::Ok;
    }
}

BoxIcon iconOf(int style) {
    switch (style & box::kIconMask) {
        case box::kIconCritical:
            return BoxIcon::Critical;
        case box::kIconQuestion:
            return BoxIcon::Question;
        case box::kIconExclamation:
            return BoxIcon::Exclamation;
        case box::kIconInformation:
            return BoxIcon::Information;
        default:
            return BoxIcon::None;
    }
}

}  // namespace

int SimMessageBoxes::showStyled(const std::wstring& text, const std::wstring& title, int style,
                                const Point* at, WindowHandle owner) {
    int code = box::kAnswerOk;
    if (!script_.empty()) {
        code = script_.front();
        script_.pop_front();
    }
    if (code == box::kNoBox) return code;
    const BoxButtons buttons = buttonsOf(style);
    ShownBox shown{text,           title,
                   style,          buttons,
                   iconOf(style),  at ? std::optional<Point>(*at) : std::nullopt,
                   clock_.nowMs(), box::answer(code, buttons),
                   owner};
    shown_.push_back(shown);
    if (whileShown) whileShown(shown);
    return code;
}

}  // namespace wardo::platform::sim
