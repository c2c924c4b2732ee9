#include "panel/panel_timers.h"

namespace wardo::panel {

void PanelTimers::designTimers() {
    struct TimerDesign {
        ui::Timer& timer;
        int intervalMs;
        bool enabled;
    };
    for (const TimerDesign& t :
         {TimerDesign{Boucle, 200, true}, TimerDesign{TimerEtat, 1000, true},
          TimerDesign{BoucleLectPseudo, 500, false}, TimerDesign{TimerPauseCapture, 1000, false},
          TimerDesign{Timer1, 50, true}, TimerDesign{PriseMicro, 10, false},
          TimerDesign{AttenteLacheMicro, 50, false}, TimerDesign{TimerChoixToucheMicro, 100, false},
          TimerDesign{TimerToucheMicro, 5, false}}) {
        t.timer.setInterval(t.intervalMs);
        t.timer.setEnabled(t.enabled);
    }
    // The poller keeps reading the room while a box that one of its lines opened waits for the user;
    // it records each line before interpreting it, so a nested tick never handles a line twice.
    Boucle.setNestedTicks(true);
}

}  // namespace wardo::panel
