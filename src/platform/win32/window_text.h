// A window's whole text in UTF-16, whatever its length: for our own windows and for tools and tests
// that read other programs' windows (the ANSI window messages are the window system's business).
#pragma once
#include <windows.h>

#include <string>

namespace wardo::platform::win32 {

inline std::wstring windowText(HWND w) {
    const int length = GetWindowTextLengthW(w);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(w, text.data(), length + 1)));
    return text;
}

}  // namespace wardo::platform::win32
