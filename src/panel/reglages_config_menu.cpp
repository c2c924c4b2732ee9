// The configuration menu: each entry opens a pane of the panel or one of the list editors.
#include "editors/opening.h"
#include "panel/reglages.h"
#include "panel/reglages_de_base.h"
#include "panel/skins_pane.h"

namespace wardo::panel {

void Reglages::MenuConfig_Click() {
    const Text item = MenuConfig.text();
    if (item.empty()) return;
    MenuConfig.setVisible(false);
    if (item == L"Réglages de base") AfficheReglagesBase();
    if (item == L"Raisons") OuvreEditeurRaisons();
    if (item == L"Annonces") OuvreEditeurAnnonces();
    if (item == L"Sons") OuvreEditeurSons();
    if (item == L"Skins") DefinitSkins();
}

void Reglages::AfficheReglagesBase() {
    part<ReglagesDeBase>().AfficheReglagesBase();
}

void Reglages::DefinitSkins() {
    part<SkinsPane>().DefinitSkins();
}

void Reglages::OuvreEditeurRaisons() {
    editors::OuvreEditeurRaisons(program_);
}

void Reglages::OuvreEditeurAnnonces() {
    editors::OuvreEditeurAnnonces(program_);
}

void Reglages::OuvreEditeurSons() {
    editors::OuvreEditeurSons(program_);
}

}  // namespace wardo::panel
