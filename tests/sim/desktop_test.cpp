// The desktop bundle: a temporary folder of its own, removed with it.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/sim/sim_desktop.h"

namespace wardo::platform::sim {
namespace {

TEST(SimDesktop, HasAFolderOfItsOwnAndRemovesIt) {
    std::filesystem::path root;
    {
        SimDesktop d;
        root = d.root();
        ASSERT_TRUE(std::filesystem::is_directory(root));
        std::filesystem::create_directories(root / "a" / "b");
        SimDesktop other;
        EXPECT_NE(other.root(), root);
    }
    EXPECT_FALSE(std::filesystem::exists(root));
}

}  // namespace
}  // namespace wardo::platform::sim
