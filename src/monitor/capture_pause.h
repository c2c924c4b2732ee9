// "Pause": suspends the pick-up of the target nickname for 29 seconds, with the countdown in view, so
// that the user can use the room's input line; a second click ends the pause at once.
#pragma once
#include "panel/part.h"

namespace wardo::app {
class Program;
}
namespace wardo::panel {
class Reglages;
}

namespace wardo::monitor {

class CapturePause : public panel::Part {
public:
    CapturePause(app::Program& program, panel::Reglages& panel);

    void MiseEnPause_Click();
    void TimerPauseCapture_Timer();

    static constexpr int kSecondes = 29;
    int CompteurPause = 0;  // seconds left

private:
    void finPause();

    panel::Reglages& panel_;
};

}  // namespace wardo::monitor
