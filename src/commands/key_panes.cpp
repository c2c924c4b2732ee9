#include "commands/key_panes.h"

#include "app/program.h"
#include "panel/reglages.h"

namespace wardo::commands {

namespace {

struct Touche {
    long code;
    int index;
};
// In the order the chooser reads them: of keys down together, the last one wins.
constexpr Touche kOrdreLecture[] = {{17, 2}, {18, 1}, {38, 4}, {39, 6}, {37, 3}, {40, 5}};

}  // namespace

int IndexTouche(long code) {
    for (const Touche& t : kOrdreLecture)
        if (t.code == code) return t.index;
    return 0;
}

KeyPanes::KeyPanes(app::Program& program, panel::Reglages& panel) : program_(program), panel_(panel) {
    panel.ToucheVoice.onClick = [this] { ToucheVoice_Click(); };
    panel.Jeveuxlachanger.onClick = [this] { Jeveuxlachanger_Click(); };
    panel.TimerChoixToucheMicro.onTimer = [this] { TimerChoixToucheMicro_Timer(); };
    panel.validetouchemicro.onClick = [this] { validetouchemicro_Click(); };
    panel.pasdetouchemicro.onClick = [this] { pasdetouchemicro_Click(); };
}

void KeyPanes::ToucheVoice_Click() {
    panel::Reglages& r = panel_;
    r.FrameIndicationToucheMicro.setLeft(panel::Reglages::kPaneShownLeft);
    for (int i = 1; i <= 6; ++i) r.touchemicencours(i).setVisible(false);
    if (program_.ToucheMicroActive && program_.CodeToucheMicro != 0) {
        r.Label80.setCaption(
            L"La touche qui vous permet de prendre le voice de la room sans être sur sa page est "
            L"actuellement :");
        r.Jeveuxlachanger.setCaption(L"Je veux changer de touche !!");
        r.cestbon.setCaption(L"OK c'est bon je garde cette touche");
        if (const int index = IndexTouche(program_.CodeToucheMicro); index != 0)
            r.touchemicencours(index).setVisible(true);
    } else {
        r.Label80.setCaption(
            L"Vous avez réglé Wardo pour ne pas avoir de touche permettant de prendre le micro !");
        r.Jeveuxlachanger.setCaption(L"Je veux en définir une maintenant");
        r.cestbon.setCaption(L"OK je reste sans touche micro");
    }
    // A change of value raises the check box's own Click, which stores the option as it already is.
    r.AvecOuSansBip.setValue(program_.BipActif ? 1 : 0);
}

// While the chooser is open no press of the key is acted on, and a running wait for the microphone ends.
void KeyPanes::Jeveuxlachanger_Click() {
    panel::Reglages& r = panel_;
    r.FrameIndicationToucheMicro.setLeft(panel::Reglages::kKeyPaneHiddenLeft);
    EffaceBordsImages();
    r.FrameChoixToucheMicro.setLeft(panel::Reglages::kPaneShownLeft);
    r.TimerChoixToucheMicro.setEnabled(true);
    r.TimerToucheMicro.setEnabled(false);
    program_.ToucheMicroActive = false;
}

// The code changes at once, before any validation.
void KeyPanes::TimerChoixToucheMicro_Timer() {
    auto& windows = program_.platform.windows;
    for (const Touche& t : kOrdreLecture) {
        if (!windows.keyDown(static_cast<int>(t.code))) continue;
        EffaceBordsImages();
        panel_.bordimage(t.index).setVisible(true);
        program_.CodeToucheMicro = t.code;
    }
}

void KeyPanes::EffaceBordsImages() {
    for (int i = 1; i <= 6; ++i) panel_.bordimage(i).setVisible(false);
}

void KeyPanes::validetouchemicro_Click() {
    program_.EcritIni(L"Parametres", L"ToucheMicro", text::decimal(program_.CodeToucheMicro));
    program_.ToucheMicroActive = true;
    fermeChoix();
}

// The code in force stays until the program ends: the cleared flag alone makes the key inactive.
void KeyPanes::pasdetouchemicro_Click() {
    program_.EcritIni(L"Parametres", L"ToucheMicro", L"0");
    program_.ToucheMicroActive = false;
    fermeChoix();
}

void KeyPanes::fermeChoix() {
    panel_.TimerChoixToucheMicro.setEnabled(false);
    panel_.FrameChoixToucheMicro.setLeft(panel::Reglages::kKeyPaneHiddenLeft);
}

}  // namespace wardo::commands
