// The robot started beside a room simulator and attached to it through "Connexion à la salle", until its
// panel shows; every end-to-end test that needs the attached panel starts from here.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "e2e_support.h"
#include "tools/room/win32/room_client.h"

namespace wardo::e2e {

// The program started on `appData` and attached by "Connexion à la salle" to the room that the
// automatic search finds. `panel` is set once the panel shows and its first activation has put it above
// all windows (its timers run from then on); it stays null when that did not happen.
class Robot {
public:
    explicit Robot(const std::wstring& appData, const char* exe = WARDO_EXE);

    ProgramProcess& program() { return program_; }
    DWORD id() const { return program_.id(); }
    // A window of the program whose text is exactly `text` (see waitForWindowText).
    HWND find(const std::wstring& text, unsigned timeoutMs = 5000) const;

    HWND panel = nullptr;

private:
    ProgramProcess program_;
};

// A room of its own whose user is Zorro_75, greeted by the room, and the robot attached to it.
class AttachedPanel {
public:
    // A new settings folder holding `ini`.
    explicit AttachedPanel(const std::string& ini, const char* exe = WARDO_EXE);
    // The settings folder of an earlier run.
    explicit AttachedPanel(const std::wstring& appData, const char* exe = WARDO_EXE);

    const room::RoomProcess& room() const { return room_; }
    HWND roomWindow() const { return room_.window(); }
    // The room's answer to a command of its protocol; -1000 when it did not answer.
    long long ask(const std::wstring& command) const { return room_.command(command).value_or(-1000); }

    ProgramProcess& program() { return robot_->program(); }
    DWORD id() const { return robot_->id(); }
    HWND find(const std::wstring& text, unsigned timeoutMs = 5000) const {
        return robot_->find(text, timeoutMs);
    }
    const std::wstring& appData() const { return appData_; }
    std::wstring config() const { return configFolder(appData_); }

    HWND panel = nullptr;

private:
    std::wstring appData_;
    room::RoomProcess room_;
    std::optional<Robot> robot_;
};

}  // namespace wardo::e2e
