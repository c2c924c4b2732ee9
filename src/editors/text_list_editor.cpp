#include "editors/text_list_editor.h"

#include "editors/numbered_list.h"
#include "editors/opening.h"
#include "settings/settings_file.h"

namespace wardo::editors {

ListeTextesEdit::ListeTextesEdit(app::Program& program, Text name, const VarianteTextes& variante)
    : ui::Form(program.runtime, std::move(name)),
      Label1(*this, L"Label1"),
      Label3(*this, L"Label3"),
      Liste(*this, L"Liste"),
      Label5(*this, L"Label5", 1, kEmplacements),
      Label2(*this, L"Label2"),
      titre(*this, L"titre"),
      Label4(*this, L"Label4"),
      Texte(*this, L"Texte"),
      ReyCommand1(*this, L"ReyCommand1"),
      ReyCommand2(*this, L"ReyCommand2"),
      ReyCommand3(*this, L"ReyCommand3"),
      ReyCommand4(*this, L"ReyCommand4"),
      Frame1(*this, L"Frame1"),
      Label7(*this, L"Label7"),
      ReyCommand5(*this, L"ReyCommand5"),
      ReyCommand6(*this, L"ReyCommand6"),
      program_(program),
      variante_(variante) {
    Liste.onClick = [this] { Liste_Click(); };
    ReyCommand1.onClick = [this] { ReyCommand1_Click(); };
    ReyCommand2.onClick = [this] { ReyCommand2_Click(); };
    ReyCommand3.onClick = [this] { ReyCommand3_Click(); };
    ReyCommand4.onClick = [this] { ReyCommand4_Click(); };
    ReyCommand5.onClick = [this] { ReyCommand5_Click(); };
    ReyCommand6.onClick = [this] { ReyCommand6_Click(); };
}

void ListeTextesEdit::design() {
    setCaption(variante_.legende);
    setBorderStyle(ui::BorderStyle::FixedSingle);
    setClientSize(9165, variante_.hauteur);

    Label1.move(240, 120, 8685, 255);
    Label1.setCaption(L"Cliquez sur la phrase à changer, modifiez la et validez par \"Valider modif\"");
    const int d = variante_.bandeAide;
    Label3.move(600, 480 + d, 4000, 255);
    Label3.setCaption(variante_.entete);
    Label3.setFont({L"MS Sans Serif", 8, true});
    Liste.move(600, 840 + d, 8325, kEmplacements * kRangee + 60);
    numeroteRangees(Label5, kEmplacements, 870 + d);
    Label2.move(600, 4080 + d, 4000, 255);
    Label2.setCaption(variante_.etiquetteTitre);
    titre.move(600, 4380 + d, 8325, 315);
    Label4.move(600, 4860 + d, 4000, 255);
    Label4.setCaption(variante_.etiquetteTexte);
    Texte.move(600, 5160 + d, 8325, 1215);
    Texte.setMultiLine(true);
    Texte.setMaxLength(kLongueurTexte);
    etats_.boites(kBleu, true);

    // "Valider modif" and "Annuler modif" take the places of the two buttons they stand in for.
    ReyCommand1.move(600, 6600 + d, 3900, 495);
    ReyCommand1.setCaption(L"Editer Titre et Texte");
    ReyCommand2.move(600, 6600 + d, 3900, 495);
    ReyCommand2.setCaption(L"Valider modif");
    ReyCommand3.move(5025, 6600 + d, 3900, 495);
    ReyCommand3.setCaption(L"Effacer Titre et Texte");
    ReyCommand4.move(5025, 6600 + d, 3900, 495);
    ReyCommand4.setCaption(L"Annuler modif");

    Frame1.move(kFrame1Cache, 7320 + d, 5000, 1335);
    Frame1.setVisible(false);
    Frame1.contain({&Label7, &ReyCommand5, &ReyCommand6});
    Label7.move(240, 300, 4500, 255);
    Label7.setCaption(L"Vous confirmez l'effacement ?");
    ReyCommand5.move(600, 720, 1500, 435);
    ReyCommand5.setCaption(L"OUI");
    ReyCommand6.move(2880, 720, 1500, 435);
    ReyCommand6.setCaption(L"NON");
}

void ListeTextesEdit::relitListe(bool tousLesTitres) {
    Liste.clear();
    const settings::IniLu ini = program_.ouvreIni();
    for (int k = 1; k <= kEmplacements; ++k) {
        const Text cle = text::decimal(k);
        Liste.addItem(ini.lit(variante_.sectionTextes, cle));
        const Text t = ini.lit(variante_.sectionTitres, cle);
        if (tousLesTitres || !t.empty()) Titres[static_cast<size_t>(k)] = t;
    }
}

void ListeTextesEdit::onLoad() {
    relitListe(!variante_.titresVidesIgnores);
    EditionEnCours = false;
    etats_.boutons(false);
    titre.setLocked(true);
    Texte.setLocked(true);
}

void ListeTextesEdit::Liste_Click() {
    if (EditionEnCours) {
        // The slot being edited stays the current one.
        Liste.setListIndex(EmplacementCourant);
        return;
    }
    if (Liste.listIndex() < 0) return;
    EmplacementCourant = Liste.listIndex();
    titre.setText(Titres[static_cast<size_t>(EmplacementCourant + 1)]);
    Texte.setText(Liste.text());
}

void ListeTextesEdit::ReyCommand1_Click() {
    EditionEnCours = true;
    etats_.boutons(true);
    etats_.boites(kRouge, false);
}

void ListeTextesEdit::ReyCommand2_Click() {
    etats_.boutons(false);
    const int slot = EmplacementCourant + 1;
    // A settings value is one line: what is stored, listed and shown is the same one-line text.
    const Text nouveauTitre = surUneLigne(titre.text());
    const Text nouveauTexte = surUneLigne(Texte.text());
    Titres[static_cast<size_t>(slot)] = nouveauTitre;
    Liste.clear();
    const settings::IniLu ini = program_.ouvreIni();
    for (int k = 1; k <= kEmplacements; ++k)
        Liste.addItem(k == slot ? nouveauTexte : ini.lit(variante_.sectionTextes, text::decimal(k)));
    EditionEnCours = false;
    const Text cle = text::decimal(slot);
    program_.EcritIniGroupe(
        {{variante_.sectionTitres, cle, nouveauTitre}, {variante_.sectionTextes, cle, nouveauTexte}});
    Liste.setListIndex(EmplacementCourant);
    etats_.boites(kBleu, true);
}

void ListeTextesEdit::ReyCommand3_Click() {
    Frame1.setLeft(kFrame1Visible);
    Frame1.setVisible(true);
}

void ListeTextesEdit::ReyCommand6_Click() {
    Frame1.setLeft(kFrame1Cache);
    Frame1.setVisible(false);
}

void ListeTextesEdit::ReyCommand5_Click() {
    Frame1.setVisible(false);
    etats_.boutons(false);
    const int courant = EmplacementCourant + 1;
    Titres[static_cast<size_t>(courant)].clear();
    std::vector<Emplacement> slots;
    for (int k = 1; k <= kEmplacements; ++k) {
        if (k == courant)
            slots.push_back({});
        else
            slots.push_back({Titres[static_cast<size_t>(k)], Liste.list(k - 1)});
    }
    program_.EcritIniGroupe(
        compactage(variante_.sectionTitres, variante_.sectionTextes, slots, OrdreEcriture::TitreAvant));
    relitListe(true);
    EditionEnCours = false;
    // A delete pressed during an edit ends it: the boxes go back to their browse look too.
    etats_.boites(kBleu, true);
    titre.setText(L"");
    Texte.setText(L"");
    Liste.setListIndex(EmplacementCourant);
}

void ListeTextesEdit::ReyCommand4_Click() {
    EditionEnCours = false;
    etats_.boites(kBleu, true);
    relitListe(!variante_.titresVidesIgnores);
    etats_.boutons(false);
    Liste.setListIndex(EmplacementCourant);
}

void ListeTextesEdit::onUnload(bool&) {
    RemetReglagesDevant(program_);
}

}  // namespace wardo::editors
