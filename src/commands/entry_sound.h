// The sounds that ship beside the program: the entry sounds, one of which plays for each join and for
// the room's "/ding" calls, and the siren of the watched-nickname alert. Each starts and returns at once,
// beside everything else; a new sound cuts the one still playing.
#pragma once
#include "text/text.h"

namespace wardo::app {
class Program;
}

namespace wardo::commands {

// Starts CheminSonEntree; with no entry sound chosen (an empty path) nothing plays.
void JoueSonEntree(app::Program& program);
// The file of the entry sound "1", "2" or "3".
text::Text FichierSonEntree(app::Program& program, const text::Text& choix);
// No silence flag: a missing siren gives the system's default sound.
void JoueSirene(app::Program& program);

}  // namespace wardo::commands
