// Whole-program runs: wardo.exe started in a private settings folder beside a room simulator
// (tools/room/win32/room_client.h), its windows found and driven from outside as the user's hand drives
// them, and the room's text read back as the robot reads it. Everything here polls with a bound: another
// process's windows are checked once they have reached the state the check is about, never before.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/scoped_win.h"
#include "platform/win32/window_text.h"

namespace wardo::e2e {

// --- Folders and processes

// A new empty folder under the system's temporary folder, unique to this process.
std::wstring freshFolder(const std::wstring& name);
// A new settings folder (the program's APPDATA) whose Wardo\wardo.ini holds `ini`; an empty `ini`
// writes no file, as on a first run.
std::wstring settingsFolder(const std::wstring& name, const std::string& ini);
// The program's configuration folder in a settings folder, ending with a backslash.
std::wstring configFolder(const std::wstring& appData);

// The paths the build gives as narrow text.
std::wstring widePath(const char* path);
// A file's bytes; empty when it cannot be read.
std::string fileText(const std::wstring& path);

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

// The processor time, in ms, that a process (another one or this one) has used so far; negative when
// there is no such process. Under Wine GetProcessTimes answers for another process with the times it
// had at its start; the system's list of processes carries them as they run.
double processorMs(DWORD process);
// The share of one core, in percent, that a process uses while this thread pumps its messages for `ms`,
// printed after `what`; negative when there is no such process.
double processorShare(DWORD process, unsigned ms, const char* what);
// How many seconds a measurement lasts: the environment variable `variable` when it asks for 1 to 600,
// else `byDefault`.
int secondsAsked(const char* variable, int byDefault);

// --- Waiting

// Pumps this thread's messages for `ms`: time for another program's timers to run.
void pumpFor(unsigned ms);
// Polls `done`, pumping, until it holds or `timeoutMs` passes; its last answer.
bool waitFor(const std::function<bool()>& done, unsigned timeoutMs);

// --- Finding windows

// A window of the process (top-level, or a control inside one) whose text is exactly `text`, polled
// for up to `timeoutMs`; null when none appeared. The text must be one that only the window looked for
// shows: the window may be found before it is shown or placed.
HWND waitForWindowText(DWORD process, const std::wstring& text, unsigned timeoutMs);
// Whether the window is the active window of its thread (of any process).
bool activeInItsThread(HWND window);
// Whether the window is above all windows.
bool topmost(HWND window);
// The message box of the process titled `title`, once its thread has activated it: a box is shown, then
// placed as it is activated; null when none was activated within `timeoutMs`.
HWND waitForBox(DWORD process, const std::wstring& title, unsigned timeoutMs = 10000);
// A control inside `top` (at any depth) whose text is exactly `text`, polled; null when none appeared.
HWND waitForControlText(HWND top, const std::wstring& text, unsigned timeoutMs = 5000);
// A control of the window class `className` inside `top` for which `match` holds, polled.
HWND waitForControl(HWND top, const wchar_t* className, const std::function<bool(HWND)>& match,
                    unsigned timeoutMs = 5000);
// The controls of the window class `className` inside `top`, from the top of the window down, then
// from left to right.
std::vector<HWND> controlsOfClass(HWND top, const wchar_t* className);
// The list box that shows at a place of the panel (twips), polled; null when none shows.
HWND waitForListAt(HWND panel, POINT twips, unsigned timeoutMs = 5000);
// The list box inside `top` that holds `item`; null when none does.
HWND listHolding(HWND top, const std::wstring& item);

using platform::win32::windowText;
// A control's text through the window messages (an edit box of another process keeps its own text);
// empty when the control does not answer within 2 s.
std::wstring controlText(HWND control);

// --- Places, in pixels

int twipsPerPixel();
int pixels(int twips);
// A control's place in the client area of its top-level window.
POINT placeInWindow(HWND control);
// The top-level window's own child under a point of its client area.
HWND childAt(HWND parent, int x, int y);
// The colour on the screen at a point of a window's client area.
COLORREF screenPixel(HWND window, POINT inClient);

// --- The user's gestures on another process's controls (posted: the program may stay in its handler)

// A left click as the mouse gives it, at a point of the control (a label, an image, a text box).
void click(HWND control, int x = 3, int y = 3);
void doubleClick(HWND control, int x = 3, int y = 3);
// A push of a button.
void press(HWND button);
// Typed key by key at the caret, as the keyboard does.
void type(HWND box, const std::wstring& text);
// The whole text selected, then `text` typed over it.
void typeOver(HWND box, const std::wstring& text);
// The user picks `item` of a list box or drop-down list: the selection, then the notification its
// window sends, then a double click when asked. False when the list has no such item.
bool pick(HWND list, const std::wstring& item, bool open = false);
// A left click on the item `index` of a list box.
void clickItem(HWND list, int index);
// A click on `button` of the window `top`, then on `item` of the list that it shows; false when no shown
// list held the item in time.
bool pickInMenu(HWND top, HWND button, const std::wstring& item);

// The real mouse, through the system's input queue as the user's hand moves it (screen pixels); a move
// returns once the system's cursor is there.
void moveMouse(POINT screen);
void leftButton(bool down);
// A drag with the left button from `from` to `to`, `midway` run halfway with the button held; the mouse
// stays at `to` long enough for a program that looks at the cursor every 100 ms to see it there.
void dragMouse(POINT from, POINT to, const std::function<void()>& midway = nullptr);
// The middle of a window, in screen pixels.
POINT centreOf(HWND window);

// --- The room simulator's windows

// The room's chat panel, at its fixed path below the browser window; its whole text pane, in the ANSI
// code page.
HWND chatPanel(HWND roomWindow);
// Where a picker is dropped: the chat panel's own title strip, above its text pane.
POINT dropPoint(HWND roomWindow);
std::string roomText(HWND roomWindow);
// Polls, pumping this thread's messages, until the room's text holds `what` or `timeoutMs` passes.
bool waitForRoomText(HWND roomWindow, const std::string& what, unsigned timeoutMs);

// The room's microphone as its two talk buttons (the 8th and 9th buttons of the chat panel) show it:
// both on while it is free, only the 8th while the user speaks, neither while another member does.
enum class Mic { Free, User, Other };
Mic roomMic(HWND roomWindow);

}  // namespace wardo::e2e
