// A whole simulated desktop for one test: one of each simulated platform service, bundled as the
// program's Platform. Files live in a fresh temporary folder that goes away with the desktop.
#pragma once
#include "platform/platform.h"
#include "platform/sim/sim_digest.h"
#include "platform/sim/sim_environment.h"
#include "platform/sim/sim_event_loop.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_message_boxes.h"
#include "platform/sim/sim_network.h"
#include "platform/sim/sim_sounds.h"
#include "platform/sim/sim_window_system.h"
#include "platform/sim/temp_folder.h"

namespace wardo::platform::sim {

class SimDesktop {
public:
    SimDesktop()
        : files(folder_.path()), platform_{windows, loop,   boxes,   sounds,  files,
                                           env,     digest, network, Screen{}} {}
    SimDesktop(const SimDesktop&) = delete;
    SimDesktop& operator=(const SimDesktop&) = delete;

    Platform& platform() { return platform_; }

    SimEventLoop loop;
    SimWindowSystem windows{loop};
    SimMessageBoxes boxes{loop};
    SimSounds sounds{loop};

private:
    TempFolder folder_;  // before files: the files live in it

public:
    SimFiles files;
    SimEnvironment env;
    SimDigest digest;
    SimNetwork network{loop};

    const std::filesystem::path& root() const { return folder_.path(); }

private:
    Platform platform_;
};

}  // namespace wardo::platform::sim
