// A fresh folder under the system's temporary folder for one test, removed with its content.
#pragma once
#include <windows.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <system_error>

namespace wardo::testing {

class ScratchFolder {
public:
    ScratchFolder() {
        static std::atomic<unsigned> counter{0};
        const auto base = std::filesystem::temp_directory_path();
        path_ = base /
                ("wardo-settings-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // With its trailing backslash, as the program builds its folders.
    std::wstring wide() const { return path_.wstring() + L"\\"; }
    std::string ansi() const { return path_.string() + "\\"; }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace wardo::testing
