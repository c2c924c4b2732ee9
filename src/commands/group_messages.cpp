#include "commands/group_messages.h"

#include "commands/envoimsg.h"
#include "panel/reglages.h"

namespace wardo::commands {

GroupMessages::GroupMessages(app::Program& program, panel::Reglages& panel) : program_(program) {
    panel.MsgPerso.onClick = [this] { MsgPerso_Click(); };
}

// Modeless; the window is loaded over the panel on first use.
void GroupMessages::MsgPerso_Click() {
    program_.envoimsg().show(false);
}

}  // namespace wardo::commands
