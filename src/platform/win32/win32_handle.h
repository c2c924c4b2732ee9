// The program stores window handles in 32 bits; Windows keeps user handles in 32 bits and extends
// them by sign to pointer width, so the round trip is exact.
#pragma once
#include <windows.h>

#include <cstdint>

#include "platform/window_system.h"

namespace wardo::platform::win32 {

inline HWND toHwnd(WindowHandle w) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(w));
}

inline WindowHandle fromHwnd(HWND h) {
    return static_cast<WindowHandle>(reinterpret_cast<std::intptr_t>(h));
}

}  // namespace wardo::platform::win32
