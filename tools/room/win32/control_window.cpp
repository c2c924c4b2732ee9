#include "tools/room/win32/control_window.h"

#include <stdexcept>

#include "platform/win32/window_text.h"
#include "tools/room/win32/room_windows.h"

namespace wardo::room {
namespace {

constexpr wchar_t kClass[] = L"WardoRoomControl";

enum Action { Join = 200, Say, Notice, Input, MicOther, MicFree, Clear };

struct ButtonSpec {
    Action id;
    const wchar_t* caption;
};
constexpr ButtonSpec kButtons[] = {{Join, L"Rejoint"},
                                   {Say, L"Parle"},
                                   {Notice, L"Annonce"},
                                   {Input, L"Met dans la saisie"},
                                   {MicOther, L"Prend le micro"},
                                   {MicFree, L"Libère le micro"},
                                   {Clear, L"Vide le salon"}};

// A child at x, y of size w, h.
HWND make(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h,
          int id = 0) {
    return createChild(parent, cls, text, style, RECT{x, y, x + w, y + h}, id);
}

}  // namespace

ControlWindow::ControlWindow(RoomWindow& room, const Text& title) : room_(room) {
    registerWindowClass(kClass, &windowProc);
    const Text caption = L"Contrôle du salon - " + title;
    // Beside the room, level with its top.
    RECT beside{};
    GetWindowRect(room.frame(), &beside);
    window_.reset(CreateWindowExW(0, kClass, caption.c_str(), WS_OVERLAPPED | WS_CAPTION | WS_MINIMIZEBOX,
                                  beside.right + 20, beside.top, 330, 300, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), this));
    if (!window_) throw std::runtime_error("room: cannot create the control window");
    HWND w = window_.get();
    make(w, L"Static", L"Pseudo", SS_LEFT, 10, 12, 60, 20);
    nick_ = make(w, L"Edit", L"Bob", WS_BORDER | ES_AUTOHSCROLL, 80, 10, 230, 22);
    make(w, L"Static", L"Texte", SS_LEFT, 10, 42, 60, 20);
    line_ = make(w, L"Edit", L"bonjour", WS_BORDER | ES_AUTOHSCROLL, 80, 40, 230, 22);
    int i = 0;
    for (const ButtonSpec& b : kButtons) {
        make(w, L"Button", b.caption, BS_PUSHBUTTON, 10 + (i % 2) * 155, 75 + (i / 2) * 34, 145, 28, b.id);
        ++i;
    }
    ShowWindow(w, SW_SHOWNOACTIVATE);
}

void ControlWindow::onButton(int id) {
    const Text nick = platform::win32::windowText(nick_);
    const Text line = platform::win32::windowText(line_);
    switch (id) {
        case Join:
            room_.run(L"join " + nick);
            break;
        case Say:
            room_.run(L"say " + nick + L" " + line);
            break;
        case Notice:
            room_.run(L"notice " + line);
            break;
        case Input:
            room_.run(L"input " + nick + L", ");
            break;
        case MicOther:
            room_.run(L"mic other");
            break;
        case MicFree:
            room_.run(L"mic free");
            break;
        case Clear:
            room_.run(L"clear");
            break;
        default:
            break;
    }
}

LRESULT CALLBACK ControlWindow::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<ControlWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ControlWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr && msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
        self->onButton(LOWORD(wp));
        return 0;
    }
    if (self != nullptr && msg == WM_NCDESTROY) self->window_.release();
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace wardo::room
