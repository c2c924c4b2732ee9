// The bundle hands out its own implementations and the screen as the system reports it.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/win32_platform.h"

namespace wardo::platform::win32 {
namespace {

TEST(Win32Platform, BundlesOneOfEachAndTheScreen) {
    Win32Platform owner;
    Platform& p = owner.platform();
    EXPECT_NE(p.windows.desktop(), 0);
    const Screen s = p.screen;
    ASSERT_GT(s.twipsPerPixelX, 0);
    EXPECT_EQ(s.widthTwips / s.twipsPerPixelX, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(s.heightTwips / s.twipsPerPixelY, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(p.digest.md5Hex("abc"), "900150983cd24fb0d6963f7d28e17f72");
}

}  // namespace
}  // namespace wardo::platform::win32
