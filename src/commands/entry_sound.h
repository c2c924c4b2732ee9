// The entry sound: played for each join and for the room's "/ding" calls, beside everything else.
#pragma once

namespace wardo::app {
class Program;
}

namespace wardo::commands {

// Starts CheminSonEntree and returns at once; a new sound cuts the one still playing. With no entry
// sound chosen (an empty path) nothing plays.
void JoueSonEntree(app::Program& program);

}  // namespace wardo::commands
