#include "editors/edit_states.h"

namespace wardo::editors {

void numeroteRangees(ui::ControlArray<ui::Label>& numeros, int count, int top) {
    for (int k = 1; k <= count; ++k) {
        numeros(k).move(120, top + (k - 1) * kRangee, 420, kRangee);
        numeros(k).setAlignment(ui::Alignment::Right);
        numeros(k).setCaption(text::decimal(k));
    }
}

void EtatsEdition::boutons(bool edition) const {
    editer.setVisible(!edition);
    effacer.setVisible(!edition);
    valider.setVisible(edition);
    annuler.setVisible(edition);
}

void EtatsEdition::boites(ui::Color couleur, bool lectureSeule) const {
    for (ui::TextBox* b : {&titre, &valeur}) {
        b->setForeColor(couleur);
        b->setLocked(lectureSeule);
    }
}

}  // namespace wardo::editors
