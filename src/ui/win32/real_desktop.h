// The real Windows desktop as the program sees it: the platform and the controls binding, opened
// together. This header stays free of the system's headers so that the program's entry can use it.
#pragma once
#include <memory>

#include "platform/platform.h"
#include "ui/form_host.h"

namespace wardo::ui::win32 {

class RealDesktop {
public:
    virtual ~RealDesktop() = default;
    virtual platform::Platform& platform() = 0;
    virtual FormHost& host() = 0;
};

std::unique_ptr<RealDesktop> openRealDesktop();

}  // namespace wardo::ui::win32
