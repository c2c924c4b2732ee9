// "Voice prio": waits for the room's microphone to be free, takes it at once, and keeps the button off
// until the microphone has been released and the panel's one-second countdown has run.
#pragma once
#include "panel/part.h"

namespace wardo::app {
class Program;
}
namespace wardo::panel {
class Reglages;
}

namespace wardo::commands {

class VoicePrio : public panel::Part {
public:
    VoicePrio(app::Program& program, panel::Reglages& panel);

    void microprio_Click();
    void PriseMicro_Timer();         // every 10 ms while the priority wait runs
    void AttenteLacheMicro_Timer();  // every 50 ms after the take, until the microphone is free again

private:
    app::Program& program_;
    panel::Reglages& panel_;
};

}  // namespace wardo::commands
