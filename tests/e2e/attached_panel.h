// A room simulator and the program started beside it, attached through "Connexion à la salle" until its
// panel shows; the panel's twips as the display's pixels, and its controls clicked and looked at.
#pragma once
#include <windows.h>

#include <string>

#include "e2e_support.h"
#include "tools/room/win32/room_client.h"

namespace wardo::e2e {

int twipsPerPixel();
int pixels(int twips);

// The top-level window's own child under a point of its client area.
HWND childAt(HWND parent, int x, int y);

// A left click as the mouse gives it, on a control of another process (a label, an image).
void click(HWND control);
// The visible list box at a place of the panel (twips), polled for up to 5 s; null when none shows.
HWND waitForListAt(HWND panel, POINT twips);
// A left click on the item `index` of a list box.
void clickItem(HWND list, int index);
// The colour on the screen at a point of a window's client area.
COLORREF screenPixel(HWND window, POINT inClient);

class AttachedPanel {
public:
    // A new settings folder holding `ini`.
    AttachedPanel(const char* exe, const char* ini);
    // The settings folder of an earlier run.
    AttachedPanel(const char* exe, const std::wstring& appData);

    ProgramProcess& program() { return program_; }
    const std::wstring& appData() const { return appData_; }
    HWND panel = nullptr;  // null when the panel did not show

private:
    static std::wstring settings(const char* ini);

    std::wstring appData_;
    room::RoomProcess room_;
    ProgramProcess program_;
};

}  // namespace wardo::e2e
