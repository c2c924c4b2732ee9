// Everything the program reaches outside itself, injected as one bundle of interfaces.
#pragma once
#include "platform/dialogs.h"
#include "platform/event_loop.h"
#include "platform/files.h"
#include "platform/network.h"
#include "platform/window_system.h"

namespace wardo::platform {

struct Screen {
    int widthTwips = 1920 * 15;
    int heightTwips = 1080 * 15;
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
};

struct Platform {
    WindowSystem& windows;
    EventLoop& loop;
    MessageBoxes& boxes;
    Sounds& sounds;
    Files& files;
    Environment& env;
    Digest& digest;
    Network& network;
    Screen screen;
};

}  // namespace wardo::platform
