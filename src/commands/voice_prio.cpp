#include "commands/voice_prio.h"

#include "app/program.h"
#include "commands/microphone_take.h"
#include "panel/reglages.h"

namespace wardo::commands {

VoicePrio::VoicePrio(app::Program& program, panel::Reglages& panel) : program_(program), panel_(panel) {
    panel.microprio.onClick = [this] { microprio_Click(); };
    panel.PriseMicro.onTimer = [this] { PriseMicro_Timer(); };
    panel.AttenteLacheMicro.onTimer = [this] { AttenteLacheMicro_Timer(); };
}

// No time limit and no cancel: the wait ends only when the microphone is free.
void VoicePrio::microprio_Click() {
    panel_.PriseMicro.setEnabled(true);
    panel_.microprio.setCaption(L"Attente ...");
}

void VoicePrio::PriseMicro_Timer() {
    if (!program_.room.MicroOccupe()) {
        panel_.PriseMicro.setEnabled(false);
        panel_.microprio.setEnabled(false);
        panel_.microprio.setCaption(L"Micro svp !");
        panel_.AttenteLacheMicro.setEnabled(true);
        BipPrise(program_);
        PriseRobot(program_);
    }
    program_.platform.loop.doEvents();
}

// The release may come from the key, from the user's click in the room or from a sound broadcast.
void VoicePrio::AttenteLacheMicro_Timer() {
    if (!program_.room.MicroOccupe()) {
        program_.DecompteVoicePrio = true;
        program_.CompteurVoicePrio = 0;
        panel_.AttenteLacheMicro.setEnabled(false);
    }
    program_.platform.loop.doEvents();
}

}  // namespace wardo::commands
