// The watched-nickname alert: a frame over the panel with the nickname and its arrival time, and the
// siren. A second alert while the frame is open overwrites both.
#include "monitor/line_interpretation.h"
#include "panel/reglages.h"

namespace wardo::monitor {

void LineInterpretation::AlerteEntree(const Text& pseudo) {
    panel::Reglages& r = panel_;
    platform::Platform& platform = program_.platform;
    r.ouvreVolet(r.FrameAlerteUserEntre);
    // No silence flag: a missing siren gives the system's default sound.
    platform.sounds.playWav(platform.files.programFolder() + L"sireneincendie.wav", true);
    r.PseudoEnAlerteArrive.setCaption(pseudo);
    r.HeureArriveePseudoEnAlerte.setCaption(platform.loop.timeOfDay());
}

}  // namespace wardo::monitor
