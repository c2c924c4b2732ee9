#include "panel/help_panes.h"

#include "panel/reglages.h"
#include "serverlink/message.h"

namespace wardo::panel {

HelpPanes::HelpPanes(app::Program& program, Reglages& panel) : program_(program), panel_(panel) {
    panel.Label57.onClick = [this] { Label57_Click(); };
    panel.Label58.onClick = [this] { Label58_Click(); };
    panel.MenuAide.onClick = [this] { MenuAide_Click(); };
    panel.Check2.onClick = [this] { Check2_Click(); };
    panel.Check1.onClick = [this] { Check1_Click(); };
    panel.jaibienlu1.onClick = [this] { jaibienlu1_Click(); };
    panel.jaibienlu2.onClick = [this] { jaibienlu2_Click(); };
    panel.Label21.onClick = [this] { Label21_Click(); };
    panel.Label4.onClick = [this] { Label4_Click(); };
    panel.EcrireSupport.onClick = [this] { EcrireSupport_Click(); };
}

void HelpPanes::Label57_Click() {
    Reglages& r = panel_;
    r.MenuConfig.setVisible(false);
    r.MenuAide.setVisible(false);
    r.MenuCdesSupp.setVisible(!r.MenuCdesSupp.visible());
    r.MenuSalles.setVisible(false);
    r.MenuListes.setVisible(false);
}

void HelpPanes::Label58_Click() {
    Reglages& r = panel_;
    r.MenuConfig.setVisible(false);
    r.MenuCdesSupp.setVisible(false);
    r.MenuAide.setLeft(3120);
    r.MenuAide.setVisible(true);
}

void HelpPanes::MenuAide_Click() {
    Reglages& r = panel_;
    const Text item = r.MenuAide.text();
    if (item.empty()) return;
    r.MenuAide.setVisible(false);
    if (item == L"A propos") {
        r.Label44.setCaption(program_.VersionRobot);
        r.ouvreVolet(r.FrameAPropos);
    } else if (item == L"Aide") {
        r.ouvreVolet(r.FrameAide);
    }
}

// Ticking the box is for good: the box goes, so the choice cannot be taken back in this run.
void HelpPanes::Check2_Click() {
    if (panel_.Check2.value() != 1) return;
    program_.EcritIni(L"Parametres", L"AffInfos1", L"N");
    panel_.Check2.setVisible(false);
    program_.AfficherInfos1 = false;
}

void HelpPanes::Check1_Click() {
    if (panel_.Check1.value() != 1) return;
    program_.EcritIni(L"Parametres", L"AffInfos2", L"N");
    panel_.Check1.setVisible(false);
    program_.AfficherInfos2 = false;
}

// Neither button starts the panel: the next activation does, once no frame is due.
void HelpPanes::jaibienlu1_Click() {
    panel_.FrameInfos.setLeft(Reglages::kPaneHiddenLeft);
    program_.AfficherInfos1 = false;
    if (program_.AfficherInfos2) panel_.FrameInfos2.setLeft(Reglages::kPaneShownLeft);
}

void HelpPanes::jaibienlu2_Click() {
    panel_.FrameInfos2.setLeft(Reglages::kPaneHiddenLeft);
    program_.AfficherInfos2 = false;
}

void HelpPanes::Label21_Click() {
    program_.platform.env.openWebPage(panel_.handle(), kPageAlerte);
}

void HelpPanes::Label4_Click() {
    program_.platform.env.openWebPage(panel_.handle(), kPageToucheMicro);
}

void HelpPanes::EcrireSupport_Click() {
    serverlink::OuvreMessage(program_);
}

}  // namespace wardo::panel
