// The watched-nickname alert: a frame over the panel with the nickname and its arrival time (in the
// user's own time format), and the siren. A second alert while the frame is open overwrites both.
#include "commands/entry_sound.h"
#include "monitor/line_interpretation.h"
#include "panel/reglages.h"

namespace wardo::monitor {

void LineInterpretation::AlerteEntree(const Text& pseudo) {
    panel::Reglages& r = panel_;
    r.ouvreVolet(r.FrameAlerteUserEntre);
    commands::JoueSirene(program_);
    r.PseudoEnAlerteArrive.setCaption(pseudo);
    r.HeureArriveePseudoEnAlerte.setCaption(program_.platform.loop.userTimeOfDay());
}

}  // namespace wardo::monitor
