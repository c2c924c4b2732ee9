#include "panel/panel_overlays.h"

#include "panel/design_pictures.h"

namespace wardo::panel {

namespace {
constexpr ui::Color kRed = 0x0000FF;
const ui::Font kMenuFont{L"Verdana", 8, false};
}  // namespace

void PanelOverlays::designOverlays() {
    FrameRaisonPerso.move(320, 7000, 3825, 850);
    FrameRaisonPerso.contain({&Label5, &Label74, &RaisonPerso, &Annuler});
    Label5.move(120, 40, 2820, 210);
    Label5.setCaption(L"Raison perso     (entrée pour valider)");
    Label74.move(480, 260, 3000, 210);
    Label74.setCaption(L"Remplacez le pseudo par $N ou $n");
    RaisonPerso.move(170, 500, 3435, 285);
    Annuler.move(3000, 80, 705, 210);
    Annuler.setCaption(L"Annuler");
    Annuler.setForeColor(kRed);

    FramePause.move(440, 8000, 3700, 600);
    FramePause.contain({&LabelPause, &DecompteTempo});
    LabelPause.move(240, 150, 2400, 300);
    LabelPause.setCaption(L"EN PAUSE");
    LabelPause.setFont({L"Verdana", 10, true});
    LabelPause.setForeColor(kRed);
    DecompteTempo.move(2760, 150, 700, 300);
    DecompteTempo.setFont({L"Verdana", 10, true});

    FrameAlerteUserEntre.move(15000, 250, 4215, 4800);
    FrameAlerteUserEntre.contain(
        {&LabelAlerte, &Label21, &PseudoEnAlerteArrive, &LabelHeureAlerte, &HeureArriveePseudoEnAlerte});
    LabelAlerte.move(120, 720, 3975, 480);
    LabelAlerte.setCaption(L"User mis en alerte entré !");
    LabelAlerte.setAlignment(ui::Alignment::Center);
    LabelAlerte.setFont({L"Verdana", 12, true});
    LabelAlerte.setForeColor(kRed);
    Label21.move(360, 1800, 1560, 300);
    Label21.setCaption(L"Pseudo :");
    PseudoEnAlerteArrive.move(1920, 1800, 2175, 300);
    PseudoEnAlerteArrive.setFont({L"Verdana", 10, true});
    LabelHeureAlerte.move(360, 2400, 1560, 300);
    LabelHeureAlerte.setCaption(L"Heure d'arrivée :");
    HeureArriveePseudoEnAlerte.move(1920, 2400, 2175, 300);
    HeureArriveePseudoEnAlerte.setFont({L"Verdana", 10, true});
    closeImage(Image2, FrameAlerteUserEntre);

    // The pick lists lie out of view until a button brings them in.
    ListRaisons.move(12000, 850, 2100, 4110);
    ListeSons.move(15000, 850, 2640, 4110);

    // The drop-down menus are shown and hidden through their visibility.
    MenuConfig.move(360, 615, 1800, 1035);
    MenuAide.move(3120, 615, 1200, 450);
    MenuCdesSupp.move(11685, 620, 2250, 1200);
    MenuSalles.move(8000, 615, 2445, 1005);
    MenuListes.move(5280, 600, 2445, 1200);
    for (ui::ListBox* menu : {&MenuConfig, &MenuAide, &MenuCdesSupp, &MenuSalles, &MenuListes}) {
        menu->setFont(kMenuFont);
        menu->setVisible(false);
    }

    Image4.move(3960, 60, 240, 240);
    pictureBesideProgram(Image4, kMinimisePicture);
    Image3.move(4260, 60, 240, 240);
    pictureBesideProgram(Image3, kClosePicture);
}

}  // namespace wardo::panel
