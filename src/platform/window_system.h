// Windows of other programs (the room's browser window and its controls), as the program sees them.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace wardo::platform {

// A window handle as the program stores it: 32 bits, 0 = none. Windows keeps user handles in 32 bits.
using WindowHandle = std::int32_t;

struct Point {
    int x = 0;
    int y = 0;
};

constexpr std::uint32_t kStyleVisible = 0x10000000;  // WS_VISIBLE

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    virtual WindowHandle desktop() = 0;
    virtual WindowHandle firstChild(WindowHandle w) = 0;   // GW_CHILD; 0 from 0
    virtual WindowHandle nextSibling(WindowHandle w) = 0;  // GW_HWNDNEXT; 0 from 0
    // GetClassNameA / GetWindowTextA into the caller's buffer, terminator included: the bytes copied, at
    // most buffer.size() - 1. Nothing is allocated: the room's searches read every window's names.
    virtual std::string_view classNameInto(WindowHandle w, std::span<char> buffer) = 0;
    virtual std::string_view windowTextInto(WindowHandle w, std::span<char> buffer) = 0;
    // The same with a buffer of `bufferSize` bytes, as a string.
    std::string classNameA(WindowHandle w, int bufferSize) {
        return read(bufferSize, [&](std::span<char> b) { return classNameInto(w, b); });
    }
    std::string windowTextA(WindowHandle w, int bufferSize) {
        return read(bufferSize, [&](std::span<char> b) { return windowTextInto(w, b); });
    }
    virtual std::uint32_t style(WindowHandle w) = 0;  // GWL_STYLE
    virtual bool isEnabled(WindowHandle w) = 0;       // IsWindowEnabled
    virtual bool isWindow(WindowHandle w) = 0;

    // Messages sent synchronously to a control, texts in the ANSI code page.
    virtual long getTextLength(WindowHandle w) = 0;                     // WM_GETTEXTLENGTH
    virtual std::string getText(WindowHandle w, long bufferSize) = 0;   // WM_GETTEXT
    virtual void setText(WindowHandle w, const std::string& ansi) = 0;  // WM_SETTEXT
    virtual void mouseDown(WindowHandle w) = 0;                         // WM_LBUTTONDOWN, 0, 0
    virtual void mouseUp(WindowHandle w) = 0;                           // WM_LBUTTONUP, 0, 0

    virtual Point cursorPos() = 0;                      // GetCursorPos, screen pixels
    virtual WindowHandle windowFromPoint(Point p) = 0;  // WindowFromPoint
    // GetAsyncKeyState non-zero: the key is down now, or was pressed since the previous query of it.
    virtual bool keyDown(int virtualKey) = 0;
    // SetWindowPos(w, HWND_TOPMOST / HWND_NOTOPMOST, 0,0,0,0, SWP_NOSIZE | SWP_NOMOVE).
    virtual void setTopmost(WindowHandle w, bool topmost) = 0;

private:
    template <class Into>
    static std::string read(int bufferSize, Into into) {
        if (bufferSize <= 0) return {};
        std::string buffer(static_cast<std::size_t>(bufferSize), '\0');
        buffer.resize(into(std::span<char>(buffer)).size());
        return buffer;
    }
};

}  // namespace wardo::platform
