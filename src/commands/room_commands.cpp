#include "commands/room_commands.h"

namespace wardo::commands {

void EnvoieCommande(app::Program& program, const Text& ligne, int pauseMs) {
    program.room.EnvoieChat(ligne);
    if (pauseMs > 0) program.platform.loop.sleep(pauseMs);
}

Text Signature(const app::Program& program) {
    return program.SignatureActive ? L" (par " + program.PseudoRobot + L" )" : Text();
}

}  // namespace wardo::commands
