// The panel's way to the group messages: its button "Msg aux couleurs" opens the window Envoimsg.
#pragma once
#include "app/program.h"
#include "panel/part.h"

namespace wardo::panel {
class Reglages;
}

namespace wardo::commands {

class GroupMessages : public panel::Part {
public:
    GroupMessages(app::Program& program, panel::Reglages& panel);

    void MsgPerso_Click();

private:
    app::Program& program_;
};

}  // namespace wardo::commands
