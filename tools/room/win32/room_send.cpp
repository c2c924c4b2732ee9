// wardo-room-send [--wait SECONDS] TITLE COMMAND...: sends one command of the room protocol to the
// room simulator whose window has that title, and prints the answer. Exit status: 0 done, 1 no such
// room, 2 command refused.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/room/win32/command_line.h"
#include "tools/room/win32/room_client.h"
#include "tools/room/win32/room_protocol.h"

int main() {
    std::vector<std::wstring> args = wardo::room::commandLineArguments();
    int waitSeconds = 0;
    if (args.size() >= 2 && args[0] == L"--wait") {
        waitSeconds = _wtoi(args[1].c_str());
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.size() < 2) {
        std::fputs("usage: wardo-room-send [--wait SECONDS] TITLE COMMAND...\n", stderr);
        return 2;
    }
    std::wstring command = args[1];
    for (std::size_t i = 2; i < args.size(); ++i) command += L" " + args[i];

    HWND room = wardo::room::findRoomWindow(args[0]);
    for (int i = 0; room == nullptr && i < waitSeconds * 10; ++i) {
        Sleep(100);
        room = wardo::room::findRoomWindow(args[0]);
    }
    if (room == nullptr) {
        std::fputs("wardo-room-send: no such room\n", stderr);
        return 1;
    }
    const auto answer = wardo::room::sendRoomCommand(room, command);
    if (!answer) {
        std::fputs("wardo-room-send: the room did not answer\n", stderr);
        return 1;
    }
    const long long value = *answer;
    std::printf("%lld\n", value);
    return value == wardo::room::kRoomRefused ? 2 : 0;
}
