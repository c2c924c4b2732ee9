#include "commands/entry_sound.h"

#include "app/program.h"

namespace wardo::commands {

void JoueSonEntree(app::Program& program) {
    if (program.CheminSonEntree.empty()) return;
    program.platform.sounds.playWav(program.CheminSonEntree, true);
}

}  // namespace wardo::commands
