// The watched-nicknames editor (FrameChoixAlerte): six nicknames, each with its alert on or off, stored
// in the section "Alertes" and read back into PseudosAlerte by the start-up window.
#pragma once
#include "app/program.h"
#include "panel/part.h"

namespace wardo::panel {

class Reglages;

class ChoixAlerte : public Part {
public:
    ChoixAlerte(app::Program& program, Reglages& panel);

    // "Alerte": shows the six slots as the table holds them.
    void ReyCommand_Click();
    // "Valider": stores all six slots, reloads the table from the file and closes the editor.
    void ReyCommand1_Click();
    // "Test": plays the alert's siren once.
    void testSonAlerte_Click();

private:
    app::Program& program_;
    Reglages& panel_;
};

}  // namespace wardo::panel
