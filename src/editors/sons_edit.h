// The sound editor "Choix des sons": 24 slots of a title and a WAV file kept in the sounds folder, with
// a browse, a full edit and a title edit state, a file chooser that previews what is clicked, and the
// copy of the chosen file into the sounds folder.
#pragma once
#include <array>

#include "app/program.h"
#include "editors/edit_states.h"
#include "ui/basic_controls.h"
#include "ui/control_array.h"
#include "ui/file_lists.h"
#include "ui/form.h"
#include "ui/list_control.h"
#include "ui/text_box.h"

namespace wardo::editors {

using text::Text;

class SonsEdit : public ui::Form {
public:
    explicit SonsEdit(app::Program& program);

    // Reloads the list and `Fichiers` from the settings file and puts the window in the browse state.
    void Initialisation();

    static constexpr int kEmplacements = 24;
    static constexpr ui::Color kRougeFonce = 0x000080;
    static constexpr int kFrame1Visible = 1290, kFrame1Cache = 5960;  // Left
    static constexpr int kFrame2Visible = 120, kFrame2Cache = 8000;   // Left
    static constexpr int kFrame2ApresCopie = 6000;                    // Left, out of view too

    ui::Label Label1;
    ui::Label Label3;
    ui::ListBox Liste;
    ui::ControlArray<ui::Label> Label5;  // 1-24 number the rows; 0 is the hint in the chooser
    ui::Label Label4;
    ui::TextBox TitreSon;
    ui::Label Label2;
    ui::TextBox FichierWave;
    ui::Button ReyCommand1;
    ui::Label Label9;
    ui::Button ReyCommand2;
    ui::Button ReyCommand3;
    ui::Button ReyCommand4;
    ui::Frame Frame1;
    ui::Label Label7;
    ui::Button ReyCommand5;
    ui::Button ReyCommand6;
    ui::Frame Frame2;
    ui::Label Label6;
    ui::DriveListBox Drive1;
    ui::DirListBox Dir1;
    ui::FileListBox File1;
    ui::Label Label8;

    // Kept for the whole run, across closings of the window.
    std::array<Text, kEmplacements + 1> Fichiers{};  // slots 1 to 24; 0 is never used
    int EmplacementCourant = 0;
    bool TitreSeul = false;
    Text CheminChoisi;

protected:
    void design() override;
    void onLoad() override;
    void onUnload(bool& cancel) override;

private:
    void Liste_Click();
    void ReyCommand1_Click();  // "Remplacer ce son"
    void Label9_Click();       // "Modifier titre seul"
    void ReyCommand2_Click();  // "Valider modif"
    void ReyCommand3_Click();  // "Effacer ce son"
    void ReyCommand4_Click();  // "Annuler modif"
    void ReyCommand5_Click();  // "OUI"
    void ReyCommand6_Click();  // "NON"

    // The chooser (sons_edit_chooser.cpp).
    void placeChoix();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    // Copies the chosen file into the sounds folder, made when missing; tells the user when it fails, or
    // when the file's name cannot be stored.
    bool copieDansSons(const Text& nom);
    void prevenir(const Text& message);

    void joue(const Text& chemin);
    void consultation();  // the browse look: blue read-only boxes, "Modifier titre seul", no chooser

    app::Program& program_;
    const EtatsEdition etats_{TitreSon, FichierWave, ReyCommand1, ReyCommand2, ReyCommand3, ReyCommand4};
    bool retourDrive_ = false;  // the drive list is being put back after a drive that did not open
};

}  // namespace wardo::editors
