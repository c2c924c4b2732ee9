// Validating the settings pane: every setting stored in the section "Parametres", in a fixed order,
// then the pane closed and the panel laid out for the level.
#include <tuple>
#include <vector>

#include "cipher/crypt_text.h"
#include "monitor/panel_layout.h"
#include "monitor/status_levels.h"
#include "panel/durees.h"
#include "panel/reglages.h"
#include "panel/reglages_de_base.h"
#include "settings/phrase.h"
#include "settings/settings_file.h"

namespace wardo::panel {

void ReglagesDeBase::ValiderChoix_Click() {
    stockeBoutonsEtListes();
    if (!stockePhraseConnexion()) return;
    app::Program& p = program_;
    Reglages& r = panel_;
    if (!r.Text1.text().empty()) {
        p.TexteAccueil = r.Text1.text();
        p.EcritIni(L"Parametres", L"PhraseAccueil", p.TexteAccueil);
    }
    stockeCodeOpme();
    r.ListPunish.clear();
    r.ListBan.clear();
    fermeVolet();
}

// Nothing runs between these steps, so their keys go to the file in one replacement: all of them are
// stored before the connection phrase is checked.
void ReglagesDeBase::stockeBoutonsEtListes() {
    app::Program& p = program_;
    Reglages& r = panel_;
    std::vector<settings::IniEntry> cles;
    auto ecrit = [&cles](const wchar_t* cle, const Text& valeur) {
        cles.push_back({L"Parametres", cle, valeur});
    };

    ecrit(L"Statut", p.MotStatut);
    if (const auto niveau = monitor::NiveauDuMot(p.MotStatut)) p.NiveauStatut = *niveau;

    if (p.AnnonceSonoreActive) {
        ecrit(L"AnnSonore", L"O");
        ecrit(L"BipEntree", r.ChoixSonEntree);
    } else {
        ecrit(L"AnnSonore", L"N");
    }

    // A list text that is no entry (a hand-edited code shows none) keeps the code in force.
    if (const auto code = codeDeDuree(kDureesPunish, r.ListPunish.text())) p.CodeDureePunish = *code;
    ecrit(L"DureePunish", p.CodeDureePunish);
    if (const auto code = codeDeDuree(kDureesBan, r.ListBan.text())) p.CodeDureeBan = *code;
    ecrit(L"DureeBan", p.CodeDureeBan);

    // A hand-edited type that selected neither option stays as it is in the file.
    if (r.banippseudo.value()) {
        ecrit(L"Type Ban", L"IP+Pseudo");
    } else if (r.banpseudo.value()) {
        ecrit(L"Type Ban", L"Pseudo");
    }

    const std::tuple<ui::CheckBox&, const wchar_t*, bool&> cases[] = {
        {r.SignerActions, L"Signekick", p.SignatureActive},
        {r.pasdeding, L"AvecDing", p.DingAutorise},
        {r.RetourBarreTaches, L"RetBarreTaches", p.RetourBarreTachesActif},
        {r.IgnorerReentrant, L"IgnoreReentrant", p.IgnoreReentrantActif},
    };
    for (const auto& [boite, cle, option] : cases) {
        if (boite.value() == 1) {
            option = true;
            ecrit(cle, L"O");
        } else if (boite.value() == 0) {
            option = false;
            ecrit(cle, L"N");
        }
    }

    if (r.AvecAccueil.value()) {
        p.AccueilActif = true;
        ecrit(L"SalutNouvUser", L"O");
    } else if (r.SansAccueil.value()) {
        p.AccueilActif = false;
        ecrit(L"SalutNouvUser", L"N");
    }
    p.EcritIniGroupe(cles);
}

// A refused phrase shows the error for six seconds, blocking everything, and leaves the pane open.
bool ReglagesDeBase::stockePhraseConnexion() {
    app::Program& p = program_;
    Reglages& r = panel_;
    const Text phrase = r.Text2.text();
    Text copie = phrase;
    if (!settings::PhraseValide(copie)) {
        r.FrameErreur.setLeft(Reglages::kFrameErreurShownLeft);
        r.Text2.setBackColor(kPhraseRefusee);
        p.platform.loop.doEvents();
        p.platform.loop.sleep(kPauseErreurMs);
        r.FrameErreur.setLeft(Reglages::kFrameErreurHiddenLeft);
        p.platform.loop.doEvents();
        return false;
    }
    p.TexteConnexion = phrase;
    p.EcritIni(L"Parametres", L"PhraseConnexion", phrase);
    r.Text2.setBackColor(kPhraseAcceptee);
    return true;
}

// The conversion handles pending events after each character: the box is read once, before it, so that
// the stored code and the code in force are the same whatever the user does meanwhile.
void ReglagesDeBase::stockeCodeOpme() {
    app::Program& p = program_;
    Reglages& r = panel_;
    const Text code = r.saisieCodeOPME.text();
    if (code.empty()) {
        p.EcritIni(L"Parametres", L"CodeOPME", L"");
        p.CodeOpme.clear();
        return;
    }
    const Text chiffre = cipher::ChiffreVersHex(code, p.CleTexte, p.platform.loop);
    p.EcritIni(L"Parametres", L"CodeOPME", chiffre);
    p.CodeOpme = code;
    r.saisieCodeOPME.setPasswordChar(L'*');
}

void ReglagesDeBase::fermeVolet() {
    Reglages& r = panel_;
    r.Frame1.setLeft(Reglages::kFrame1HiddenLeft);
    panneauDisponible(true);
    r.part<monitor::PanelLayout>().Appliquerdroits(program_.NiveauStatut);
}

}  // namespace wardo::panel
