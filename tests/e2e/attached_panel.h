// The robot started beside a room simulator and attached to it through "Connexion à la salle", until its
// panel shows; every end-to-end test that starts the robot starts it from here.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "e2e_support.h"
#include "tools/room/win32/room_client.h"

namespace wardo::e2e {

// A room simulator of its own (a title unique to this process) whose user is `nick`, greeted by the room
// with `greeting`, so that the robot's phrase is never the room's first line. `options` add to its
// command line (another browser class).
class GreetedRoom : public room::RoomProcess {
public:
    explicit GreetedRoom(const std::wstring& nick, const std::wstring& options = L"",
                         const std::wstring& greeting = L"Bienvenue dans la salle !");

    // The room's answer to a command of its protocol; -1000 when it did not answer.
    long long ask(const std::wstring& text) const { return command(text).value_or(-1000); }
};

// The program started on `appData`, its start-up window's "Connexion à la salle" pressed.
class Robot {
public:
    explicit Robot(const std::wstring& appData, const char* exe = WARDO_EXE);

    ProgramProcess& program() { return program_; }
    DWORD id() const { return program_.id(); }
    // A window of the program whose text is exactly `text` (see waitForWindowText).
    HWND find(const std::wstring& text, unsigned timeoutMs = 5000) const;
    // The panel once it shows and its first activation has put it above all windows (its timers run
    // from then on); null when that did not happen within `timeoutMs`.
    HWND waitForPanel(unsigned timeoutMs = 15000) const;

    // The start-up window, whose button was pressed; null when the program, the window or the button
    // did not come.
    HWND startUp = nullptr;

private:
    ProgramProcess program_;
};

// A greeted room whose user is Zorro_75 and the robot attached to it by the automatic search.
class AttachedPanel {
public:
    // A new settings folder holding `ini`.
    explicit AttachedPanel(const std::string& ini, const char* exe = WARDO_EXE);
    // The settings folder of an earlier run.
    explicit AttachedPanel(const std::wstring& appData, const char* exe = WARDO_EXE);

    const GreetedRoom& room() const { return room_; }
    HWND roomWindow() const { return room_.window(); }
    long long ask(const std::wstring& command) const { return room_.ask(command); }

    ProgramProcess& program() { return robot_->program(); }
    DWORD id() const { return robot_->id(); }
    HWND find(const std::wstring& text, unsigned timeoutMs = 5000) const {
        return robot_->find(text, timeoutMs);
    }
    const std::wstring& appData() const { return appData_; }
    std::wstring config() const { return configFolder(appData_); }

    HWND panel = nullptr;  // null when the panel did not show

private:
    std::wstring appData_;
    GreetedRoom room_;
    std::optional<Robot> robot_;
};

// The panel's close image (Image3), at the right of its title; null when none shows there.
HWND closeImage(HWND panel);

// A real drag of the picker's text `label` onto the chat panel's title strip of the room, `midway` run
// halfway with the button held.
::testing::AssertionResult dragPickerOnto(HWND label, HWND roomWindow,
                                          const std::function<void()>& midway = nullptr);

}  // namespace wardo::e2e
