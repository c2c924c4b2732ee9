#include "attached_panel.h"

#include <cmath>
#include <filesystem>
#include <fstream>

namespace wardo::e2e {

int twipsPerPixel() {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return 1440 / dpi;
}

int pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel()));
}

HWND childAt(HWND parent, int x, int y) {
    return ChildWindowFromPointEx(parent, POINT{x, y}, CWP_SKIPINVISIBLE);
}

void click(HWND control) {
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

HWND waitForListAt(HWND panel, POINT twips) {
    HWND list = nullptr;
    const bool shown = waitFor(
        [&] {
            list = childAt(panel, pixels(twips.x) + 5, pixels(twips.y) + 5);
            wchar_t cls[16] = {};
            GetClassNameW(list, cls, 16);
            return lstrcmpiW(cls, L"ListBox") == 0;
        },
        5000);
    return shown ? list : nullptr;
}

void clickItem(HWND list, int index) {
    const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM at = MAKELPARAM(5, height * index + height / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
}

COLORREF screenPixel(HWND window, POINT inClient) {
    ClientToScreen(window, &inClient);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, inClient.x, inClient.y);
    ReleaseDC(nullptr, screen);
    return c;
}

namespace {
int runs = 0;
}

AttachedPanel::AttachedPanel(const char* exe, const char* ini) : AttachedPanel(exe, settings(ini)) {}

AttachedPanel::AttachedPanel(const char* exe, const std::wstring& appData)
    : appData_(appData),
      room_(widePath(WARDO_ROOM_EXE),
            L"Salle panneau " + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++runs),
            L"--nick Zorro_75"),
      program_(widePath(exe), appData) {
    if (room_.window() == nullptr || !program_.started()) return;
    room_.command(L"notice Bienvenue dans la salle !");
    HWND button = waitForWindowText(program_.id(), L"Connexion à la salle", 15000);
    if (button == nullptr) return;
    PostMessageW(button, BM_CLICK, 0, 0);
    panel = waitForWindowText(program_.id(), L"Wardo - V 1.52", 15000);
    // The window is found as soon as it is created, before its controls are and it is shown.
    const ULONGLONG end = GetTickCount64() + 10000;
    while (panel != nullptr && !IsWindowVisible(panel) && GetTickCount64() < end)
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
}

std::wstring AttachedPanel::settings(const char* ini) {
    const std::wstring appData = freshFolder(L"panel");
    CreateDirectoryW((appData + L"\\Wardo").c_str(), nullptr);
    std::ofstream(std::filesystem::path(appData + L"\\Wardo\\wardo.ini")) << ini;
    return appData;
}

}  // namespace wardo::e2e
