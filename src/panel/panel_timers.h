// The panel's timers, with their intervals and design states. Boucle, TimerEtat and Timer1 run from the
// panel's load; the others wait for whoever switches them on.
#pragma once
#include "ui/ui.h"

namespace wardo::panel {

class PanelTimers {
public:
    explicit PanelTimers(ui::Form& form) : f_(form) {}

private:
    ui::Form& f_;

public:
    ui::Timer Boucle{f_, L"Boucle"};                      // the room-text poller
    ui::Timer TimerEtat{f_, L"TimerEtat"};                // the "Voice prio" countdown
    ui::Timer BoucleLectPseudo{f_, L"BoucleLectPseudo"};  // the target pick-up
    ui::Timer TimerPauseCapture{f_, L"TimerPauseCapture"};
    ui::Timer Timer1{f_, L"Timer1"};  // the push-to-talk key
    ui::Timer PriseMicro{f_, L"PriseMicro"};
    ui::Timer AttenteLacheMicro{f_, L"AttenteLacheMicro"};
    ui::Timer TimerChoixToucheMicro{f_, L"TimerChoixToucheMicro"};
    ui::Timer TimerToucheMicro{f_, L"TimerToucheMicro"};

protected:
    void designTimers();
};

}  // namespace wardo::panel
