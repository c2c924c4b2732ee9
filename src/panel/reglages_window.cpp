// The panel as a window: its first activations, dragging, the drop-down menus, its panes' close images,
// minimising and closing.
#include "chatlink/window_order.h"
#include "panel/reglages.h"

namespace wardo::panel {

void Reglages::onActivate() {
    if (PanneauLance) return;
    app::Program& p = program_;
    BoucleLectPseudo.setEnabled(true);
    auPremierPlan();
    // While an information frame is due, each activation shows it and the panel waits.
    if (p.AfficherInfos1) {
        FrameInfos.setLeft(kPaneShownLeft);
    } else if (p.AfficherInfos2) {
        FrameInfos2.setLeft(kPaneShownLeft);
    } else {
        lancement();
        PanneauLance = true;
    }
}

void Reglages::lancement() {
    Boucle.setEnabled(true);
    TimerEtat.setEnabled(true);
    BoucleLectPseudo.setEnabled(true);
    auPremierPlan();
}

void Reglages::auPremierPlan() {
    app::Program& p = program_;
    chatlink::MetPremierPlan(platform().windows, handle());
    p.ReglagesPremierPlan = true;
    p.ModeAvertir = false;
    p.ModePunir = false;
    p.ModeKick = false;
}

// The panel stays: only its close image, or the fifth click on "Pseudo", ends the program.
void Reglages::onUnload(bool& cancel) {
    cancel = true;
}

void Reglages::Form_MouseDown(int button) {
    if (button == ui::mouse::kLeft) dragMove();
}

void Reglages::menuco_MouseDown(int button) {
    CacheMenus();
    if (button == ui::mouse::kLeft) dragMove();
}

void Reglages::CacheMenus() {
    for (ui::ListBox* menu : {&MenuConfig, &MenuCdesSupp, &MenuAide, &MenuListes, &MenuSalles})
        menu->setVisible(false);
}

void Reglages::Configurer_Click() {
    MenuCdesSupp.setVisible(false);
    MenuAide.setVisible(false);
    MenuConfig.setVisible(!MenuConfig.visible());
}

void Reglages::ouvreVolet(ui::Frame& pane) {
    pane.setLeft(kPaneShownLeft);
    imagesFenetre(false);
}

void Reglages::fermeVolet(ui::Frame& pane) {
    pane.setLeft(kPaneHiddenLeft);
    imagesFenetre(true);
}

void Reglages::imagesFenetre(bool visibles) {
    Image3.setVisible(visibles);
    Image4.setVisible(visibles);
}

void Reglages::Image3_Click() {
    chatlink::RetirePremierPlan(platform().windows, handle());
    program_.end(0);
}

void Reglages::Image4_Click() {
    setWindowState(ui::WindowState::Minimized);
}

// The fifth click in all, however far apart, makes the window rectangular from the next start on.
void Reglages::Label15_Click() {
    app::Program& p = program_;
    ++p.CompteurClicsFermeture;
    if (p.CompteurClicsFermeture != 5) return;
    p.EcritIni(L"Parametres", L"Largeur", L"D");
    p.end(0);
}

void Reglages::Annuler_Click() {
    FrameRaisonPerso.setTop(kFrameRaisonPersoHiddenTop);
}

void Reglages::cestbon_Click() {
    FrameIndicationToucheMicro.setLeft(kKeyPaneHiddenLeft);
}

}  // namespace wardo::panel
