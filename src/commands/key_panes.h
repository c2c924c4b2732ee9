// The two panes of the push-to-talk key: the pane that shows the key in use (with the beep option), and
// the chooser, which frames the key the user presses and stores the choice.
#pragma once
#include "panel/part.h"

namespace wardo::app {
class Program;
}
namespace wardo::panel {
class Reglages;
}

namespace wardo::commands {

// The six keys offered, by their shared index in bordimage and touchemicencours (1 to 6): Alt, Ctrl,
// Left, Up, Down and Right arrows. 0 when the code is none of them.
int IndexTouche(long code);

class KeyPanes : public panel::Part {
public:
    KeyPanes(app::Program& program, panel::Reglages& panel);

    void ToucheVoice_Click();  // shows the key in use
    void Jeveuxlachanger_Click();
    void TimerChoixToucheMicro_Timer();  // every 100 ms while the chooser is open
    void EffaceBordsImages();
    void validetouchemicro_Click();
    void pasdetouchemicro_Click();

private:
    void fermeChoix();

    app::Program& program_;
    panel::Reglages& panel_;
};

}  // namespace wardo::commands
