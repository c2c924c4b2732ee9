// wardo-room-send [--wait SECONDS] TITLE COMMAND...: sends one command of the room protocol to the
// room simulator whose window has that title, and prints the answer. Exit status: 0 done, 1 no such
// room, 2 command refused.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tools/room/win32/room_protocol.h"

namespace {

HWND findRoom(const std::wstring& title) {
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        wchar_t cls[32] = {};
        wchar_t text[512] = {};
        GetClassNameW(w, cls, 32);
        GetWindowTextW(w, text, 512);
        if (std::wstring(cls) == L"IEFrame" && title == text && IsWindowVisible(w)) return w;
    }
    return nullptr;
}

}  // namespace

int main() {
    int argc = 0;
    std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(CommandLineToArgvW(GetCommandLineW(), &argc),
                                                       &LocalFree);
    std::vector<std::wstring> args;
    for (int i = 1; argv && i < argc; ++i) args.emplace_back(argv.get()[i]);
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

    HWND room = findRoom(args[0]);
    for (int i = 0; room == nullptr && i < waitSeconds * 10; ++i) {
        Sleep(100);
        room = findRoom(args[0]);
    }
    if (room == nullptr) {
        std::fputs("wardo-room-send: no such room\n", stderr);
        return 1;
    }
    COPYDATASTRUCT data{wardo::room::kRoomCommandTag, static_cast<DWORD>(command.size() * sizeof(wchar_t)),
                        command.data()};
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(room, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 10000,
                             &answer)) {
        std::fputs("wardo-room-send: the room did not answer\n", stderr);
        return 1;
    }
    const auto value = static_cast<long long>(static_cast<LRESULT>(answer));
    std::printf("%lld\n", value);
    return value == wardo::room::kRoomRefused ? 2 : 0;
}
