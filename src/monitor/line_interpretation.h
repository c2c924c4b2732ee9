// What one new line of the room's text means, and the robot's reactions: its level corrected from a
// status or rights notice, the welcome phrase typed for a join, the watched-nickname alert, the entry
// sound and the "/ding" call.
#pragma once
#include "app/program.h"
#include "panel/part.h"

namespace wardo::panel {
class Reglages;
}

namespace wardo::monitor {

using text::Text;

class LineInterpretation : public panel::Part {
public:
    LineInterpretation(app::Program& program, panel::Reglages& panel);

    // Interprets one complete line, once. Trims and strips `ligne` in place. A line the room's text can
    // make fail (a bracket group of negative length, a status notice without a full stop) throws
    // text::RuntimeError part-way, as the poller's guard expects.
    void traiteligne(Text& ligne);
    // Reads the level word from a status notice and applies it: level, stored word, layout, box.
    void TraiteChgtStatut(Text& phrase);
    // The watched-nickname alert: the frame in view, the siren, the nickname and the arrival time.
    void AlerteEntree(const Text& pseudo);

private:
    void droitsAppliques();  // a rights notice: level 1, layout, box
    void accueille(const Text& pseudo);
    bool alerteSurveillee(const Text& pseudo);
    void afficheReajustement();

    app::Program& program_;
    panel::Reglages& panel_;
    bool boiteStatutOuverte_ = false;  // the status box waits for the user
};

}  // namespace wardo::monitor
