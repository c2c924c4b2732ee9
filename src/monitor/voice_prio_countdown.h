// The panel's one-second timer TimerEtat: once the microphone taken with "Voice prio" is free again,
// the button counts "2", "1" and is usable again at the third tick.
#pragma once
#include "panel/part.h"

namespace wardo::app {
class Program;
}
namespace wardo::panel {
class Reglages;
}

namespace wardo::monitor {

class VoicePrioCountdown : public panel::Part {
public:
    VoicePrioCountdown(app::Program& program, panel::Reglages& panel);

    void TimerEtat_Timer();

private:
    app::Program& program_;
    panel::Reglages& panel_;
};

}  // namespace wardo::monitor
