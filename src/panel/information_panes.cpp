#include "panel/information_panes.h"

#include "panel/design_pictures.h"

namespace wardo::panel {

namespace {

constexpr ui::Color kRed = 0x0000FF;
const ui::Font kTitleFont{L"Verdana", 8, true};

// Fixed texts down a pane, each at its top and height, the full width of the pane.
struct Line {
    int top, height;
    const wchar_t* text;
    bool title;
};

template <size_t N>
void lines(ui::ControlArray<ui::Label>& labels, ui::Frame& pane, const Line (&texts)[N], int width) {
    for (size_t i = 0; i < N; ++i) {
        ui::Label& l = labels(static_cast<int>(i));
        l.setContainer(&pane);
        l.move(120, texts[i].top, width, texts[i].height);
        l.setCaption(texts[i].text);
        if (texts[i].title) l.setFont(kTitleFont);
    }
}

// The support team's address (a placeholder until the real one is known).
constexpr const wchar_t* kAdresseSupport = L"support@example.org";

const Line kAide[] = {
    {360, 240, L"- L'annonce des entrants ne marche pas :", true},
    {600, 480,
     L"Vous devez activer l'option \"Montre les alertes rejoint et quitte\" dans vos réglages de la salle",
     false},
    {1140, 240, L"- Changer les sons fournis avec le programme", true},
    {1380, 1020,
     L"Tous les sons peuvent être personnalisés, n'hésitez pas à remplacer les sons fournis, par le menu "
     L"\"Configuer/Sons\". Enregistrez vos sons au moyen d'Audacity, par exemple, et enregistrez les au "
     L"format WAV obligatoirement.",
     false},
    {2640, 480,
     L"Les sons d'entrée en salle sont dans le répertoire du programme et peuvent être changés à la main.",
     false},
    {3000, 240, L"- Connexion au visio", true},
    {3240, 660,
     L"La connexion se fait automatiquement  quand c'est possible. Sinon elle se fait manuellement comme "
     L"avec les autres robots .",
     false},
    {3960, 240, L"-Une suggestion ou un problème ?", true},
    {4200, 240, L"Faites un message  à ", false},
    {4440, 240, kAdresseSupport, false},
};

const Line kInfos[] = {
    {120, 255, L"A LIRE ATTENTIVEMENT LA 1ERE FOIS", true},
    {480, 300, L"Fonctionnalités de cette version de Wardo", true},
    {840, 390, L"- Toutes les commandes courantes de camfrog", false},
    {1230, 390, L"- Adaptation automatique aux droits de l'utilisateur.", false},
    {1620, 390, L"- Prise en main intuitive", false},
    {2010, 390, L"- Possibilité de 3 sons au choix pour avertir de l'entrée d'un user dans la salle", false},
    {2400, 390, L"- Prise de micro prioritaire dès qu'il est libéré", false},
    {2790, 390, L"- Emissions de bruits ou annonces vocales ", false},
    {3180, 390, L"- Accueil personnalisé des entrants", false},
    {3570, 390, L"- Prise du micro possible par la touche SHIFT gauche", false},
};

const Line kInfos2[] = {
    {120, 255, L"A LIRE ATTENTIVEMENT LA 1ERE FOIS", true},
    {480, 300, L"Pour entrer un pseudo , deux façons possibles:", true},
    {840, 390, L"- Cliquer A DROITE sur le pseudo désiré", false},
    {1230, 390, L"- Descendre la souris jusqu'au pseudo dans la liste", false},
    {1620, 390, L"- Valider par le bouton gauche de la souris.", false},
    {2010, 390, L"- Le pseudo s'affiche dans la case.", false},
    {2400, 390, L"ou alors :", false},
    {2790, 390, L"- Faire un DOUBLE CLIC dans la case Pseudo", false},
    {3180, 390, L"- Taper le pseudo suivi de la touche ENTREE", false},
    {3570, 585,
     L"- Tant que le pseudo est écrit en rouge il n'est pas validé. Il passe en noir une fois la touche "
     L"ENTREE tapée.",
     false},
};

void readAndClose(ui::CheckBox& check, ui::Button& button, ui::Frame& pane) {
    check.setContainer(&pane);
    check.move(360, 4200, 3495, 255);
    check.setCaption(L"Cacher ce message la prochaine fois");
    button.setContainer(&pane);
    button.move(360, 4530, 3495, 420);
    button.setCaption(L"J'ai bien lu ... Fermer cette fenêtre");
}

}  // namespace

void InformationPanes::designInformationPanes() {
    FrameSkins.move(7000, 250, 4215, 4800);
    FrameSkins.contain({&Label14, &List1, &Image6, &choisir});
    Label14.move(120, 120, 3000, 285);
    Label14.setCaption(L"Choix du skin");
    Label14.setFont(kTitleFont);
    List1.move(120, 480, 1560, 3615);
    Image6.move(1800, 480, 2295, 1200);
    Image6.setStretch(true);
    choisir.move(1800, 4200, 2295, 375);
    choisir.setCaption(L"Choisir ce skin");
    closeImage(Image5, FrameSkins);

    FrameAide.move(12000, 250, 4215, 4800);
    lines(LabelAide, FrameAide, kAide, 3975);
    closeImage(Image1, FrameAide);

    FrameAPropos.move(10000, 250, 4215, 4800);
    for (int i = 0; i <= 2; ++i) LabelAPropos(i).setContainer(&FrameAPropos);
    Label44.setContainer(&FrameAPropos);
    LabelAPropos(0).move(120, 1200, 3975, 600);
    LabelAPropos(0).setCaption(L"W A R D O ");
    LabelAPropos(0).setAlignment(ui::Alignment::Center);
    LabelAPropos(0).setFont({L"Verdana", 20, true});
    LabelAPropos(1).move(120, 2160, 1980, 300);
    LabelAPropos(1).setCaption(L"version ");
    LabelAPropos(1).setAlignment(ui::Alignment::Right);
    Label44.move(2100, 2160, 1080, 300);
    LabelAPropos(2).move(120, 2640, 3975, 300);
    EcrireSupport.setContainer(&FrameAPropos);
    EcrireSupport.move(960, 3480, 2295, 375);
    EcrireSupport.setCaption(L"Écrire au support");
    closeImage(Image7, FrameAPropos);

    FrameChoixAlerte.move(150, 10000, 4215, 5010);
    for (int i = 0; i <= 3; ++i) LabelChoixAlerte(i).setContainer(&FrameChoixAlerte);
    LabelChoixAlerte(0).move(240, 120, 3735, 720);
    LabelChoixAlerte(0).setCaption(
        L"Cette fenêtre vous permet de spécifier les pseudos qui doivent attirer votre attention quand ils "
        L"entreront dans la salle.");
    LabelChoixAlerte(1).move(240, 900, 3735, 255);
    LabelChoixAlerte(1).setCaption(L"Vous pouvez activer ou désactiver un pseudo");
    LabelChoixAlerte(2).move(3240, 1230, 735, 240);
    LabelChoixAlerte(2).setCaption(L"Activer");
    LabelChoixAlerte(2).setAlignment(ui::Alignment::Center);
    for (int i = 1; i <= 6; ++i) {
        Text6(i).setContainer(&FrameChoixAlerte);
        Text6(i).move(240, 1500 + (i - 1) * 405, 2880, 315);
        Check3(i).setContainer(&FrameChoixAlerte);
        Check3(i).move(3480, 1530 + (i - 1) * 405, 255, 255);
    }
    LabelChoixAlerte(3).move(240, 3960, 2640, 480);
    LabelChoixAlerte(3).setCaption(L"Vous entendrez alors ce son spécifique ");
    testSonAlerte.setContainer(&FrameChoixAlerte);
    testSonAlerte.move(3000, 3990, 975, 345);
    testSonAlerte.setCaption(L"Test");
    ReyCommand1.setContainer(&FrameChoixAlerte);
    ReyCommand1.move(1200, 4515, 1815, 375);
    ReyCommand1.setCaption(L"Valider");

    FrameInfos.move(12000, 120, 4215, 5010);
    lines(LabelInfos, FrameInfos, kInfos, 3975);
    LabelInfos(0).setForeColor(kRed);
    readAndClose(Check2, jaibienlu1, FrameInfos);

    FrameInfos2.move(12000, 150, 4215, 5010);
    lines(LabelInfos2, FrameInfos2, kInfos2, 3975);
    LabelInfos2(0).setForeColor(kRed);
    readAndClose(Check1, jaibienlu2, FrameInfos2);
}

}  // namespace wardo::panel
