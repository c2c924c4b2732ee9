#include "panel/reglages.h"

namespace wardo::panel {

Reglages::Reglages(app::Program& program)
    : ui::Form(program.runtime, L"Reglages"),
      PanelBackground(static_cast<ui::Form&>(*this)),
      ModerationButtons(static_cast<ui::Form&>(*this)),
      SettingsPane(static_cast<ui::Form&>(*this)),
      InformationPanes(static_cast<ui::Form&>(*this)),
      MicrophonePanes(static_cast<ui::Form&>(*this)),
      PanelOverlays(static_cast<ui::Form&>(*this)),
      PanelTimers(static_cast<ui::Form&>(*this)),
      program_(program) {
    wireEvents();
    program_.room.notice = &microWait_;
    registerParts(*this, program_);
}

Reglages::~Reglages() {
    parts_.clear();
    if (program_.room.notice == &microWait_) program_.room.notice = nullptr;
}

void Reglages::design() {
    setBorderStyle(ui::BorderStyle::None);
    setClientSize(4560, 5415);
    designBackground();
    designButtons();
    designSettingsPane();
    designInformationPanes();
    designMicrophonePanes();
    designOverlays();
    designTimers();
}

void Reglages::wireEvents() {
    onMouseDown = [this](int button, int, int, int) { Form_MouseDown(button); };
    menuco.onMouseDown = [this](int button, int, int, int) { menuco_MouseDown(button); };
    menuco.onMouseMove = [this](int, int, int, int) { CacheMenus(); };
    Configurer.onClick = [this] { Configurer_Click(); };
    MenuConfig.onClick = [this] { MenuConfig_Click(); };
    Image1.onClick = [this] { fermeVolet(FrameAide); };
    Image2.onClick = [this] { fermeVolet(FrameAlerteUserEntre); };
    Image7.onClick = [this] { fermeVolet(FrameAPropos); };
    Image3.onClick = [this] { Image3_Click(); };
    Image4.onClick = [this] { Image4_Click(); };
    Label15.onClick = [this] { Label15_Click(); };
    Annuler.onClick = [this] { Annuler_Click(); };
    cestbon.onClick = [this] { cestbon_Click(); };
}

void Reglages::MicroWaitFrame::showNotice() {
    panel_.Frame2.setLeft(kFrame2ShownLeft);
}

void Reglages::MicroWaitFrame::hideNotice() {
    panel_.Frame2.setLeft(kFrame2HiddenLeft);
}

}  // namespace wardo::panel
