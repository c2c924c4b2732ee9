#include "ui/win32/real_desktop.h"

#include "platform/win32/win32_platform.h"
#include "ui/win32/win32_host.h"

namespace wardo::ui::win32 {

namespace {

class Win32Desktop : public RealDesktop {
public:
    Win32Desktop() : host_(platform_.platform()) {}
    platform::Platform& platform() override { return platform_.platform(); }
    FormHost& host() override { return host_; }

private:
    platform::win32::Win32Platform platform_;
    Win32Host host_;
};

}  // namespace

std::unique_ptr<RealDesktop> openRealDesktop() {
    return std::make_unique<Win32Desktop>();
}

}  // namespace wardo::ui::win32
