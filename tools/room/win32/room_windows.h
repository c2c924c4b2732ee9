// What every window of the room simulator is made with: the program's own window classes and child
// controls in the stock font.
#pragma once
#include <windows.h>

#include <stdexcept>

namespace wardo::room {

// A class of this program: arrow pointer, button-face background. Registering it again is harmless.
inline void registerWindowClass(const wchar_t* name, WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error("room: cannot register a window class");
}

// A visible child window at `r` (parent's client pixels), in the stock GUI font.
inline HWND createChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, RECT r, int id = 0,
                        void* param = nullptr) {
    HWND h = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), param);
    if (h == nullptr) throw std::runtime_error("room: cannot create a child window");
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return h;
}

}  // namespace wardo::room
