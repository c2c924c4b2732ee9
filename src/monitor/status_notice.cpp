// The robot's level as the room reports it: a status notice names the level word, a rights notice
// gives the owner's level.
#include "monitor/line_interpretation.h"
#include "monitor/panel_layout.h"
#include "panel/reglages.h"

namespace wardo::monitor {

namespace {

// The room's words for the levels; a word not listed leaves the level as it is.
struct MotSalle {
    const wchar_t* mot;
    const wchar_t* motStatut;
    int niveau;
};
constexpr MotSalle kMotsSalle[] = {
    {L"USER", L"noir", 0}, {L"OPERATOR", L"op", 3}, {L"OPPLUS", L"opplus", 2}, {L"FRIEND", L"bleu", 4}};

// The text before the first full stop; a notice without one cannot be read.
Text avantLePoint(const Text& phrase) {
    return text::left(phrase, text::find(phrase, L".") - 1);
}

}  // namespace

void LineInterpretation::TraiteChgtStatut(Text& phrase) {
    app::Program& p = program_;
    Text mot;
    for (const wchar_t* annonce :
         {L"Opération impossible. Votre statut est : ", L"Operation failed! Your current level is: "}) {
        if (text::find(phrase, annonce) == 0) continue;
        phrase = text::replaceAll(phrase, annonce, L"");
        mot = avantLePoint(phrase);
    }
    if (mot.empty()) return;

    for (const MotSalle& m : kMotsSalle) {
        if (mot == m.mot) {
            p.MotStatut = m.motStatut;
            p.NiveauStatut = m.niveau;
        }
    }
    // Any word, known or not, stores the current level word and lays the panel out again.
    p.EcritIni(L"Parametres", L"Statut", p.MotStatut);
    panel_.part<PanelLayout>().Appliquerdroits(p.NiveauStatut);
    afficheReajustement();
}

// The stored level word is left as it was: only the panel follows the rights.
void LineInterpretation::droitsAppliques() {
    panel_.part<PanelLayout>().Appliquerdroits(1);
    program_.NiveauStatut = 1;
    afficheReajustement();
}

// One box at a time: the poller goes on while the box waits, and any member can write a notice; one
// read meanwhile has already applied its level and layout, which the open box tells as well.
void LineInterpretation::afficheReajustement() {
    if (boiteStatutOuverte_) return;
    boiteStatutOuverte_ = true;
    struct Fermee {
        bool& ouverte;
        ~Fermee() { ouverte = false; }
    } fermee{boiteStatutOuverte_};
    panel_.AfficheMSGBox(L"Votre statut a été réajusté", L"Ajustement de statut");
}

}  // namespace wardo::monitor
