#include "panel/reglages_de_base.h"

#include "commands/entry_sound.h"
#include "monitor/panel_layout.h"
#include "panel/durees.h"
#include "panel/reglages.h"

namespace wardo::panel {

ReglagesDeBase::ReglagesDeBase(app::Program& program, Reglages& panel) : program_(program), panel_(panel) {
    panel_.ValiderChoix.onClick = [this] { ValiderChoix_Click(); };
    for (int i = 1; i <= 4; ++i) panel_.Signal(i).onClick = [this, i] { Signal_Click(i); };
    panel_.saisieCodeOPME.onClick = [this] { saisieCodeOPME_Click(); };
    panel_.AvecOuSansBip.onClick = [this] { AvecOuSansBip_Click(); };
    panel_.ChoixTouchePriseMicro.onClick = [this] { ChoixTouchePriseMicro_Click(); };
}

void ReglagesDeBase::AfficheReglagesBase() {
    app::Program& p = program_;
    Reglages& r = panel_;
    r.Frame1.setLeft(Reglages::kPaneShownLeft);
    panneauDisponible(false);

    r.part<monitor::PanelLayout>().AffStatut();
    AffMusique();
    p.platform.loop.doEvents();

    (p.AccueilActif ? r.AvecAccueil : r.SansAccueil).setValue(true);
    r.SignerActions.setValue(p.SignatureActive ? 1 : 0);
    r.pasdeding.setValue(p.DingAutorise ? 1 : 0);
    r.RetourBarreTaches.setValue(p.RetourBarreTachesActif ? 1 : 0);
    r.IgnorerReentrant.setValue(p.IgnoreReentrantActif ? 1 : 0);
    r.Text1.setText(p.TexteAccueil);
    r.Text2.setText(p.TexteConnexion);
    remplitDurees(r.ListPunish, kDureesPunish, p.CodeDureePunish);
    remplitDurees(r.ListBan, kDureesBan, p.CodeDureeBan);
    // The ban options keep what the load or the last validation set.
    if (!p.CodeOpme.empty()) {
        r.saisieCodeOPME.setPasswordChar(L'*');
        r.saisieCodeOPME.setText(p.CodeOpme);
    }
}

void ReglagesDeBase::panneauDisponible(bool disponible) {
    Reglages& r = panel_;
    r.BoucleLectPseudo.setEnabled(disponible);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&r.Configurer, &r.Label57, &r.Label58})
        c->setVisible(disponible);
    r.Label2.setEnabled(disponible);
    r.imagesFenetre(disponible);
}

void ReglagesDeBase::ChoixTouchePriseMicro_Click() {
    ui::raiseEvent(panel_.ToucheVoice.onClick);  // ToucheVoice_Click opens FrameIndicationToucheMicro
    fermeVolet();
}

void ReglagesDeBase::AffMusique() {
    Reglages& r = panel_;
    for (int i = 1; i <= 4; ++i) r.Signal(i).setBackColor(kBlanc);
    if (!program_.AnnonceSonoreActive) {
        r.Signal(4).setBackColor(kSansSon);
        return;
    }
    for (int i = 1; i <= 3; ++i)
        if (r.ChoixSonEntree == text::decimal(i)) r.Signal(i).setBackColor(kSonChoisi);
}

// Takes effect at once; stored at the next validation.
void ReglagesDeBase::Signal_Click(int index) {
    app::Program& p = program_;
    Reglages& r = panel_;
    for (int i = 1; i <= 4; ++i) r.Signal(i).setBackColor(kBlanc);
    if (index == 4) {
        p.AnnonceSonoreActive = false;
        r.Signal(4).setBackColor(kSansSon);
        return;
    }
    p.AnnonceSonoreActive = true;
    r.ChoixSonEntree = text::decimal(index);
    r.Signal(index).setBackColor(kSonChoisi);
    p.CheminSonEntree = commands::FichierSonEntree(p, r.ChoixSonEntree);
    commands::JoueSonEntree(p);
}

void ReglagesDeBase::saisieCodeOPME_Click() {
    panel_.saisieCodeOPME.setText(L"");
    panel_.saisieCodeOPME.setPasswordChar(0);
}

void ReglagesDeBase::AvecOuSansBip_Click() {
    app::Program& p = program_;
    p.BipActif = panel_.AvecOuSansBip.value() != 0;
    p.EcritIni(L"Parametres", L"AvecBip", p.BipActif ? L"1" : L"0");
}

}  // namespace wardo::panel
