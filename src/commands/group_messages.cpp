#include "commands/group_messages.h"

#include "commands/envoimsg.h"
#include "panel/reglages.h"

namespace wardo::commands {

GroupMessages::GroupMessages(app::Program& program, panel::Reglages& panel) : program_(program) {
    panel.MsgPerso.onClick = [this] { MsgPerso_Click(); };
}

void GroupMessages::MsgPerso_Click() {
    OuvreEnvoimsg(program_);
}

}  // namespace wardo::commands
