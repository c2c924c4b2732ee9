// Sanctions with a reason: five mode buttons open the pick list ListRaisons (the saved reasons, or the
// announcements), a pick or a typed reason builds the command for the mode; Punir and Bannir build the
// punish and ban commands with the durations from the settings; three "direct" buttons act at once.
#pragma once
#include <array>

#include "app/program.h"
#include "panel/part.h"

namespace wardo::panel {
class Reglages;
}

namespace wardo::commands {

using text::Text;

class Sanctions : public panel::Part {
public:
    Sanctions(app::Program& program, panel::Reglages& panel);

    // Refill the list (15 titles, empty ones included, then "ANNULER" and "Personnalisée") and the
    // texts behind it from the settings file.
    void LitMessagesRaisons();
    void LitMessagesAnnonces();
    void Punir(const Text& pseudo, const Text& raison, const Text& signature);
    // Blocks 2 s twice, each wait followed by one pass of events, so the panel's timers may type their
    // own lines between the ban lines.
    void Bannir(const Text& pseudo, const Text& raison, const Text& signature);

    // The text behind the list's entry at position p is TextesListeRaisons[p + 1]; 16 and 17 stay "".
    std::array<Text, 18> TextesListeRaisons{};

    static constexpr int kListeShownLeft = 2070, kListeHiddenLeft = 16920;
    static constexpr int kListeKickTop = 850, kListeTop = 1200;

private:
    void litListe(const wchar_t* sectionTitres, const wchar_t* sectionTextes);
    void ouvreRaisons(bool app::Program::*mode, int top);
    void Diffannonce_Click();
    void choisitMode(bool app::Program::*mode);
    void ListRaisons_Click();
    void RaisonPerso_KeyPress(int keyAscii);
    // The line (or the ban sequence) of the mode now set, for the target `pseudo`.
    void envoieSanction(const Text& pseudo, const Text& raison, const Text& signature);
    void rangeListe();

    app::Program& program_;
    panel::Reglages& panel_;
};

}  // namespace wardo::commands
