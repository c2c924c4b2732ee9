// The settings pane "Réglages de base" (Frame1): it shows the settings in force, lets the user change
// them and stores them in the section "Parametres" when the user validates. Also the two writers of that
// section that act at once: the beep option of the push-to-talk key pane and the operator-code box.
#pragma once
#include "app/program.h"
#include "panel/part.h"
#include "ui/property.h"

namespace wardo::panel {

class Reglages;

class ReglagesDeBase : public Part {
public:
    ReglagesDeBase(app::Program& program, Reglages& panel);

    // Opens the pane; nickname pick-up, the menus and the panel's close images wait until it closes.
    void AfficheReglagesBase();
    // Paints the four entry-sound buttons from the choice in force.
    void AffMusique();
    // Index 1 to 3 chooses an entry sound and plays it once; 4 ("Aucun") turns the entry sound off.
    void Signal_Click(int index);
    // Stores every setting and closes the pane; a refused connection phrase keeps it open.
    void ValiderChoix_Click();
    // Empties the operator-code box and shows what the user types in clear.
    void saisieCodeOPME_Click();
    // Stores the beep option at once.
    void AvecOuSansBip_Click();
    // Leaves the pane for the push-to-talk key pane; none of the pane's settings is stored.
    void ChoixTouchePriseMicro_Click();

    // Background colours (&HBBGGRR).
    static constexpr ui::Color kBlanc = 0xFFFFFF;
    static constexpr ui::Color kSonChoisi = 0xFF80FF;
    static constexpr ui::Color kSansSon = 0x808080;
    static constexpr ui::Color kPhraseRefusee = 0x8080FF;
    static constexpr ui::Color kPhraseAcceptee = 0xFFFFC0;
    static constexpr int kPauseErreurMs = 6000;

private:
    void stockeBoutonsEtListes();  // level, entry sound, durations, ban type, options: one write
    bool stockePhraseConnexion();  // false when the phrase is refused
    void stockeCodeOpme();
    void fermeVolet();  // the pane put away, the panel laid out again for the level
    // While the pane is open, the nickname pick-up rests and the menus, the target and the panel's close
    // images are out of reach.
    void panneauDisponible(bool disponible);

    app::Program& program_;
    Reglages& panel_;
};

}  // namespace wardo::panel
