#include "panel/choix_alerte.h"

#include <vector>

#include "app/principale.h"
#include "commands/entry_sound.h"
#include "panel/reglages.h"
#include "settings/settings_file.h"

namespace wardo::panel {

ChoixAlerte::ChoixAlerte(app::Program& program, Reglages& panel) : program_(program), panel_(panel) {
    panel_.ReyCommand.onClick = [this] { ReyCommand_Click(); };
    panel_.ReyCommand1.onClick = [this] { ReyCommand1_Click(); };
    panel_.testSonAlerte.onClick = [this] { testSonAlerte_Click(); };
}

// A flag other than "1" (only a hand-edited file holds one) shows unticked, as it raises no alert.
void ChoixAlerte::ReyCommand_Click() {
    Reglages& r = panel_;
    for (int i = 1; i <= 6; ++i) {
        const app::PseudoAlerte& entree = program_.PseudosAlerte[static_cast<size_t>(i)];
        r.Text6(i).setText(L"");
        r.Check3(i).setValue(entree.Actif == L"1" ? 1 : 0);
        r.Text6(i).setText(entree.Pseudo);
    }
    r.FrameChoixAlerte.setTop(Reglages::kFrameChoixAlerteShownTop);
}

// All six keys are written at every validation, in one replacement of the file; a tick on an empty slot
// is dropped.
void ChoixAlerte::ReyCommand1_Click() {
    app::Program& p = program_;
    Reglages& r = panel_;
    std::vector<settings::IniEntry> cles;
    for (int i = 1; i <= 6; ++i) {
        app::PseudoAlerte& entree = p.PseudosAlerte[static_cast<size_t>(i)];
        const Text pseudo = r.Text6(i).text();
        if (pseudo.empty()) {
            entree = {L"", L"0"};
            cles.push_back({L"Alertes", text::decimal(i), L""});
        } else {
            entree = {pseudo, text::decimal(r.Check3(i).value())};
            cles.push_back({L"Alertes", text::decimal(i), entree.Actif + L"|" + pseudo});
        }
    }
    p.EcritIniGroupe(cles);
    p.principale().LecturePseudosAlerte();
    r.FrameChoixAlerte.setTop(Reglages::kFrameChoixAlerteHiddenTop);
}

void ChoixAlerte::testSonAlerte_Click() {
    commands::JoueSirene(program_);
}

}  // namespace wardo::panel
