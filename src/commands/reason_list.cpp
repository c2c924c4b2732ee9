// The pick list of reasons and announcements, and the typed reason.
#include "commands/room_commands.h"
#include "commands/sanctions.h"
#include "commands/target.h"
#include "panel/reglages.h"
#include "settings/settings_file.h"

namespace wardo::commands {

using app::Program;

namespace {
constexpr int kSlots = 15;
constexpr int kRaisonPersoTopAvertir = 350, kRaisonPersoTop = 500;
}  // namespace

void Sanctions::LitMessagesRaisons() {
    litListe(L"TitresRaisons", L"Raisons");
}

void Sanctions::LitMessagesAnnonces() {
    litListe(L"TitresAnnonces", L"Annonces");
}

void Sanctions::litListe(const wchar_t* sectionTitres, const wchar_t* sectionTextes) {
    TextesListeRaisons.fill(Text());
    panel_.ListRaisons.clear();
    const settings::IniLu ini = program_.ouvreIni();
    for (int i = 1; i <= kSlots; ++i) {
        const Text cle = text::decimal(i);
        panel_.ListRaisons.addItem(ini.lit(sectionTitres, cle));
        TextesListeRaisons[static_cast<std::size_t>(i)] = ini.lit(sectionTextes, cle);
    }
    panel_.ListRaisons.addItem(L"ANNULER");
    panel_.ListRaisons.addItem(L"Personnalisée");
}

void Sanctions::choisitMode(bool Program::*mode) {
    for (bool Program::*flag : {&Program::ModeAvertir, &Program::ModeKick, &Program::ModePunir,
                                &Program::ModeBan, &Program::ModeAnnonce})
        program_.*flag = flag == mode;
}

// The list is refilled first, whether or not there is a target.
void Sanctions::ouvreRaisons(bool Program::*mode, int top) {
    LitMessagesRaisons();
    if (!panel_.part<PseudoCible>().SiPseudo()) return;
    choisitMode(mode);
    panel_.ListRaisons.setTop(top);
    panel_.ListRaisons.setLeft(kListeShownLeft);
}

// An announcement needs no target; the panel may go to the task bar with the list open in it.
void Sanctions::Diffannonce_Click() {
    LitMessagesAnnonces();
    choisitMode(&Program::ModeAnnonce);
    panel_.ListRaisons.setTop(kListeTop);
    panel_.ListRaisons.setLeft(kListeShownLeft);
    panel_.part<PseudoCible>().RetourBarreTaches();
}

void Sanctions::rangeListe() {
    panel_.ListRaisons.setLeft(kListeHiddenLeft);
}

void Sanctions::ListRaisons_Click() {
    panel::Reglages& r = panel_;
    const int position = r.ListRaisons.listIndex();
    if (position < 0) return;
    const Text titre = r.ListRaisons.list(position);
    if (titre.empty()) return;  // an empty slot: the list stays open
    const Text texte = TextesListeRaisons[static_cast<std::size_t>(position) + 1];

    // The typed-reason frame, ready for the mode: a warning has no "$N" hint.
    r.Label74.setVisible(!program_.ModeAvertir);
    r.RaisonPerso.setTop(program_.ModeAvertir ? kRaisonPersoTopAvertir : kRaisonPersoTop);

    if (titre == L"ANNULER") {
        rangeListe();
    } else if (titre == L"Personnalisée") {
        r.RaisonPerso.setText(L"");
        r.FrameRaisonPerso.setTop(panel::Reglages::kFrameRaisonPersoShownTop);
        rangeListe();
        if (r.RaisonPerso.reachable()) r.RaisonPerso.setFocus();
    } else {
        const Text pseudo = r.part<PseudoCible>().pseudo();
        // Only "$N": a saved text keeps "$n" as it stands.
        envoieSanction(pseudo, text::replaceAll(texte, L"$N", pseudo), Signature(program_));
        rangeListe();
        r.part<PseudoCible>().RetourBarreTaches();
    }
}

// Enter types the reason in the mode now set; the panel stays where it is.
void Sanctions::RaisonPerso_KeyPress(int keyAscii) {
    if (keyAscii != ui::key::kEnter) return;
    panel::Reglages& r = panel_;
    const Text texte = r.RaisonPerso.text();
    if (!texte.empty()) {
        const Text pseudo = r.part<PseudoCible>().pseudo();
        const Text raison = text::replaceAll(text::replaceAll(texte, L"$N", pseudo), L"$n", pseudo);
        envoieSanction(pseudo, raison, Signature(program_));
    }
    r.FrameRaisonPerso.setTop(panel::Reglages::kFrameRaisonPersoHiddenTop);
}

}  // namespace wardo::commands
