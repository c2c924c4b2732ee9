#include "attached_panel.h"

namespace wardo::e2e {

namespace {

int rooms = 0;

}  // namespace

GreetedRoom::GreetedRoom(const std::wstring& nick, const std::wstring& options, const std::wstring& greeting)
    : RoomProcess(widePath(WARDO_ROOM_EXE),
                  L"Salle " + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++rooms),
                  L"--nick " + nick + L" --no-control " + options) {
    if (window() != nullptr) command(L"notice " + greeting);
}

Robot::Robot(const std::wstring& appData, const char* exe) : program_(widePath(exe), appData) {
    if (!program_.started()) return;
    // The start-up window is the one that holds the button: the picker shows the same title.
    HWND button = find(L"Connexion à la salle", 15000);
    if (button == nullptr) return;
    press(button);
    startUp = GetAncestor(button, GA_ROOT);
}

HWND Robot::find(const std::wstring& text, unsigned timeoutMs) const {
    return waitForWindowText(program_.id(), text, timeoutMs);
}

HWND Robot::waitForPanel(unsigned timeoutMs) const {
    if (startUp == nullptr) return nullptr;
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    // The panel's window exists before its controls do and before it shows.
    HWND panel = find(L"Wardo - V 1.52", timeoutMs);
    const ULONGLONG now = GetTickCount64();
    if (panel == nullptr || now >= end) return nullptr;
    const bool ready =
        waitFor([&] { return IsWindowVisible(panel) && topmost(panel); }, static_cast<unsigned>(end - now));
    return ready ? panel : nullptr;
}

AttachedPanel::AttachedPanel(const std::string& ini, const char* exe)
    : AttachedPanel(settingsFolder(L"panel", ini), exe) {}

AttachedPanel::AttachedPanel(const std::wstring& appData, const char* exe)
    : appData_(appData), room_(L"Zorro_75") {
    robot_.emplace(appData_, exe);
    if (room_.window() != nullptr) panel = robot_->waitForPanel();
}

HWND closeImage(HWND panel) {
    HWND close = childAt(panel, pixels(4260) + 4, pixels(60) + 4);
    return close != panel ? close : nullptr;
}

::testing::AssertionResult dragPickerOnto(HWND label, HWND roomWindow, const std::function<void()>& midway) {
    const POINT drop = dropPoint(roomWindow), grab = centreOf(label);
    if (WindowFromPoint(drop) != chatPanel(roomWindow))
        return ::testing::AssertionFailure() << "the chat panel's title strip is not at the drop point";
    if (WindowFromPoint(grab) != label)
        return ::testing::AssertionFailure() << "the picker's text is covered";
    dragMouse(grab, drop, midway);
    return ::testing::AssertionSuccess();
}

}  // namespace wardo::e2e
