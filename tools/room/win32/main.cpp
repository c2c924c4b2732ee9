// wardo-room: a stand-in for the chat client's room window, for tests and for trying the robot.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <memory>
#include <optional>
#include <vector>

#include "tools/room/room_model.h"
#include "tools/room/win32/control_window.h"
#include "tools/room/win32/room_options.h"
#include "tools/room/win32/room_window.h"

namespace {

std::vector<std::wstring> commandLineArguments() {
    int argc = 0;
    std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(CommandLineToArgvW(GetCommandLineW(), &argc),
                                                       &LocalFree);
    std::vector<std::wstring> args;
    for (int i = 1; argv && i < argc; ++i) args.emplace_back(argv.get()[i]);
    return args;
}

}  // namespace

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
