#include "commands/entry_sound.h"

#include "app/program.h"

namespace wardo::commands {

void JoueSonEntree(app::Program& program) {
    if (program.CheminSonEntree.empty()) return;
    program.platform.sounds.playWav(program.CheminSonEntree, true);
}

text::Text FichierSonEntree(app::Program& program, const text::Text& choix) {
    return program.platform.files.programFolder() + L"sonentree" + choix + L".wav";
}

void JoueSirene(app::Program& program) {
    program.platform.sounds.playWav(program.platform.files.programFolder() + L"sireneincendie.wav", true);
}

}  // namespace wardo::commands
