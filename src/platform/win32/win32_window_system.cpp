// Every call tolerates a handle of 0 or of a vanished window: the answer is then 0 or empty.
#include "platform/win32/win32_window_system.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/win32_handle.h"

namespace wardo::platform::win32 {
namespace {

// The first n bytes of a buffer filled by an API that returns a count; negative or oversized counts
// (an API failing, a control lying about its length) are clamped.
std::string_view firstBytes(std::span<char> buffer, long long n) {
    if (n <= 0) return {};
    return {buffer.data(),
            static_cast<std::size_t>(std::min<long long>(n, static_cast<long long>(buffer.size()) - 1))};
}

std::string firstBytes(std::string& buffer, long long n) {
    buffer.resize(firstBytes(std::span<char>(buffer), n).size());
    return std::move(buffer);
}

}  // namespace

WindowHandle Win32WindowSystem::desktop() {
    return fromHwnd(GetDesktopWindow());
}

WindowHandle Win32WindowSystem::firstChild(WindowHandle w) {
    return w == 0 ? 0 : fromHwnd(GetWindow(toHwnd(w), GW_CHILD));
}

WindowHandle Win32WindowSystem::nextSibling(WindowHandle w) {
    return w == 0 ? 0 : fromHwnd(GetWindow(toHwnd(w), GW_HWNDNEXT));
}

// The A functions write at most the buffer's size, terminator included, and return the bytes written.
std::string_view Win32WindowSystem::classNameInto(WindowHandle w, std::span<char> buffer) {
    if (w == 0 || buffer.size() <= 1) return {};
    const int size = static_cast<int>(std::min<std::size_t>(buffer.size(), 0x7FFFFFFF));
    return firstBytes(buffer, GetClassNameA(toHwnd(w), buffer.data(), size));
}

std::string_view Win32WindowSystem::windowTextInto(WindowHandle w, std::span<char> buffer) {
    if (w == 0 || buffer.size() <= 1) return {};
    const int size = static_cast<int>(std::min<std::size_t>(buffer.size(), 0x7FFFFFFF));
    return firstBytes(buffer, GetWindowTextA(toHwnd(w), buffer.data(), size));
}

std::uint32_t Win32WindowSystem::style(WindowHandle w) {
    return w == 0 ? 0 : static_cast<std::uint32_t>(GetWindowLongA(toHwnd(w), GWL_STYLE));
}

bool Win32WindowSystem::isEnabled(WindowHandle w) {
    return w != 0 && IsWindowEnabled(toHwnd(w)) != FALSE;
}

bool Win32WindowSystem::isWindow(WindowHandle w) {
    return w != 0 && IsWindow(toHwnd(w)) != FALSE;
}

long Win32WindowSystem::getTextLength(WindowHandle w) {
    if (w == 0) return 0;
    const LRESULT n = SendMessageA(toHwnd(w), WM_GETTEXTLENGTH, 0, 0);
    return static_cast<long>(std::clamp<LRESULT>(n, 0, 0x7FFFFFFF));
}

std::string Win32WindowSystem::getText(WindowHandle w, long bufferSize) {
    if (w == 0 || bufferSize <= 1) return {};
    std::string buffer(static_cast<std::size_t>(bufferSize), '\0');
    const LRESULT n = SendMessageA(toHwnd(w), WM_GETTEXT, static_cast<WPARAM>(bufferSize),
                                   reinterpret_cast<LPARAM>(buffer.data()));
    return firstBytes(buffer, n);
}

void Win32WindowSystem::setText(WindowHandle w, const std::string& ansi) {
    if (w == 0) return;
    SendMessageA(toHwnd(w), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ansi.c_str()));
}

void Win32WindowSystem::mouseDown(WindowHandle w) {
    if (w != 0) SendMessageA(toHwnd(w), WM_LBUTTONDOWN, 0, 0);
}

void Win32WindowSystem::mouseUp(WindowHandle w) {
    if (w != 0) SendMessageA(toHwnd(w), WM_LBUTTONUP, 0, 0);
}

Point Win32WindowSystem::cursorPos() {
    POINT p{};
    if (!GetCursorPos(&p)) return {};
    return {static_cast<int>(p.x), static_cast<int>(p.y)};
}

WindowHandle Win32WindowSystem::windowFromPoint(Point p) {
    return fromHwnd(WindowFromPoint(POINT{p.x, p.y}));
}

bool Win32WindowSystem::keyDown(int virtualKey) {
    if (virtualKey <= 0 || virtualKey > 0xFF) return false;
    // The high bit says down now, the low bit pressed since the previous query: either counts.
    return GetAsyncKeyState(virtualKey) != 0;
}

void Win32WindowSystem::setTopmost(WindowHandle w, bool topmost) {
    if (w == 0) return;
    SetWindowPos(toHwnd(w), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

}  // namespace wardo::platform::win32
