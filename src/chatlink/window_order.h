// Putting one of the program's windows above all ordinary windows, and taking it back.
#pragma once
#include "platform/window_system.h"

namespace wardo::chatlink {

// SetWindowPos with HWND_TOPMOST, keeping place and size; the window is also activated.
void MetPremierPlan(platform::WindowSystem& windows, platform::WindowHandle window);
// SetWindowPos with HWND_NOTOPMOST: back among the ordinary windows.
void RetirePremierPlan(platform::WindowSystem& windows, platform::WindowHandle window);

}  // namespace wardo::chatlink
