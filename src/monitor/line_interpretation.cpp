#include "monitor/line_interpretation.h"

#include <algorithm>

#include "chatlink/room_line.h"
#include "commands/entry_sound.h"
#include "panel/reglages.h"

namespace wardo::monitor {

namespace {

constexpr const wchar_t* kJoinFr = L"Rejoint la salle :";
constexpr const wchar_t* kJoinEn = L"Join: ";

Text pseudoEntrant(const Text& ligne) {
    Text pseudo;
    if (text::left(ligne, 18) == kJoinFr) pseudo = text::trim(text::replaceAll(ligne, kJoinFr, L""));
    if (text::find(ligne, kJoinEn) > 0) pseudo = text::trim(text::replaceAll(ligne, kJoinEn, L""));
    return pseudo;
}

// A line the robot spoke itself, as the room shows it once the bracket group is gone: its nickname,
// " : ", then the text. Its own welcome holds the words of a join and is never taken for one.
bool ligneDuRobot(const Text& ligne, const Text& pseudoRobot) {
    return !pseudoRobot.empty() && ligne.starts_with(pseudoRobot + L" : ");
}

bool controle(wchar_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// What the room may pass over before a command's "/": blanks of every width, control characters and
// the invisible marks (zero-width, direction).
bool invisible(wchar_t c) {
    return c == L' ' || controle(c) || c == 0xA0 || c == 0xAD || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200F) || (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x2064) ||
           c == 0x3000 || c == 0xFEFF;
}

wchar_t premierVisible(const Text& s) {
    const auto it = std::find_if_not(s.begin(), s.end(), invisible);
    return it == s.end() ? L'\0' : *it;
}

// A nickname as it may be typed: a control character (a line break among them) becomes a blank.
Text sansControles(Text pseudo) {
    std::replace_if(pseudo.begin(), pseudo.end(), controle, L' ');
    return pseudo;
}

}  // namespace

LineInterpretation::LineInterpretation(app::Program& program, panel::Reglages& panel)
    : program_(program), panel_(panel) {}

void LineInterpretation::traiteligne(Text& ligne) {
    app::Program& p = program_;
    ligne = text::trimRight(ligne);
    chatlink::RetireGroupe(ligne);  // before any other test

    if (text::find(ligne, L"Votre statut est :") > 0) {
        Text phrase = ligne;
        TraiteChgtStatut(phrase);
    }
    if (text::find(ligne, L"Your current level is:") > 0) {
        Text phrase = ligne;
        TraiteChgtStatut(phrase);
    }
    if (text::find(ligne, L"Les droits de modérateur ont été appliqués") > 0) droitsAppliques();
    if (text::find(ligne, L"Operator rights were applied successfully") > 0) droitsAppliques();

    const Text pseudo = ligneDuRobot(ligne, p.PseudoRobot) ? Text() : pseudoEntrant(ligne);
    if (!p.IgnoreReentrantActif) p.DernierPseudoEntre = L"#";
    if (!pseudo.empty()) {
        if (p.AccueilActif && pseudo != p.DernierPseudoEntre && !p.SaisieChatOccupee) accueille(pseudo);
        const bool alerte = alerteSurveillee(pseudo);
        if (p.AnnonceSonoreActive && pseudo != p.DernierPseudoEntre && !alerte) commands::JoueSonEntree(p);
        p.DernierPseudoEntre = pseudo;
    }

    // A member's call for the entry sound, unless the user turned such calls off.
    if (text::find(ligne, L"/ding") > 0 && p.DingAutorise) commands::JoueSonEntree(p);
}

// The final blank alternates from one welcome to the next (the first one has it). The robot never types
// a command taken from the room: a phrase that begins with "/" (after anything invisible) only because of
// the nickname is dropped, and then counts as no welcome.
void LineInterpretation::accueille(const Text& pseudo) {
    app::Program& p = program_;
    const Text phrase = text::replaceAll(p.TexteAccueil, L"$N", sansControles(pseudo));
    if (premierVisible(phrase) == L'/' && premierVisible(p.TexteAccueil) != L'/') return;
    p.BasculeEspaceAccueil = !p.BasculeEspaceAccueil;
    p.room.EnvoieChat(p.BasculeEspaceAccueil ? phrase + L" " : phrase);
}

// Every active entry that names the nickname, in any letter case, raises the alert once.
bool LineInterpretation::alerteSurveillee(const Text& pseudo) {
    const Text minuscules = text::lower(pseudo);
    bool alerte = false;
    for (int d = 1; d <= 6; ++d) {
        const app::PseudoAlerte& surveille = program_.PseudosAlerte[static_cast<std::size_t>(d)];
        if (minuscules == text::lower(surveille.Pseudo) && surveille.Actif == L"1") {
            alerte = true;
            AlerteEntree(pseudo);
        }
    }
    return alerte;
}

}  // namespace wardo::monitor
