#include "commands/target.h"

#include "panel/reglages.h"

namespace wardo::commands {

PseudoCible::PseudoCible(app::Program& program, panel::Reglages& panel) : program_(program), panel_(panel) {
    // The window system delivers the click before the double-click: the target is cleared first.
    panel_.Label2.onClick = [this] { panel_.Label2.setCaption(L""); };
    panel_.Label2.onDblClick = [this] { Label2_DblClick(); };
    panel_.PseudoManu.onKeyPress = [this](int& keyAscii) { PseudoManu_KeyPress(keyAscii); };
}

text::Text PseudoCible::pseudo() const {
    return panel_.Label2.caption();
}

bool PseudoCible::SiPseudo() {
    if (!pseudo().empty()) return true;
    panel_.PseudoManquant.setLeft(kAlerteShownLeft);
    program_.platform.loop.doEvents();
    program_.platform.loop.sleep(1000);
    panel_.PseudoManquant.setLeft(kAlerteHiddenLeft);
    return false;
}

void PseudoCible::RetourBarreTaches() {
    if (program_.RetourBarreTachesActif) panel_.setWindowState(ui::WindowState::Minimized);
}

void PseudoCible::Label2_DblClick() {
    panel_.PseudoManu.setVisible(true);
    panel_.PseudoManu.setText(L"");
    panel_.PseudoManu.setTop(kSaisieShownTop);
    panel_.PseudoManu.setFocus();
}

// Whatever the box holds, an empty text included, becomes the target; nothing else closes the box.
void PseudoCible::PseudoManu_KeyPress(int keyAscii) {
    if (keyAscii != ui::key::kEnter) return;
    panel_.Label2.setCaption(panel_.PseudoManu.text());
    panel_.PseudoManu.setTop(kSaisieHiddenTop);
}

}  // namespace wardo::commands
