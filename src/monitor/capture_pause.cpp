#include "monitor/capture_pause.h"

#include "panel/reglages.h"

namespace wardo::monitor {

CapturePause::CapturePause(app::Program&, panel::Reglages& panel) : panel_(panel) {
    panel.MiseEnPause.onClick = [this] { MiseEnPause_Click(); };
    panel.TimerPauseCapture.onTimer = [this] { TimerPauseCapture_Timer(); };
}

void CapturePause::MiseEnPause_Click() {
    if (panel_.TimerPauseCapture.enabled()) return finPause();
    panel_.BoucleLectPseudo.setEnabled(false);
    CompteurPause = kSecondes;
    panel_.FramePause.setTop(panel::Reglages::kFramePauseShownTop);
    panel_.TimerPauseCapture.setEnabled(true);
}

// Shows 29 down to 2: the "1" is replaced by the empty text in the tick that ends the pause.
void CapturePause::TimerPauseCapture_Timer() {
    panel_.DecompteTempo.setCaption(text::decimal(CompteurPause));
    --CompteurPause;
    if (CompteurPause == 0) finPause();
}

void CapturePause::finPause() {
    panel_.FramePause.setTop(panel::Reglages::kFramePauseHiddenTop);
    panel_.BoucleLectPseudo.setEnabled(true);
    panel_.TimerPauseCapture.setEnabled(false);
    panel_.DecompteTempo.setCaption(L"");
}

}  // namespace wardo::monitor
