#include "panel/reglages.h"

namespace wardo::panel {

Reglages::Reglages(app::Program& program)
    : ui::Form(program.runtime, L"Reglages"),
      pseudomodo(*this, L"pseudomodo"),
      Label78(*this, L"Label78", 0, 12),
      Label79(*this, L"Label79", 0, 5),
      program_(program) {}

void Reglages::design() {
    setCaption(L"Wardo");
    setClientSize(6000, 3600);
    pseudomodo.move(240, 120, 5520, 255);

    Label78(0).move(240, 600, 5520, 255);
    Label78(0).setCaption(L" Objet" + std::wstring(20, L' ') + L"adresses actuelles" + std::wstring(8, L' ') +
                          L"adresses à la connexion");
    static constexpr const wchar_t* kRows[6] = {L"Mère",         L"Général",      L"Saisie",
                                                L"Mains libres", L"Touche micro", L"Bouton send"};
    for (int row = 0; row < 6; ++row) {
        const int top = 960 + row * 360;
        Label79(row).move(240, top, 1500, 255);
        Label79(row).setCaption(kRows[row]);
        Label78(row + 1).move(2040, top, 1500, 255);
        Label78(row + 7).move(3960, top, 1500, 255);
    }
}

void Reglages::onUnload(bool& cancel) {
    cancel = true;
    program_.end(0);
}

}  // namespace wardo::panel
