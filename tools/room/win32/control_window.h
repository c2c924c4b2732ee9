// A small window for a person at the simulator: make a member join, speak or take the microphone.
// Its buttons run the same commands as WM_COPYDATA.
#pragma once
#include <windows.h>

#include "platform/win32/scoped_win.h"
#include "tools/room/win32/room_window.h"

namespace wardo::room {

class ControlWindow {
public:
    ControlWindow(RoomWindow& room, const Text& title);
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void onButton(int id);

    RoomWindow& room_;
    platform::win32::ScopedWindow window_;
    HWND nick_ = nullptr;
    HWND line_ = nullptr;
};

}  // namespace wardo::room
