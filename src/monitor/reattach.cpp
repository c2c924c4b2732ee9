#include "monitor/reattach.h"

#include "app/principale.h"
#include "chatlink/pickers/connex_man2.h"
#include "chatlink/window_order.h"
#include "panel/reglages.h"

namespace wardo::monitor {

Reattach::Reattach(app::Program& program, panel::Reglages& panel) : program_(program), panel_(panel) {
    panel.Recomanu.onClick = [this] { Recomanu_Click(); };
    panel.Reconnexion.onClick = [this] { Reconnexion_Click(); };
}

// The pick-up rests while the picker is open; the poller goes on through the stored handles until the
// picker replaces them.
void Reattach::Recomanu_Click() {
    chatlink::ConnexMan2& picker = program_.connexMan2();
    picker.setTop(panel_.top() + kDecalagePicker);
    picker.setLeft(panel_.left() + kDecalagePicker);
    panel_.BoucleLectPseudo.setEnabled(false);
    chatlink::MetPremierPlan(program_.platform.windows, picker.handle());
    panel_.imagesFenetre(false);
    picker.show(true);
    if (program_.platform.loop.quitting()) return;  // the picker was closed: the program ends
    panel_.imagesFenetre(true);
    panel_.BoucleLectPseudo.setEnabled(true);
}

void Reattach::Reconnexion_Click() {
    app::Principale& principale = program_.principale();
    if (principale.ReConnexAuto()) {
        principale.connection();
    } else {
        Recomanu_Click();
    }
}

}  // namespace wardo::monitor
