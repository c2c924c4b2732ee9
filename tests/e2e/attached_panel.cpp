#include "attached_panel.h"

namespace wardo::e2e {

namespace {

int rooms = 0;

bool topmost(HWND w) {
    return (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace

Robot::Robot(const std::wstring& appData, const char* exe) : program_(widePath(exe), appData) {
    if (!program_.started()) return;
    HWND button = find(L"Connexion à la salle", 15000);
    if (button == nullptr) return;
    press(button);
    // The panel's window exists before its controls do and before it shows; its first activation puts
    // it above all windows.
    HWND window = find(L"Wardo - V 1.52", 15000);
    if (window != nullptr && waitFor([&] { return IsWindowVisible(window) && topmost(window); }, 10000))
        panel = window;
}

HWND Robot::find(const std::wstring& text, unsigned timeoutMs) const {
    return waitForWindowText(program_.id(), text, timeoutMs);
}

AttachedPanel::AttachedPanel(const std::string& ini, const char* exe)
    : AttachedPanel(settingsFolder(L"panel", ini), exe) {}

AttachedPanel::AttachedPanel(const std::wstring& appData, const char* exe)
    : appData_(appData),
      room_(widePath(WARDO_ROOM_EXE),
            L"Salle " + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++rooms),
            L"--nick Zorro_75 --no-control") {
    // The room greets whoever enters: the robot's phrase is never the room's first line.
    if (room_.window() != nullptr) room_.command(L"notice Bienvenue dans la salle !");
    robot_.emplace(appData_, exe);
    if (room_.window() != nullptr) panel = robot_->panel;
}

}  // namespace wardo::e2e
