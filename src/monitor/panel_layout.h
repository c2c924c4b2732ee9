// The panel laid out for the robot's level in the room: which moderation buttons are in view and where,
// the entries of the command menu, the heading; and the five level buttons of the settings pane.
#pragma once
#include "app/program.h"
#include "panel/part.h"

namespace wardo::panel {
class Reglages;
}

namespace wardo::monitor {

class PanelLayout : public panel::Part {
public:
    PanelLayout(app::Program& program, panel::Reglages& panel);

    // Lays the panel out for level 0 to 4; any other level changes nothing. Pending events are then
    // handled once, so that the new layout is painted before the caller goes on.
    void Appliquerdroits(int niveau);
    // Paints the five level buttons from MotStatut.
    void AffStatut();
    // A click on Statut(index), 1 to 5: paints the buttons and sets MotStatut; nothing is stored.
    void Statut_Click(int index);

private:
    void peintStatut(int choisi);  // 0: none chosen

    app::Program& program_;
    panel::Reglages& panel_;
};

}  // namespace wardo::monitor
