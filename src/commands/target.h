// The target nickname, the caption of Label2: a click clears it, a double-click opens the manual entry
// PseudoManu, Enter there copies the typed text. SiPseudo guards the commands that need a target.
#pragma once
#include "app/program.h"
#include "panel/part.h"

namespace wardo::panel {
class Reglages;
}

namespace wardo::commands {

class PseudoCible : public panel::Part {
public:
    PseudoCible(app::Program& program, panel::Reglages& panel);

    // The target as it reads now.
    text::Text pseudo() const;
    // True at once when there is a target. Without one, " Pseudo user manquant !" comes over the label
    // "Pseudo" for one blocking second (after one pass of events, so that it is painted): false.
    bool SiPseudo();
    // After a button's command: the panel goes to the task bar when the user asked for it.
    void RetourBarreTaches();

    static constexpr int kAlerteShownLeft = 720, kAlerteHiddenLeft = 5720;
    static constexpr int kSaisieShownTop = 1440, kSaisieHiddenTop = 7560;

private:
    void Label2_DblClick();
    void PseudoManu_KeyPress(int keyAscii);

    app::Program& program_;
    panel::Reglages& panel_;
};

}  // namespace wardo::commands
