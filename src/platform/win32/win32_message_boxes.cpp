// Placement uses a computer-based-training hook on this thread only: the first window that the thread
// activates after the hook is installed is the box, which is moved there without changing its size
// or order. The hook removes itself at that moment, or when the box could not be shown at all.
#include "platform/win32/win32_message_boxes.h"

#include <windows.h>

#include "platform/win32/scoped_win.h"

namespace wardo::platform::win32 {
namespace {

struct Placement {
    ScopedHook hook;
    POINT at{};
};
thread_local Placement* activePlacement = nullptr;

LRESULT CALLBACK placeOnActivate(int code, WPARAM wp, LPARAM lp) {
    Placement* placement = activePlacement;
    if (code != HCBT_ACTIVATE || placement == nullptr) return CallNextHookEx(nullptr, code, wp, lp);
    SetWindowPos(reinterpret_cast<HWND>(wp), nullptr, placement->at.x, placement->at.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    placement->hook.reset();
    return 0;
}

UINT styleOf(BoxButtons buttons, BoxIcon icon) {
    UINT style = 0;
    switch (buttons) {
        case BoxButtons::Ok:
            style = MB_OK;
            break;
        case BoxButtons::OkCancel:
            style = MB_OKCANCEL;
            break;
        case BoxButtons::YesNo:
            style = MB_YESNO;
            break;
    }
    switch (icon) {
        case BoxIcon::None:
            break;
        case BoxIcon::Information:
            style |= MB_ICONINFORMATION;
            break;
        case BoxIcon::Exclamation:
            style |= MB_ICONEXCLAMATION;
            break;
        case BoxIcon::Critical:
            style |= MB_ICONHAND;
            break;
        case BoxIcon::Question:
            style |= MB_ICONQUESTION;
            break;
    }
    return style;
}

// A box that could not be shown answers the harmless choice.
BoxAnswer answerOf(int code, BoxButtons buttons) {
    switch (code) {
        case IDOK:
            return BoxAnswer::Ok;
        case IDCANCEL:
            return buttons == BoxButtons::Ok ? BoxAnswer::Ok : BoxAnswer::Cancel;
        case IDYES:
            return BoxAnswer::Yes;
        case IDNO:
            return BoxAnswer::No;
        default:
            return buttons == BoxButtons::YesNo      ? BoxAnswer::No
                   : buttons == BoxButtons::OkCancel ? BoxAnswer::Cancel
                                                     : BoxAnswer::Ok;
    }
}

}  // namespace

BoxAnswer Win32MessageBoxes::show(const std::wstring& text, const std::wstring& title, BoxButtons buttons,
                                  BoxIcon icon, const Point* at) {
    Placement placement;
    Placement* const outer = activePlacement;
    if (at != nullptr) {
        placement.at = POINT{at->x, at->y};
        placement.hook.reset(SetWindowsHookExW(WH_CBT, &placeOnActivate, nullptr, GetCurrentThreadId()));
        activePlacement = &placement;
    }
    const int code = MessageBoxW(GetActiveWindow(), text.c_str(), title.c_str(), styleOf(buttons, icon));
    activePlacement = outer;
    return answerOf(code, buttons);
}

}  // namespace wardo::platform::win32
