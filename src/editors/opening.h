// Opening the list editors from the panel's configuration menu ("Raisons", "Annonces", "Sons"), and
// closing them.
#pragma once
#include "app/program.h"

namespace wardo::editors {

// Each puts its editor at the panel's Top and Left (which loads it when it is not), takes the panel
// out of the topmost order while `ReglagesPremierPlan` is on, then shows the editor modeless.
void OuvreEditeurRaisons(app::Program& program);
void OuvreEditeurAnnonces(app::Program& program);
void OuvreEditeurSons(app::Program& program);

// An editor's closing: the panel goes back above all windows while `ReglagesPremierPlan` is on.
void RemetReglagesDevant(app::Program& program);

}  // namespace wardo::editors
