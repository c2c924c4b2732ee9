// The window system over real windows: user32 calls and synchronous ANSI window messages.
#pragma once
#include "platform/window_system.h"

namespace wardo::platform::win32 {

class Win32WindowSystem final : public WindowSystem {
public:
    WindowHandle desktop() override;
    WindowHandle firstChild(WindowHandle w) override;
    WindowHandle nextSibling(WindowHandle w) override;
    std::string_view classNameInto(WindowHandle w, std::span<char> buffer) override;
    std::string_view windowTextInto(WindowHandle w, std::span<char> buffer) override;
    std::uint32_t style(WindowHandle w) override;
    bool isEnabled(WindowHandle w) override;
    bool isWindow(WindowHandle w) override;

    long getTextLength(WindowHandle w) override;
    std::string getText(WindowHandle w, long bufferSize) override;
    void setText(WindowHandle w, const std::string& ansi) override;
    void mouseDown(WindowHandle w) override;
    void mouseUp(WindowHandle w) override;

    Point cursorPos() override;
    WindowHandle windowFromPoint(Point p) override;
    bool keyDown(int virtualKey) override;
    void setTopmost(WindowHandle w, bool topmost) override;
};

}  // namespace wardo::platform::win32
