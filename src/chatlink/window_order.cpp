#include "chatlink/window_order.h"

namespace wardo::chatlink {

void MetPremierPlan(platform::WindowSystem& windows, platform::WindowHandle window) {
    windows.setTopmost(window, true);
}

void RetirePremierPlan(platform::WindowSystem& windows, platform::WindowHandle window) {
    windows.setTopmost(window, false);
}

}  // namespace wardo::chatlink
