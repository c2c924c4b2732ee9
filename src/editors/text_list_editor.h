// The announcement and reason editors, one design: 15 slots of a title and a text, edited in place with
// a browse and an edit state, and a confirmation panel before a delete closes the list up.
// `VarianteTextes` holds what differs between `MessagesEdit` and `RaisonsEdit`.
#pragma once
#include <array>

#include "app/program.h"
#include "editors/edit_states.h"
#include "ui/basic_controls.h"
#include "ui/control_array.h"
#include "ui/form.h"
#include "ui/list_control.h"
#include "ui/text_box.h"

namespace wardo::editors {

using text::Text;

struct VarianteTextes {
    const wchar_t* legende;
    const wchar_t* sectionTitres;
    const wchar_t* sectionTextes;
    const wchar_t* entete;          // Label3
    const wchar_t* etiquetteTitre;  // Label2
    const wchar_t* etiquetteTexte;  // Label4
    // On the load and on "Annuler modif", an empty stored title leaves the slot's entry of `Titres`.
    bool titresVidesIgnores;
    int hauteur;    // client area's height; its width is the same for both
    int bandeAide;  // height of the band under the instruction that holds the help on "$N"
};

class ListeTextesEdit : public ui::Form {
public:
    static constexpr int kEmplacements = 15;
    static constexpr int kLongueurTexte = 120;
    static constexpr int kFrame1Visible = 3700, kFrame1Cache = 5960;  // Left

    ui::Label Label1;
    ui::Label Label3;
    ui::ListBox Liste;
    ui::ControlArray<ui::Label> Label5;
    ui::Label Label2;
    ui::TextBox titre;
    ui::Label Label4;
    ui::TextBox Texte;
    ui::Button ReyCommand1;
    ui::Button ReyCommand2;
    ui::Button ReyCommand3;
    ui::Button ReyCommand4;
    ui::Frame Frame1;
    ui::Label Label7;
    ui::Button ReyCommand5;
    ui::Button ReyCommand6;

    // Kept for the whole run, across closings of the window.
    std::array<Text, kEmplacements + 1> Titres{};  // slots 1 to 15; 0 is never used
    int EmplacementCourant = 0;                    // list position of the current slot
    bool EditionEnCours = false;

protected:
    ListeTextesEdit(app::Program& program, Text name, const VarianteTextes& variante);
    void design() override;
    void onLoad() override;
    void onUnload(bool& cancel) override;

    app::Program& program_;

private:
    void Liste_Click();
    void ReyCommand1_Click();  // "Editer Titre et Texte"
    void ReyCommand2_Click();  // "Valider modif"
    void ReyCommand3_Click();  // "Effacer Titre et Texte"
    void ReyCommand4_Click();  // "Annuler modif"
    void ReyCommand5_Click();  // "OUI"
    void ReyCommand6_Click();  // "NON"

    // Rows and titles from the file; `tousLesTitres` false keeps the entries whose stored title is empty.
    void relitListe(bool tousLesTitres);

    const VarianteTextes& variante_;
    const EtatsEdition etats_{titre, Texte, ReyCommand1, ReyCommand2, ReyCommand3, ReyCommand4};
};

}  // namespace wardo::editors
