#include "panel/panel_background.h"

#include "panel/design_pictures.h"

namespace wardo::panel {

namespace {
const ui::Font kMenuFont{L"Verdana", 8, false};
const ui::Font kTargetFont{L"Verdana", 10, true};
constexpr ui::Color kDarkBlue = 0x800000;
constexpr ui::Color kRed = 0x0000FF;
constexpr ui::Color kWhite = 0xFFFFFF;
}  // namespace

void PanelBackground::designBackground() {
    menuco.move(0, 0, 4560, 360);
    menuco.setStretch(true);
    pictureBesideProgram(menuco, kTitlePicture);

    Configurer.move(360, 405, 1080, 240);
    Configurer.setCaption(L"Configurer");
    Label57.move(1680, 405, 1680, 240);
    Label57.setCaption(L"Autres commandes");
    Label58.move(3360, 405, 600, 240);
    Label58.setCaption(L"Aide");
    for (ui::Label* title : {&Configurer, &Label57, &Label58}) {
        title->setFont(kMenuFont);
        title->setForeColor(kDarkBlue);
    }

    Label1.move(360, 720, 1800, 285);
    Label1.setCaption(L"Panel admin");
    Label1.setFont({L"Verdana", 9, true});
    Label1.setForeColor(kDarkBlue);
    pseudomodo.move(2160, 720, 2040, 285);
    pseudomodo.setAlignment(ui::Alignment::Right);
    pseudomodo.setFont({L"Verdana", 8, false});

    ReyCommand.move(480, 1035, 1100, 300);
    ReyCommand.setCaption(L"Alerte");
    ReyCommand.setToolTip(L"Avertit de l'arrivée d'un user donné");
    ToucheVoice.move(2950, 1035, 1065, 300);
    ToucheVoice.setCaption(L"Touche micro");

    Label15.move(720, 1500, 900, 255);
    Label15.setCaption(L"Pseudo");
    Label15.setFont({L"Verdana", 8, true});
    Label2.move(1665, 1440, 2055, 375);
    Label2.setFont(kTargetFont);
    Label2.setBackColor(kWhite);
    Label2.setToolTip(
        L"Double cliquer pour entrer le pseudo si besoin, ou cliquer à droite sur le pseudo du user et "
        L"valider la ligne où son pseudo est redonné.");
    // Typed here, the nickname shows in red until Enter validates it.
    PseudoManu.move(1665, 7560, 2055, 375);
    PseudoManu.setVisible(false);
    PseudoManu.setFont(kTargetFont);
    PseudoManu.setForeColor(kRed);
    PseudoManquant.move(5720, 1440, 3015, 375);
    PseudoManquant.setCaption(L" Pseudo user manquant !");
    PseudoManquant.setFont(kTargetFont);
    PseudoManquant.setBackColor(kRed);
    PseudoManquant.setForeColor(kWhite);

    // A diagnostic display: it lies to the right of the panel's visible area.
    Label78(0).move(5000, 600, 6750, 255);
    Label78(0).setCaption(L" Objet" + std::wstring(20, L' ') + L"adresses actuelles" + std::wstring(8, L' ') +
                          L"adresses à la connexion");
    static constexpr const wchar_t* kRows[6] = {L"Mère",         L"Général",      L"Saisie",
                                                L"Mains libres", L"Touche micro", L"Bouton send"};
    for (int row = 0; row < 6; ++row) {
        const int top = 960 + row * 360;
        Label79(row).move(5000, top, 1500, 255);
        Label79(row).setCaption(kRows[row]);
        Label78(row + 1).move(6800, top, 1500, 255);
        Label78(row + 7).move(8720, top, 1500, 255);
    }
}

}  // namespace wardo::panel
