// Whole-program runs: wardo.exe started in a private settings folder beside a room simulator
// (tools/room/win32/room_client.h), and the room's text read back as the robot reads it.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/win32/scoped_win.h"
#include "platform/win32/window_text.h"

namespace wardo::e2e {

// A new empty folder under the system's temporary folder, unique to this process.
std::wstring freshFolder(const std::wstring& name);

// The program, started with APPDATA = `appData`; ended when destroyed if it still runs.
class ProgramProcess {
public:
    ProgramProcess(const std::wstring& exePath, const std::wstring& appData);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool started() const { return static_cast<bool>(process_); }
    bool running() const;
    DWORD id() const { return GetProcessId(process_.get()); }
    // The exit code, or nothing when it still runs after `timeoutMs`.
    std::optional<DWORD> waitExit(unsigned timeoutMs);

private:
    platform::win32::ScopedKernelHandle process_;
};

// The paths the build gives as narrow text.
std::wstring widePath(const char* path);

// A window of the process (top-level, or a control inside one) whose text is exactly `text`, polled
// for up to `timeoutMs`; null when none appeared.
HWND waitForWindowText(DWORD process, const std::wstring& text, unsigned timeoutMs);
using platform::win32::windowText;
// A control's place in the client area of its top-level window, in pixels.
POINT placeInWindow(HWND control);

// The room's chat panel, at its fixed path below the browser window; its whole text pane, in the ANSI
// code page.
HWND chatPanel(HWND roomWindow);
std::string roomText(HWND roomWindow);
// Polls, pumping this thread's messages, until the room's text holds `what` or `timeoutMs` passes.
bool waitForRoomText(HWND roomWindow, const std::string& what, unsigned timeoutMs);

// The real mouse, through the system's input queue as the user's hand moves it (screen pixels); a move
// returns once the system's cursor is there.
void moveMouse(POINT screen);
void leftButton(bool down);
// Pumps this thread's messages for `ms`: time for another program's timers to run.
void pumpFor(unsigned ms);
// Polls `done`, pumping, until it holds or `timeoutMs` passes; its last answer.
bool waitFor(const std::function<bool()>& done, unsigned timeoutMs);

}  // namespace wardo::e2e
