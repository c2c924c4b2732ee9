#include "panel/settings_pane.h"

namespace wardo::panel {

namespace {
constexpr ui::Color kWhite = 0xFFFFFF;
}  // namespace

void SettingsPane::designSettingsPane() {
    Frame1.move(15000, 60, 4215, 5200);
    for (int i = LabelReglages.first(); i <= LabelReglages.last(); ++i)
        LabelReglages(i).setContainer(&Frame1);
    for (int i = 1; i <= 5; ++i) Statut(i).setContainer(&Frame1);
    for (int i = 1; i <= 4; ++i) Signal(i).setContainer(&Frame1);
    Frame1.contain({&AvecAccueil, &SansAccueil, &Text1, &Text2, &SignerActions, &pasdeding,
                    &RetourBarreTaches, &IgnorerReentrant, &ListPunish, &ListBan, &FrameTypeBan,
                    &saisieCodeOPME, &ChoixTouchePriseMicro, &ValiderChoix});
    FrameTypeBan.contain({&banpseudo, &banippseudo});

    LabelReglages(0).move(120, 150, 3975, 240);
    LabelReglages(0).setCaption(L"Sur la room je suis :");
    // Each level button shows its selected colours in the design; AffStatut repaints them.
    static constexpr const wchar_t* kLevels[5] = {L"Noir", L"Bleu", L"OP", L"OP+", L"Rouge"};
    for (int i = 1; i <= 5; ++i) {
        Statut(i).move(120 + (i - 1) * 810, 390, 735, 300);
        Statut(i).setCaption(kLevels[i - 1]);
        Statut(i).setBackColor(kStatutChoisi[i - 1]);
        Statut(i).setForeColor(kStatutTexte);
    }

    LabelReglages(1).move(120, 810, 1500, 240);
    LabelReglages(1).setCaption(L"Son entrée user ");
    static constexpr const wchar_t* kSounds[4] = {L"1", L"2", L"3", L"Aucun"};
    for (int i = 1; i <= 4; ++i) {
        Signal(i).move(1680 + (i - 1) * 480, 780, i == 4 ? 975 : 420, 300);
        Signal(i).setCaption(kSounds[i - 1]);
        Signal(i).setBackColor(kWhite);
    }

    LabelReglages(2).move(120, 1200, 1320, 240);
    LabelReglages(2).setCaption(L"Phrase accueil");
    LabelReglages(3).move(1440, 1200, 1080, 240);
    LabelReglages(3).setCaption(L"$N = pseudo");
    AvecAccueil.move(2640, 1170, 720, 270);
    AvecAccueil.setCaption(L"Avec");
    SansAccueil.move(3360, 1170, 735, 270);
    SansAccueil.setCaption(L"Sans");
    Text1.move(120, 1470, 3975, 285);

    LabelReglages(4).move(120, 1830, 3975, 240);
    LabelReglages(4).setCaption(L"Phrase de connexion");
    Text2.move(120, 2070, 3975, 285);
    Text2.setText(L"Salut la room !");

    SignerActions.move(120, 2430, 3975, 255);
    SignerActions.setCaption(L"Signer les actions de votre pseudo");
    pasdeding.move(120, 2685, 3975, 255);
    pasdeding.setCaption(L"Autoriser les appels /ding des modos ou bleus");
    RetourBarreTaches.move(120, 2940, 3975, 255);
    RetourBarreTaches.setCaption(L"Retour en barre des tâches après chaque action");
    IgnorerReentrant.move(120, 3195, 3975, 255);
    IgnorerReentrant.setCaption(L"Ignorer un user immédiatement réentrant");

    LabelReglages(5).move(120, 3555, 1080, 240);
    LabelReglages(5).setCaption(L"Durée punish");
    ListPunish.move(1200, 3510, 900, 315);
    LabelReglages(6).move(2220, 3555, 840, 240);
    LabelReglages(6).setCaption(L"Durée ban");
    ListBan.move(3060, 3510, 1035, 315);

    // The two ban options are exclusive within their own small frame; neither is selected at design.
    FrameTypeBan.move(120, 3900, 3975, 480);
    banpseudo.move(120, 180, 1800, 255);
    banpseudo.setCaption(L"Ban Pseudo seul");
    banippseudo.move(2040, 180, 1800, 255);
    banippseudo.setCaption(L"Ban Ip + Pseudo");

    LabelReglages(7).move(120, 4470, 1080, 240);
    LabelReglages(7).setCaption(L"Code OPME");
    saisieCodeOPME.move(1200, 4440, 1080, 285);
    LabelReglages(8).move(2400, 4470, 1080, 240);
    LabelReglages(8).setCaption(L"Touche micro");
    ChoixTouchePriseMicro.move(3480, 4425, 615, 315);
    ChoixTouchePriseMicro.setCaption(L"Choisir");

    ValiderChoix.move(120, 4800, 3975, 330);
    ValiderChoix.setCaption(L"Valider mes choix et fermer cette fenêtre");

    FrameErreur.move(10000, 3390, 4100, 1575);
    Label72.setContainer(&FrameErreur);
    Label72.move(120, 240, 3860, 1215);
    Label72.setForeColor(0x0000FF);
    Label72.setFont({L"Verdana", 8, true});
    Label72.setCaption(
        L"Erreur ! La phrase de connexion ne peut pas comporter de smileys ou autres caractères spéciaux. "
        L"Seules les lettres a->z  A->Z, les chiffres et les caractères ! ? é è à ù sont permis.");
}

}  // namespace wardo::panel
