#include "tools/room/win32/room_client.h"

#include <algorithm>

#include "platform/win32/window_text.h"
#include "tools/room/win32/room_protocol.h"

namespace wardo::room {

HWND findRoomWindow(const std::wstring& title) {
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (IsWindowVisible(w) && platform::win32::windowText(w) == title) return w;
    }
    return nullptr;
}

std::optional<long long> sendRoomCommand(HWND room, const std::wstring& command, unsigned timeoutMs) {
    COPYDATASTRUCT data{kRoomCommandTag, static_cast<DWORD>(command.size() * sizeof(wchar_t)),
                        const_cast<wchar_t*>(command.data())};
    DWORD_PTR answer = 0;
    if (room == nullptr || !SendMessageTimeoutW(room, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                                SMTO_NORMAL, timeoutMs, &answer))
        return std::nullopt;
    return static_cast<long long>(static_cast<LRESULT>(answer));
}

std::wstring windowsPathOf(std::wstring path) {
    if (path.empty() || path[0] != L'/') return path;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return L"Z:" + path;
}

RoomProcess::RoomProcess(const std::wstring& exePath, const std::wstring& title, const std::wstring& options,
                         unsigned timeoutMs)
    : title_(title) {
    std::wstring commandLine = L"\"" + windowsPathOf(exePath) + L"\" --title \"" + title + L"\" " + options;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return;
    process_.reset(pi.hProcess);
    platform::win32::ScopedKernelHandle thread(pi.hThread);
    WaitForInputIdle(process_.get(), timeoutMs);
    // The window shows only once its whole tree is built.
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while ((window_ = findRoomWindow(title_)) == nullptr && GetTickCount64() < deadline &&
           WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT)
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
}

RoomProcess::~RoomProcess() {
    if (!process_ || WaitForSingleObject(process_.get(), 0) != WAIT_TIMEOUT) return;
    sendRoomCommand(window_, L"quit", 5000);
    if (WaitForSingleObject(process_.get(), 5000) == WAIT_OBJECT_0) return;
    TerminateProcess(process_.get(), 9);
    // Gone, with its window, before anyone searches for a room again.
    WaitForSingleObject(process_.get(), 5000);
}

}  // namespace wardo::room
