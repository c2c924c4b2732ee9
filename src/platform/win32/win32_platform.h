// The real platform: one of each Win32 implementation, handed to the program as platform::Platform.
#pragma once
#include "platform/platform.h"
#include "platform/win32/win32_digest.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_network.h"
#include "platform/win32/win32_sounds.h"
#include "platform/win32/win32_window_system.h"

namespace wardo::platform::win32 {

class Win32Platform {
public:
    Win32Platform();
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    Platform& platform() { return platform_; }
    Win32EventLoop& loop() { return loop_; }

    // The primary screen's size and twips per pixel, as the system reports them now.
    static Screen currentScreen();

private:
    Win32WindowSystem windows_;
    Win32EventLoop loop_;
    Win32MessageBoxes boxes_;
    Win32Sounds sounds_;
    Win32Files files_;
    Win32Environment env_;
    Win32Digest digest_;
    Win32Network network_{loop_};
    Platform platform_;
};

}  // namespace wardo::platform::win32
