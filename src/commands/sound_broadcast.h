// Broadcasting one of the user's sounds into the room: the panel's list of the 24 sound slots, the wait
// for a free microphone with its two ways out, the synchronous play while the microphone is open, and
// the release of the microphone.
#pragma once
#include <array>

#include "app/program.h"
#include "panel/part.h"

namespace wardo::panel {
class Reglages;
}

namespace wardo::commands {

using text::Text;

class SoundBroadcast : public panel::Part {
public:
    SoundBroadcast(app::Program& program, panel::Reglages& panel);

    // Fills ListeSons with the 24 slots' titles, empty ones included, then "ANNULER", and FichiersSons
    // with their file names.
    void LitTitresSons();

    void JoueSons_Click();
    void ListeSons_Click();
    void annuleremissionson_Click();  // "Annuler": the waiting sound is dropped
    void Label70_Click();             // the user holds the microphone already: play at once

    static constexpr int kEmplacements = 24;
    static constexpr int kListeVisible = 960, kListeCachee = 16920, kListeEnEmission = 15000;  // Left

    // The bare file name of each slot, 1 to 24 ("" for a slot without one); 0 is never used.
    std::array<Text, kEmplacements + 1> FichiersSons{};

private:
    app::Program& program_;
    panel::Reglages& panel_;
};

}  // namespace wardo::commands
