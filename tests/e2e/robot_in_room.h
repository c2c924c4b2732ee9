// The program attached to a room simulator, its panel open, and the few gestures the tests of the panel's
// commands make on its real windows from outside: a click on a label or a button, a pick in a list.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "tools/room/win32/room_client.h"

namespace wardo::e2e {

inline int twipsPerPixel() {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return 1440 / dpi;
}

inline int pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel()));
}

// A room whose user is Zorro_75, the program started beside it with `ini` as its settings, and the panel
// that "Connexion à la salle" opened.
class RobotInRoom {
    std::wstring appData_;  // first: what follows is built from it

public:
    RobotInRoom(const std::wstring& name, const std::string& ini)
        : appData_(settings(name, ini)),
          config(appData_ + L"\\Wardo\\"),
          room_(widePath(WARDO_ROOM_EXE), L"Salle " + name + L" " + std::to_wstring(GetCurrentProcessId()),
                L"--nick Zorro_75"),
          program_(widePath(WARDO_EXE), appData_) {
        if (room_.window() == nullptr || !program_.started()) return;
        room_.command(L"notice Bienvenue dans la salle !");
        HWND button = waitForWindowText(program_.id(), L"Connexion à la salle", 15000);
        if (button == nullptr) return;
        PostMessageW(button, BM_CLICK, 0, 0);
        HWND found = waitForWindowText(program_.id(), L"Wardo - V 1.52", 15000);
        // The window is found as soon as it is created, before it is shown.
        if (found != nullptr && waitFor([&] { return IsWindowVisible(found) != FALSE; }, 10000))
            panel = found;
    }

    ProgramProcess& program() { return program_; }
    const room::RoomProcess& room() const { return room_; }
    long long ask(const std::wstring& command) const { return room_.command(command).value_or(-1000); }
    HWND find(const std::wstring& text, unsigned timeoutMs = 5000) {
        return waitForWindowText(program_.id(), text, timeoutMs);
    }

    const std::wstring config;  // the configuration folder, ending with a backslash
    HWND panel = nullptr;

private:
    static std::wstring settings(const std::wstring& name, const std::string& ini) {
        const std::wstring appData = freshFolder(name);
        std::filesystem::create_directories(appData + L"\\Wardo");
        std::ofstream(std::filesystem::path(appData + L"\\Wardo\\wardo.ini")) << ini;
        return appData;
    }
    room::RoomProcess room_;
    ProgramProcess program_;
};

// A click of the left button on a label of another process, at its top-left corner.
inline void clickLabel(HWND label) {
    PostMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

// The user picks `item` of a list box or drop-down list of another process: the selection, then the
// notification its window sends (posted: the program may stay in its handler), then a double click when
// asked. False when the list has no such item.
inline bool pick(HWND list, const std::wstring& item, bool open = false) {
    wchar_t kind[32] = {};
    GetClassNameW(list, kind, 32);
    const bool combo = lstrcmpiW(kind, L"ComboBox") == 0;
    const LRESULT at = SendMessageW(list, combo ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT,
                                    static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item.c_str()));
    if (at < 0) return false;
    SendMessageW(list, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(at), 0);
    auto notify = [list](WORD code) {
        PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), code),
                     reinterpret_cast<LPARAM>(list));
    };
    notify(combo ? CBN_SELCHANGE : LBN_SELCHANGE);
    if (open) notify(LBN_DBLCLK);
    return true;
}

// The children of `parent` of the window class `kind`, from the top of the window down.
inline std::vector<HWND> childrenOfClass(HWND parent, const wchar_t* kind) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(parent, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t name[32] = {};
        GetClassNameW(c, name, 32);
        if (lstrcmpiW(name, kind) == 0) out.push_back(c);
    }
    std::sort(out.begin(), out.end(), [](HWND a, HWND b) {
        RECT ra{}, rb{};
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return out;
}

// The text of a text box of another process (its window text does not cross processes).
inline std::wstring boxText(HWND box) {
    const auto length = SendMessageW(box, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(box, WM_GETTEXT, static_cast<WPARAM>(length + 1),
                                                      reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

// The list box of `parent` that holds `item`; null when none does.
inline HWND listHolding(HWND parent, const std::wstring& item) {
    for (HWND l : childrenOfClass(parent, L"ListBox"))
        if (SendMessageW(l, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(item.c_str())) >= 0)
            return l;
    return nullptr;
}

}  // namespace wardo::e2e
