#include "editors/opening.h"

#include "chatlink/window_order.h"
#include "editors/messages_edit.h"
#include "editors/raisons_edit.h"
#include "editors/sons_edit.h"
#include "panel/reglages.h"

namespace wardo::editors {

namespace {
void ouvre(app::Program& program, ui::Form& editeur) {
    panel::Reglages& panneau = program.reglages();
    editeur.setTop(panneau.top());
    editeur.setLeft(panneau.left());
    if (program.ReglagesPremierPlan) chatlink::RetirePremierPlan(program.platform.windows, panneau.handle());
    editeur.show(false);
}
}  // namespace

void OuvreEditeurRaisons(app::Program& program) {
    ouvre(program, program.raisonsEdit());
}

void OuvreEditeurAnnonces(app::Program& program) {
    ouvre(program, program.messagesEdit());
}

void OuvreEditeurSons(app::Program& program) {
    ouvre(program, program.sonsEdit());
}

void RemetReglagesDevant(app::Program& program) {
    if (program.ReglagesPremierPlan)
        chatlink::MetPremierPlan(program.platform.windows, program.reglages().handle());
}

}  // namespace wardo::editors
