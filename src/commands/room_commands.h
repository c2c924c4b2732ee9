// Typing a command into the room: the line through EnvoieChat (which waits its own 150 ms), then the
// command's pause. Pauses block everything: no event is handled during them.
#pragma once
#include "app/program.h"

namespace wardo::commands {

using text::Text;

void EnvoieCommande(app::Program& program, const Text& ligne, int pauseMs = 0);

// The signature of a sanction: " (par " & PseudoRobot & " )" when SignatureActive is on, else "".
Text Signature(const app::Program& program);

}  // namespace wardo::commands
