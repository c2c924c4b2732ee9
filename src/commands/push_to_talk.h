// The push-to-talk key, watched system-wide while the panel runs: a press takes the free microphone,
// releases it when the robot holds it, and waits up to 20 seconds for it when another member holds it.
// The latch ToucheMicroEnfoncee makes one press act once; the room-text poller clears it once the key
// reads up.
#pragma once
#include "panel/part.h"

namespace wardo::app {
class Program;
}
namespace wardo::panel {
class Reglages;
}

namespace wardo::commands {

class PushToTalkKey : public panel::Part {
public:
    PushToTalkKey(app::Program& program, panel::Reglages& panel);

    void Timer1_Timer();            // every 50 ms, from the panel's load on
    void TimerToucheMicro_Timer();  // every 5 ms while a press waits for a busy microphone

    static constexpr long kAttenteMaxSecondes = 20;

private:
    bool toucheEnfoncee();
    void pompe();

    app::Program& program_;
    panel::Reglages& panel_;
};

}  // namespace wardo::commands
