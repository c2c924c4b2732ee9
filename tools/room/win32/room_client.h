// Reaching the room simulator from another process (tests, scripts): start it, find its browser
// window by title, send it protocol commands.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/scoped_win.h"

namespace wardo::room {

// The visible top-level window with exactly this title, or null: the room's browser window, whatever
// class the room gave it.
HWND findRoomWindow(const std::wstring& title);

// The room's answer to one command (see room_protocol.h); nothing when it did not answer in time.
std::optional<long long> sendRoomCommand(HWND room, const std::wstring& command, unsigned timeoutMs = 10000);

// A drive letter path for a host path ("/a/b" -> "Z:\a\b"); other paths are returned unchanged.
std::wstring windowsPathOf(std::wstring path);

// One running wardo-room.exe with the given title; asked to quit (or ended) when destroyed.
class RoomProcess {
public:
    // `options` are added to the command line after --title. Waits (bounded) until the window shows.
    RoomProcess(const std::wstring& exePath, const std::wstring& title, const std::wstring& options,
                unsigned timeoutMs = 15000);
    ~RoomProcess();
    RoomProcess(const RoomProcess&) = delete;
    RoomProcess& operator=(const RoomProcess&) = delete;

    HWND window() const { return window_; }
    HANDLE process() const { return process_.get(); }
    const std::wstring& title() const { return title_; }
    // kRoomRefused-like failure is the caller's to check; nothing when the room did not answer.
    std::optional<long long> command(const std::wstring& text) const {
        return sendRoomCommand(window_, text);
    }

private:
    std::wstring title_;
    platform::win32::ScopedKernelHandle process_;
    HWND window_ = nullptr;
};

}  // namespace wardo::room
