// wardo-room: a stand-in for the chat client's room window, for tests and for trying the robot.
#include <windows.h>

#include <optional>

#include "tools/room/room_model.h"
#include "tools/room/win32/command_line.h"
#include "tools/room/win32/control_window.h"
#include "tools/room/win32/room_options.h"
#include "tools/room/win32/room_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace wardo::room;
    std::wstring error;
    const std::optional<RoomOptions> options = parseRoomOptions(commandLineArguments(), error);
    if (!options) {
        MessageBoxW(nullptr, error.c_str(), L"wardo-room", MB_OK | MB_ICONEXCLAMATION);
        return 2;
    }
    try {
        RoomModel model(options->nick);
        RoomWindow room(model, *options);
        std::optional<ControlWindow> control;
        if (options->controlWindow) control.emplace(room, options->title);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        return static_cast<int>(msg.wParam);
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), "wardo-room", MB_OK | MB_ICONHAND);
        return 1;
    }
}
