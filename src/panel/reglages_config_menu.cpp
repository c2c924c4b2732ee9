// The configuration menu: each entry opens a pane of the panel or one of the list editors.
#include "editors/opening.h"
#include "panel/reglages.h"

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

// The settings pane and the skins pane come with their own subsystems; until then their entries only
// close the menu.
void Reglages::AfficheReglagesBase() {}
void Reglages::DefinitSkins() {}

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
