#include "app/principale.h"

#include "cipher/keys.h"
#include "panel/reglages.h"
#include "settings/phrase.h"
#include "settings/settings_file.h"

namespace wardo::app {

Principale::Principale(Program& program)
    : ui::Form(program.runtime, L"Principale"),
      Label1(*this, L"Label1"),
      Label2(*this, L"Label2"),
      Label3(*this, L"Label3"),
      Connexionroom(*this, L"Connexionroom"),
      Frame1(*this, L"Frame1"),
      Label4(*this, L"Label4"),
      Label5(*this, L"Label5"),
      Picture1(*this, L"Picture1"),
      Check1(*this, L"Check1"),
      ReyCommand1(*this, L"ReyCommand1"),
      FrameMsg(*this, L"FrameMsg"),
      Label41(*this, L"Label41"),
      Command11(*this, L"Command11"),
      Frame6(*this, L"Frame6"),
      Label6(*this, L"Label6"),
      TimerDemarrage(*this, L"TimerDemarrage"),
      program_(program) {
    Connexionroom.onClick = [this] { Connexionroom_Click(); };
    Check1.onClick = [this] { Check1_Click(); };
    ReyCommand1.onClick = [this] { ReyCommand1_Click(); };
    Command11.onClick = [this] { Command11_Click(); };
    TimerDemarrage.onTimer = [this] { TimerDemarrage_Timer(); };
}

void Principale::design() {
    setCaption(L"Connexion à la room");
    setBorderStyle(ui::BorderStyle::FixedSingle);
    setClientSize(4710, 6510);

    Label1.move(1080, 4800, 1455, 255);
    Label1.setCaption(L"WARDO");
    Label1.setFont({L"Arial", 10, true});
    Label2.move(2640, 4800, 975, 255);
    Label3.move(480, 5160, 3855, 255);
    Label3.setCaption(L"Outil de modération pour web camfrog V1");

    Connexionroom.move(720, 240, 3255, 735);
    Connexionroom.setCaption(L"Connexion à la salle");

    // The first-run frame covers the whole client area when in view.
    Frame1.move(0, kFrame1Hidden, 4695, 6900);
    Frame1.setCaption(L"Explications à lire la première fois !");
    Frame1.contain({&Label4, &Label5, &Picture1, &Check1, &ReyCommand1});
    Label4.move(240, 480, 4215, 1335);
    Label4.setCaption(
        L"WARDO est un outil pour les modérateurs de salle, qui n'a besoin d'aucun robot dans la salle : "
        L"sons, gestion du micro, accueil sonore et visuel des arrivants, le tout dans une interface "
        L"simple.");
    Label5.move(240, 2040, 4215, 855);
    Label5.setCaption(
        L"WARDO est utilisable par tous, du simple user à l'admin, avec une personnalisation des "
        L"commandes en fonction des droits.");
    Picture1.move(1860, 3120, 975, 975);
    // The picture ships beside the program; without it the frame simply shows none.
    const Text logo = platform().files.programFolder() + L"wardo.bmp";
    if (platform().files.fileExists(logo)) Picture1.setPicture(logo);
    Check1.move(240, 4440, 4215, 315);
    Check1.setCaption(L"Ne pas montrer ce message la prochaine fois");
    ReyCommand1.move(480, 5040, 3735, 615);
    ReyCommand1.setCaption(L"J'ai bien lu ... Fermer cette fenêtre");

    FrameMsg.move(kFrameMsgHidden, 150, 4080, 4600);
    FrameMsg.contain({&Label41, &Command11});
    Label41.move(120, 240, 3840, 3375);
    Label41.setAlignment(ui::Alignment::Center);
    Command11.move(600, 3840, 2880, 555);
    Command11.setCaption(L"OK, j'ai bien noté");

    Frame6.move(100, kFrame6Hidden, 4455, 855);
    Label6.setContainer(&Frame6);
    Label6.move(120, 300, 4215, 375);
    Label6.setAlignment(ui::Alignment::Center);
    Label6.setCaption(L"Connexion au serveur ... Un instant SVP");

    TimerDemarrage.setInterval(1000);
    TimerDemarrage.setEnabled(false);
}

void Principale::onLoad() {
    Program& p = program_;
    p.CleTexte = cipher::CleTexte();
    const auto& screen = platform().screen;
    setTop((screen.heightTwips - height()) / 2);
    setLeft((screen.widthTwips - width()) / 2);
    p.CleLiaison = cipher::CleLiaison();
    p.VersionRobot = L"1.52";
    p.CompteurClicsFermeture = 0;
    Label2.setCaption(p.VersionRobot);
    p.DossierConfig = settings::DossierConfigFrom(platform().env);
    // Without its folder every setting, list and sound the user stores would be lost unseen: say so once,
    // then go on with the defaults.
    if (!settings::prepareConfigFolder(platform().files, p.DossierConfig))
        platform().boxes.show(L"Le dossier " + p.DossierConfig +
                                  L" n'a pas pu être créé : vos réglages, vos listes et vos sons ne seront "
                                  L"pas enregistrés.",
                              L"Wardo", platform::BoxButtons::Ok, platform::BoxIcon::Exclamation);
    InitSock();
    if (platform().loop.quitting()) return;  // no free port: the program ends here

    p.MessageServeurPresent = false;
    p.CompteurVoicePrio = 0;
    p.DecompteVoicePrio = false;
    p.PseudoRobot.clear();

    // The load's values come from one read of the file: nothing is stored in between.
    const settings::IniLu ini = p.ouvreIni();
    // Only a capital "N" turns a frame off.
    p.AfficherInfos1 = ini.lit(L"Parametres", L"AffInfos1") != L"N";
    p.AfficherInfos2 = ini.lit(L"Parametres", L"AffInfos2") != L"N";
    if (ini.lit(L"Parametres", L"AffWarning") != L"N") Frame1.setTop(kFrame1Shown);

    p.TexteConnexion = ini.lit(L"Parametres", L"PhraseConnexion");
    const bool valide = settings::PhraseValide(p.TexteConnexion);
    if (p.TexteConnexion.empty() || !valide) p.TexteConnexion = L"Salut la room !";

    LecturePseudosAlerte(ini);
}

void Principale::LecturePseudosAlerte() {
    LecturePseudosAlerte(program_.ouvreIni());
}

void Principale::LecturePseudosAlerte(const settings::IniLu& ini) {
    for (int i = 1; i <= 6; ++i) {
        const Text v = ini.lit(L"Alertes", text::decimal(i));
        PseudoAlerte& slot = program_.PseudosAlerte[static_cast<size_t>(i)];
        const long bar = text::find(v, L"|");
        if (v.empty()) {
            slot = {L"", L"0"};
        } else if (bar == 0) {
            // A hand-edited value without its flag: keep the nickname, alert off.
            slot = {v, L"0"};
        } else {
            slot = {text::mid(v, bar + 1), text::left(v, bar - 1)};
        }
    }
}

void Principale::onActivate() {
    if (!firstActivation()) return;
    Frame6.setTop(kFrame6Shown);
    TimerDemarrage.setEnabled(true);
}

void Principale::TimerDemarrage_Timer() {
    TimerDemarrage.setEnabled(false);
    if (program_.MessageServeurPresent) {
        Label41.setCaption(text::left(program_.MessageServeur, kLongueurMessageServeur));
        FrameMsg.setLeft(kFrameMsgShown);
    }
    Frame6.setTop(kFrame6Hidden);
}

void Principale::Check1_Click() {
    if (Check1.value() != 1) return;
    program_.EcritIni(L"Parametres", L"AffWarning", L"N");
    Check1.setVisible(false);
}

void Principale::ReyCommand1_Click() {
    Frame1.setTop(kFrame1Hidden);
}

void Principale::Command11_Click() {
    FrameMsg.setLeft(kFrameMsgPutAway);
}

void Principale::onUnload(bool& cancel) {
    cancel = true;
    program_.end(0);
}

}  // namespace wardo::app
