#include "editors/sons_edit.h"

#include "editors/numbered_list.h"
#include "editors/opening.h"
#include "settings/settings_file.h"

namespace wardo::editors {

SonsEdit::SonsEdit(app::Program& program)
    : ui::Form(program.runtime, L"SonsEdit"),
      Label1(*this, L"Label1"),
      Label3(*this, L"Label3"),
      Liste(*this, L"Liste"),
      Label5(*this, L"Label5", 0, kEmplacements),
      Label4(*this, L"Label4"),
      TitreSon(*this, L"TitreSon"),
      Label2(*this, L"Label2"),
      FichierWave(*this, L"FichierWave"),
      ReyCommand1(*this, L"ReyCommand1"),
      Label9(*this, L"Label9"),
      ReyCommand2(*this, L"ReyCommand2"),
      ReyCommand3(*this, L"ReyCommand3"),
      ReyCommand4(*this, L"ReyCommand4"),
      Frame1(*this, L"Frame1"),
      Label7(*this, L"Label7"),
      ReyCommand5(*this, L"ReyCommand5"),
      ReyCommand6(*this, L"ReyCommand6"),
      Frame2(*this, L"Frame2"),
      Label6(*this, L"Label6"),
      Drive1(*this, L"Drive1"),
      Dir1(*this, L"Dir1"),
      File1(*this, L"File1"),
      Label8(*this, L"Label8"),
      program_(program) {
    Liste.onClick = [this] { Liste_Click(); };
    ReyCommand1.onClick = [this] { ReyCommand1_Click(); };
    Label9.onClick = [this] { Label9_Click(); };
    ReyCommand2.onClick = [this] { ReyCommand2_Click(); };
    ReyCommand3.onClick = [this] { ReyCommand3_Click(); };
    ReyCommand4.onClick = [this] { ReyCommand4_Click(); };
    ReyCommand5.onClick = [this] { ReyCommand5_Click(); };
    ReyCommand6.onClick = [this] { ReyCommand6_Click(); };
    Drive1.onChange = [this] { Drive1_Change(); };
    Dir1.onChange = [this] { Dir1_Change(); };
    File1.onClick = [this] { File1_Click(); };
}

void SonsEdit::design() {
    setCaption(L"Choix des sons");
    setBorderStyle(ui::BorderStyle::FixedSingle);
    setClientSize(4635, 9615);

    Label1.move(120, 120, 4395, 495);
    Label1.setCaption(L"Cliquez sur le titre du son à changer, modifiez le et validez par \"Valider modif\"");
    Label3.move(600, 660, 3000, 255);
    Label3.setCaption(L"Titres des sons");
    Label3.setFont({L"MS Sans Serif", 8, true});
    Liste.move(600, 960, 3915, kEmplacements * kRangee + 60);
    numeroteRangees(Label5, kEmplacements, 990);

    Label4.move(120, 5880, 2000, 255);
    Label4.setCaption(L"Titre du son");
    Label9.move(2520, 5880, 1995, 255);
    Label9.setCaption(L"Modifier titre seul");
    Label9.setForeColor(kRougeFonce);
    Label9.setAlignment(ui::Alignment::Right);
    TitreSon.move(120, 6150, 4395, 315);
    Label2.move(120, 6600, 2000, 255);
    Label2.setCaption(L"Nom du fichier wav");
    FichierWave.move(120, 6870, 4395, 315);
    etats_.boites(kBleu, true);

    // "Valider modif" and "Annuler modif" take the places of the two buttons they stand in for.
    ReyCommand1.move(120, 7380, 2115, 495);
    ReyCommand1.setCaption(L"Remplacer ce son");
    ReyCommand2.move(120, 7380, 2115, 495);
    ReyCommand2.setCaption(L"Valider modif");
    ReyCommand3.move(2400, 7380, 2115, 495);
    ReyCommand3.setCaption(L"Effacer ce son");
    ReyCommand4.move(2400, 7380, 2115, 495);
    ReyCommand4.setCaption(L"Annuler modif");

    Frame1.move(kFrame1Cache, 8040, 3255, 1335);
    Frame1.setVisible(false);
    Frame1.contain({&Label7, &ReyCommand5, &ReyCommand6});
    Label7.move(120, 240, 3015, 255);
    Label7.setCaption(L"Vous confirmez l'effacement ?");
    ReyCommand5.move(240, 660, 1275, 435);
    ReyCommand5.setCaption(L"OUI");
    ReyCommand6.move(1740, 660, 1275, 435);
    ReyCommand6.setCaption(L"NON");

    // The chooser covers the list while it is in view.
    Frame2.move(kFrame2Cache, 600, 4395, 5160);
    Frame2.setCaption(L"Choix du fichier wav à prendre en compte");
    Frame2.contain({&Label6, &Drive1, &Dir1, &File1, &Label5(0), &Label8});
    Label6.move(120, 240, 4155, 435);
    Label6.setCaption(L"Entrez le nouveau titre et indiquez le chemin du nouveau fichier WAV");
    Drive1.move(120, 720, 4155, 315);
    Dir1.move(120, 1140, 4155, 1455);
    File1.move(120, 2700, 4155, 1455);
    File1.setPattern(L"*.wav");
    Label5(0).move(120, 4200, 4155, 255);
    Label5(0).setCaption(L"Sélectionnez un titre pour l'entendre");
    Label8.move(120, 4500, 4155, 495);
    Label8.setCaption(L"Pour des raisons de compatibilité seuls les fichiers \"WAV\" sont acceptés.");
    placeChoix();
}

void SonsEdit::onLoad() {
    program_.DossierConfig = settings::DossierConfigFrom(platform().env);
    Initialisation();
    TitreSeul = false;
}

void SonsEdit::Initialisation() {
    Liste.clear();
    const settings::IniLu ini = program_.ouvreIni();
    for (int k = 1; k <= kEmplacements; ++k) {
        const Text cle = text::decimal(k);
        Liste.addItem(ini.lit(L"TitreSons", cle));
        Fichiers[static_cast<size_t>(k)] = ini.lit(L"Sons", cle);
    }
    ReyCommand2.setVisible(false);
    ReyCommand4.setVisible(false);
    TitreSon.setLocked(true);
    FichierWave.setLocked(true);
}

void SonsEdit::joue(const Text& chemin) {
    platform().sounds.playWav(chemin, true);
}

void SonsEdit::consultation() {
    etats_.boutons(false);
    etats_.boites(kBleu, true);
    Label9.setVisible(true);
}

void SonsEdit::Liste_Click() {
    if (Liste.listIndex() < 0) return;
    EmplacementCourant = Liste.listIndex();
    FichierWave.setText(Fichiers[static_cast<size_t>(EmplacementCourant + 1)]);
    TitreSon.setText(Liste.text());
    if (!FichierWave.text().empty()) joue(program_.DossierConfig + L"sons\\" + FichierWave.text());
}

void SonsEdit::ReyCommand1_Click() {
    etats_.boites(kRouge, false);
    etats_.boutons(true);
    Frame2.setLeft(kFrame2Visible);
    TitreSon.setText(L"");
    FichierWave.setText(L"");
    Label9.setVisible(false);
}

void SonsEdit::Label9_Click() {
    TitreSon.setForeColor(kRouge);
    etats_.boutons(true);
    TitreSon.setLocked(false);
    TitreSon.setFocus();
    TitreSeul = true;
}

void SonsEdit::ReyCommand2_Click() {
    if (TitreSon.text().empty()) {
        platform().sounds.messageBeep();
        return;
    }
    const Text titre = surUneLigne(TitreSon.text());
    const Text cle = text::decimal(EmplacementCourant + 1);
    if (TitreSeul) {
        etats_.boutons(false);
        Label9.setVisible(true);
        program_.EcritIni(L"TitreSons", cle, titre);
        TitreSon.setForeColor(kBleu);
        Initialisation();
        TitreSeul = false;
        return;
    }
    // The slot names its new file only once the file is in the sounds folder; a failed copy leaves the
    // edit open and the slot as it was.
    const Text nom = File1.fileName();
    if (!copieDansSons(nom)) return;
    etats_.boutons(false);
    Label9.setVisible(true);
    program_.EcritIniGroupe({{L"TitreSons", cle, titre}, {L"Sons", cle, nom}});
    etats_.boites(kBleu, true);
    Frame2.setLeft(kFrame2ApresCopie);
    Initialisation();
    Liste.setListIndex(EmplacementCourant);
}

void SonsEdit::ReyCommand3_Click() {
    Frame1.setLeft(kFrame1Visible);
    Frame1.setVisible(true);
}

void SonsEdit::ReyCommand6_Click() {
    Frame1.setLeft(kFrame1Cache);
    Frame1.setVisible(false);
}

void SonsEdit::ReyCommand5_Click() {
    Frame1.setLeft(kFrame1Cache);
    Frame1.setVisible(false);
    etats_.boutons(false);
    const int courant = EmplacementCourant + 1;
    std::vector<Emplacement> slots;
    const settings::IniLu ini = program_.ouvreIni();
    for (int k = 1; k <= kEmplacements; ++k) {
        if (k == courant)
            slots.push_back({});
        else
            slots.push_back({Liste.list(k - 1), ini.lit(L"Sons", text::decimal(k))});
    }
    program_.EcritIniGroupe(compactage(L"TitreSons", L"Sons", slots, OrdreEcriture::ValeurAvant));
    Initialisation();
    // A delete pressed during an edit ends it: back to the whole browse state, title-only flag included.
    consultation();
    Frame2.setLeft(kFrame2Cache);
    TitreSeul = false;
    TitreSon.setText(L"");
    FichierWave.setText(L"");
    Liste.setListIndex(EmplacementCourant);
}

void SonsEdit::ReyCommand4_Click() {
    etats_.boites(kBleu, true);
    Initialisation();
    TitreSeul = false;
    consultation();
    Liste.setListIndex(EmplacementCourant);
    Frame2.setLeft(kFrame2Cache);
}

void SonsEdit::onUnload(bool&) {
    RemetReglagesDevant(program_);
}

}  // namespace wardo::editors
