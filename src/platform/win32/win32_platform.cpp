#include "platform/win32/win32_platform.h"

#include <windows.h>

#include "platform/win32/win32_code_page.h"

namespace wardo::platform::win32 {

// Texts cross to other windows and the settings file in the system's code page from here on.
Win32Platform::Win32Platform()
    : platform_{windows_, loop_, boxes_, sounds_, files_, env_, digest_, network_, currentScreen()} {
    text::useAnsiCodePage(&systemCodePage());
}

Screen Win32Platform::currentScreen() {
    Screen screen;
    HDC dc = GetDC(nullptr);
    if (dc != nullptr) {
        // 1440 twips to the inch.
        const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
        const int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(nullptr, dc);
        if (dpiX > 0) screen.twipsPerPixelX = 1440 / dpiX;
        if (dpiY > 0) screen.twipsPerPixelY = 1440 / dpiY;
    }
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (width > 0) screen.widthTwips = width * screen.twipsPerPixelX;
    if (height > 0) screen.heightTwips = height * screen.twipsPerPixelY;
    return screen;
}

}  // namespace wardo::platform::win32
