// The desktop bundle: one platform of simulated services, with a temporary folder of its own.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/sim/sim_desktop.h"

namespace wardo::platform::sim {
namespace {

TEST(SimDesktop, BundlesItsServicesAndRemovesItsFolder) {
    std::filesystem::path root;
    {
        SimDesktop d;
        root = d.root();
        ASSERT_TRUE(std::filesystem::is_directory(root));
        std::filesystem::create_directories(root / "a" / "b");
        Platform& p = d.platform();
        EXPECT_EQ(&p.loop, &d.loop);
        EXPECT_EQ(&p.windows, &d.windows);
        EXPECT_EQ(&p.files, &d.files);
        p.loop.sleep(20);
        EXPECT_EQ(d.loop.nowMs(), SimEventLoop::kStartMs + 20);
        SimDesktop other;
        EXPECT_NE(other.root(), root);
    }
    EXPECT_FALSE(std::filesystem::exists(root));
}

}  // namespace
}  // namespace wardo::platform::sim
