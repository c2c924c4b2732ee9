#include "commands/push_to_talk.h"

#include "app/program.h"
#include "commands/microphone_take.h"
#include "panel/reglages.h"

namespace wardo::commands {

PushToTalkKey::PushToTalkKey(app::Program& program, panel::Reglages& panel)
    : program_(program), panel_(panel) {
    panel.Timer1.onTimer = [this] { Timer1_Timer(); };
    panel.TimerToucheMicro.onTimer = [this] { TimerToucheMicro_Timer(); };
}

// Down now or pressed since the previous query; a code of 0 never reads as down.
bool PushToTalkKey::toucheEnfoncee() {
    const long code = program_.CodeToucheMicro;
    return code != 0 && program_.platform.windows.keyDown(static_cast<int>(code));
}

void PushToTalkKey::pompe() {
    program_.platform.loop.doEvents();
}

void PushToTalkKey::Timer1_Timer() {
    app::Program& p = program_;
    if (p.ToucheMicroEnfoncee) return;
    p.ToucheMicroEnfoncee = toucheEnfoncee();
    if (!p.ToucheMicroActive || !toucheEnfoncee()) return pompe();

    auto& room = p.room;
    if (room.MicroOccupe() && !p.MicroPris) {
        // Another member speaks: wait for the microphone. A new press restarts the wait.
        panel_.TimerToucheMicro.setEnabled(true);
        p.HeureAppuiToucheMicro = static_cast<long>(p.platform.loop.secondsClock());
        joue(p, kToneBusy);
        return;
    }
    // Here the microphone is free, or the robot holds it: take it, or let it go.
    if (!room.MicroOccupe()) {
        BipPrise(p);
        PriseRobot(p);
    } else {
        room.LibereMicro();
        p.MicroPris = false;
        p.BipPriseDonne = false;
        if (p.BipActif) joue(p, kToneRelease);
    }
    pompe();
}

// A tick that takes the microphone ends the wait: the take may land just before the limit, or pass it
// while a slow client answers, and giving up then would forget a microphone the room has given.
void PushToTalkKey::TimerToucheMicro_Timer() {
    app::Program& p = program_;
    if (!p.room.MicroOccupe()) {
        BipPrise(p);
        if (!p.MicroPris) {
            PriseRobot(p);
            panel_.TimerToucheMicro.setEnabled(false);
            return pompe();
        }
    }
    // Whole seconds of a clock that runs on across midnight: the wait ends 20 to 21 seconds after the press.
    if (p.platform.loop.secondsClock() > p.HeureAppuiToucheMicro + kAttenteMaxSecondes) {
        joue(p, kToneBusy);
        p.MicroPris = false;
        p.ToucheMicroEnfoncee = false;
        panel_.TimerToucheMicro.setEnabled(false);
    }
    pompe();
}

}  // namespace wardo::commands
