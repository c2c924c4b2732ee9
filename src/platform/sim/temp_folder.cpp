#include "platform/sim/temp_folder.h"

#include <atomic>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace wardo::platform::sim {

TempFolder::TempFolder() {
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto name = "wardo-sim-" + std::to_string(rd()) + "-" + std::to_string(counter++);
        std::error_code ec;
        if (std::filesystem::create_directory(base / name, ec)) {
            path_ = base / name;
            return;
        }
    }
    throw std::runtime_error("TempFolder: cannot create a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ec;  // removal is best effort: a destructor must not throw
    std::filesystem::remove_all(path_, ec);
}

}  // namespace wardo::platform::sim
