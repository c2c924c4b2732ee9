#include "chatlink/pickers/connex_man.h"

#include "app/principale.h"

namespace wardo::chatlink {

void ConnexMan::design() {
    Picker::design();
    setCaption(L"Connexion à la room");
    setBorderStyle(ui::BorderStyle::FixedSingle);
    setClientSize(4680, 2640);
    const auto& screen = platform().screen;
    move((screen.widthTwips - width()) / 2, (screen.heightTwips - height()) / 2);
    Label1.move(120, 240, 4455, 2295);
    Label1.setCaption(consigne(L"sur cette fenêtre", L"le robot"));
}

// Hiding ends the modal display; the start-up window's click goes on once the identification is done.
void ConnexMan::attached(bool) {
    hide();
    program_.principale().connection();
}

}  // namespace wardo::chatlink
