#include "commands/microphone_take.h"

#include "app/program.h"

namespace wardo::commands {

void joue(app::Program& program, Tone tone) {
    program.platform.sounds.beep(tone.frequencyHz, tone.durationMs);
}

void BipPrise(app::Program& program) {
    if (!program.BipActif || program.BipPriseDonne) return;
    joue(program, kToneTake);
    program.BipPriseDonne = true;
}

void PriseRobot(app::Program& program) {
    if (program.MicroPris) return;
    program.room.PrendMicro();
    program.MicroPris = true;
}

}  // namespace wardo::commands
