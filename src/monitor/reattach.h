// "Reco manu" and "Reco auto": attach the robot again after the room's window changed (a change of
// room), without starting the program again.
#pragma once
#include "panel/part.h"

namespace wardo::app {
class Program;
}
namespace wardo::panel {
class Reglages;
}

namespace wardo::monitor {

class Reattach : public panel::Part {
public:
    Reattach(app::Program& program, panel::Reglages& panel);

    // The picker ConnexMan2 over the panel, modal; it attaches and identifies the robot by itself.
    void Recomanu_Click();
    // The automatic search first; the picker when it finds nothing.
    void Reconnexion_Click();

    static constexpr int kDecalagePicker = 300;  // twips below and right of the panel's corner

private:
    app::Program& program_;
    panel::Reglages& panel_;
};

}  // namespace wardo::monitor
