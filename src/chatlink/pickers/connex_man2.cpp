#include "chatlink/pickers/connex_man2.h"

#include "app/principale.h"
#include "panel/reglages.h"

namespace wardo::chatlink {

ConnexMan2::ConnexMan2(app::Program& program)
    : Picker(program, L"ConnexMan2"), ReyCommand1(*this, L"ReyCommand1") {
    ReyCommand1.onClick = [this] { ReyCommand1_Click(); };
}

void ConnexMan2::design() {
    Picker::design();
    setBorderStyle(ui::BorderStyle::None);
    setClientSize(4005, 4770);
    const auto& screen = platform().screen;
    move((screen.widthTwips - width()) / 2, (screen.heightTwips - height()) / 2);
    Label1.move(120, 120, 3735, 3495);
    Label1.setCaption(consigne(L"sur ce texte", L"Wardo"));
    ReyCommand1.move(1095, 3840, 1815, 495);
    ReyCommand1.setCaption(L"Annuler");
}

// The two orders differ only in whether the picker is still on screen while the robot identifies itself.
void ConnexMan2::attached(bool onLabel) {
    if (onLabel) hide();
    program_.principale().connection();
    MontreImagesReglages();
    if (!onLabel) hide();
}

void ConnexMan2::ReyCommand1_Click() {
    hide();
    MontreImagesReglages();
}

// The panel's close and minimise images, which the panel hid while the picker is open.
void ConnexMan2::MontreImagesReglages() {
    if (!program_.reglagesCreated()) return;
    program_.reglages().imagesFenetre(true);
}

}  // namespace wardo::chatlink
