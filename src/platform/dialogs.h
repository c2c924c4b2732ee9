// Message boxes and sounds: what the program shows and plays to its user.
#pragma once
#include <string>

#include "platform/window_system.h"

namespace wardo::platform {

enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxIcon { None, Information, Exclamation, Critical, Question };
enum class BoxAnswer { Ok, Cancel, Yes, No };

// Style codes and answers of the classic message box, numbered as the platform numbers them: a style is
// one button set plus one icon (36 = Yes and No with a question mark); an answer is the button pressed.
namespace box {
constexpr int kOk = 0;
constexpr int kOkCancel = 1;
constexpr int kYesNo = 4;
constexpr int kButtonsMask = 0x0F;
constexpr int kIconCritical = 0x10;
constexpr int kIconQuestion = 0x20;
constexpr int kIconExclamation = 0x30;
constexpr int kIconInformation = 0x40;
constexpr int kIconMask = 0xF0;

constexpr int kNoBox = 0;  // the box could not be shown
constexpr int kAnswerOk = 1;
constexpr int kAnswerCancel = 2;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

constexpr int style(BoxButtons buttons, BoxIcon icon) {
    const int b = buttons == BoxButtons::YesNo ? kYesNo : buttons == BoxButtons::OkCancel ? kOkCancel : kOk;
    switch (icon) {
        case BoxIcon::Information:
            return b | kIconInformation;
        case BoxIcon::Exclamation:
            return b | kIconExclamation;
        case BoxIcon::Critical:
            return b | kIconCritical;
        case BoxIcon::Question:
            return b | kIconQuestion;
        case BoxIcon::None:
            break;
    }
    return b;
}

constexpr int code(BoxAnswer a) {
    switch (a) {
        case BoxAnswer::Ok:
            return kAnswerOk;
        case BoxAnswer::Cancel:
            return kAnswerCancel;
        case BoxAnswer::Yes:
            return kAnswerYes;
        case BoxAnswer::No:
            return kAnswerNo;
    }
    return kAnswerOk;
}

// A box that was not shown, or closed without a choice, answers the harmless one.
constexpr BoxAnswer answer(int code, BoxButtons buttons) {
    switch (code) {
        case kAnswerOk:
            return BoxAnswer::Ok;
        case kAnswerYes:
            return BoxAnswer::Yes;
        case kAnswerNo:
            return BoxAnswer::No;
        case kAnswerCancel:
            return buttons == BoxButtons::Ok ? BoxAnswer::Ok : BoxAnswer::Cancel;
        default:
            return buttons == BoxButtons::YesNo      ? BoxAnswer::No
                   : buttons == BoxButtons::OkCancel ? BoxAnswer::Cancel
                                                     : BoxAnswer::Ok;
    }
}
}  // namespace box

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Modal box with the given style code; `at` places its top-left corner (screen pixels) when given.
    // An `owner` keeps the box above that window in the window order, whatever window is active; without
    // one the box belongs to the active window, if any. Returns the answer's code, or box::kNoBox when no
    // box could be shown.
    virtual int showStyled(const std::wstring& text, const std::wstring& title, int style,
                           const Point* at = nullptr, WindowHandle owner = 0) = 0;
    BoxAnswer show(const std::wstring& text, const std::wstring& title, BoxButtons buttons, BoxIcon icon,
                   const Point* at = nullptr) {
        return box::answer(showStyled(text, title, box::style(buttons, icon), at), buttons);
    }
};

class Sounds {
public:
    virtual ~Sounds() = default;
    // Plays a WAV file; synchronous play blocks until the sound ends. False when it could not play.
    virtual bool playWav(const std::wstring& path, bool async) = 0;
    virtual void beep(int frequencyHz, int durationMs) = 0;  // blocking
    virtual void messageBeep() = 0;                          // the system's default beep
};

}  // namespace wardo::platform
