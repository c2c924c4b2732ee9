// The pick-up of the target nickname: every tick of BoucleLectPseudo reads the room's input line, tells
// the rest of the robot whether the user is typing there, and takes a nickname that the chat client put
// there ("Bob, ") as the new target, emptying the line and bringing the panel back.
#pragma once
#include "app/program.h"
#include "panel/part.h"

namespace wardo::panel {
class Reglages;
}

namespace wardo::monitor {

// True when the text holds a second blank or any "/": something the user types, never a nickname.
// The scan counts its positions in 16 bits: running past position 32767 is an overflow.
bool PlusieursMots(const text::Text& texte);

class LecturePseudo : public panel::Part {
public:
    LecturePseudo(app::Program& program, panel::Reglages& panel);

    // Guarded as a whole: a run-time failure ends the tick and the next one starts afresh.
    void BoucleLectPseudo_Timer();

private:
    void litSaisie();

    app::Program& program_;
    panel::Reglages& panel_;
};

}  // namespace wardo::monitor
